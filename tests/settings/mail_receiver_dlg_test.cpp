#include "dialog_test_support.h"

#include "host/vistrano_language.h"
#include "settings/mail_receiver_dlg.h"

#include <gtest/gtest.h>

namespace {

using Dlg = CMailReceiverDlg;

class MailReceiverDlgTest : public DialogTest {
protected:
    int Run(int mode, const std::function<void(Dlg&)>& action, int endWith = IDCANCEL)
    {
        Dlg dlg(mode, name, address, nullptr);
        Script().RunOnDialog<Dlg>(action, endWith);
        return dlg.DoModal();
    }

    std::string name = "Ops";
    std::string address = "ops@plant.net";
};

TEST_F(MailReceiverDlgTest, TheTitleFollowsTheModeAndTheEditsStartWithTheCallersStrings)
{
    for (const auto& [mode, title] :
         {std::pair{int(Dlg::kAdd), "EmailReceiverDlg_AddTitle"}, {Dlg::kModify, "EmailReceiverDlg_ModifyTitle"}}) {
        Run(mode, [&](Dlg& dlg) {
            EXPECT_EQ(dlg.GetControlText(Dlg::kTitle), GetLanguageString(title, "Monitoring"));
            EXPECT_EQ(dlg.GetControlText(Dlg::kNameEdit) + " " + dlg.GetControlText(Dlg::kAddressEdit),
                      "Ops ops@plant.net");
        });
    }
}

TEST_F(MailReceiverDlgTest, OkAndEnterWriteTheStringsBackEscapeLeavesThem)
{
    struct Case {
        const char* name;
        const char* address;
        UINT key; // 0: the OK button
        int result;
        const char* expected;
    };
    for (const Case& c : {Case{"Night shift", "night@my-plant.net", 0, IDOK, "Night shift night@my-plant.net"},
                          Case{"", "ops@plant.net", 0, IDOK, " ops@plant.net"}, // an empty name is fine
                          Case{"Day", "day@plant.net", VK_RETURN, IDOK, "Day day@plant.net"},
                          Case{"Day", "day@plant.net", VK_ESCAPE, IDCANCEL, "Ops ops@plant.net"}}) {
        name = "Ops";
        address = "ops@plant.net";
        EXPECT_EQ(Run(
                      Dlg::kModify,
                      [&c](Dlg& dlg) {
                          dlg.SetControlText(Dlg::kNameEdit, c.name);
                          dlg.SetControlText(Dlg::kAddressEdit, c.address);
                          if (c.key)
                              PressKey(dlg, c.key);
                          else
                              ClickControl(dlg, Dlg::kOk);
                      },
                      3),
                  c.result)
            << c.expected;
        EXPECT_EQ(name + " " + address, c.expected);
    }
}

TEST_F(MailReceiverDlgTest, AnInvalidAddressIsRefusedAndTheCallersStringsStayAsTheyWere)
{
    for (const std::string& typed :
         {std::string("ops@Plant.net"), std::string("ops@plant.co.uk.cn"), std::string(300'000, 'x') + "@plant.net"}) {
        Script().AnswerMessageBox(IDOK);
        EXPECT_EQ(Run(
                      Dlg::kModify,
                      [&](Dlg& dlg) {
                          dlg.SetControlText(Dlg::kNameEdit, "Someone");
                          dlg.SetControlText(Dlg::kAddressEdit, typed);
                          ClickControl(dlg, Dlg::kOk);
                      },
                      3),
                  3);
        EXPECT_EQ(name + " " + address, "Ops ops@plant.net");
    }
    const auto boxes = Script().LogOf(EModalKind::MessageBox);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].strText, GetLanguageString("EmailReceiverDlg_Legal", "Monitoring"));
    EXPECT_EQ(boxes[0].strCaption, GetLanguageString("EmailReceiverDlg_ModifyTitle", "Monitoring"));
}

TEST_F(MailReceiverDlgTest, RowsShareTheSendingAccountsColumns)
{
    SetScale(1.5);
    Run(Dlg::kAdd, [](Dlg& dlg) {
        EXPECT_EQ(dlg.GetControl(Dlg::kNameLabel)->rect.left, 75);
        EXPECT_EQ(dlg.GetControl(Dlg::kNameEdit)->rect.left, 255);
        EXPECT_EQ(dlg.GetControl(Dlg::kAddressEdit)->rect.right, 705);
        EXPECT_EQ(dlg.GetClientRect().Width(), 780);
        SaveDialogShot(dlg, "mail_receiver_150");
    });
}

} // namespace
