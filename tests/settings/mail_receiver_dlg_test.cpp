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

TEST_F(MailReceiverDlgTest, TitleFollowsTheModeAndTheEditsStartWithTheCallersStrings)
{
    Run(Dlg::kAdd, [](Dlg& dlg) {
        EXPECT_EQ(dlg.GetControlText(Dlg::kTitle), GetLanguageString("EmailReceiverDlg_AddTitle", "Monitoring"));
        EXPECT_EQ(dlg.GetControlText(Dlg::kNameLabel), GetLanguageString("EmailReceiverDlg_Name", "Monitoring"));
        EXPECT_EQ(dlg.GetControlText(Dlg::kAddressLabel), GetLanguageString("EmailReceiverDlg_Address", "Monitoring"));
        EXPECT_EQ(dlg.GetControlText(Dlg::kOk), GetLanguageString("OK", "Common"));
        EXPECT_EQ(dlg.GetControlText(Dlg::kCancel), GetLanguageString("Cancel", "Common"));
        EXPECT_EQ(dlg.GetControlText(Dlg::kNameEdit), "Ops");
        EXPECT_EQ(dlg.GetControlText(Dlg::kAddressEdit), "ops@plant.net");
    });
    Run(Dlg::kModify, [](Dlg& dlg) {
        EXPECT_EQ(dlg.GetControlText(Dlg::kTitle), GetLanguageString("EmailReceiverDlg_ModifyTitle", "Monitoring"));
    });
    EXPECT_NE(GetLanguageString("EmailReceiverDlg_AddTitle", "Monitoring"),
              GetLanguageString("EmailReceiverDlg_ModifyTitle", "Monitoring"));
}

TEST_F(MailReceiverDlgTest, OkWritesTheEnteredStringsBack)
{
    EXPECT_EQ(Run(Dlg::kModify, [](Dlg& dlg) {
                  dlg.SetControlText(Dlg::kNameEdit, "Night shift");
                  dlg.SetControlText(Dlg::kAddressEdit, "night@my-plant.net");   // a hyphen is fine here
                  ClickControl(dlg, Dlg::kOk);
              }),
              IDOK);
    EXPECT_EQ(name, "Night shift");
    EXPECT_EQ(address, "night@my-plant.net");
}

TEST_F(MailReceiverDlgTest, AnEmptyNameIsAccepted)
{
    EXPECT_EQ(Run(Dlg::kAdd, [](Dlg& dlg) {
                  dlg.SetControlText(Dlg::kNameEdit, "");
                  ClickControl(dlg, Dlg::kOk);
              }),
              IDOK);
    EXPECT_EQ(name, "");
    EXPECT_EQ(address, "ops@plant.net");
}

TEST_F(MailReceiverDlgTest, AnInvalidAddressIsRefusedAndTheCallersStringsStayAsTheyWere)
{
    for (const std::string& typed : {std::string("ops@Plant.net"), std::string("ops@plant.co.uk.cn"),
                                     std::string(300'000, 'x') + "@plant.net"}) {
        Script().AnswerMessageBox(IDOK);
        bool open = false;
        EXPECT_EQ(Run(Dlg::kModify, [&](Dlg& dlg) {
                      dlg.SetControlText(Dlg::kNameEdit, "Someone");
                      dlg.SetControlText(Dlg::kAddressEdit, typed);
                      ClickControl(dlg, Dlg::kOk);
                      open = dlg.IsWindow();
                  }),
                  IDCANCEL);
        EXPECT_TRUE(open);
        EXPECT_EQ(name, "Ops");
        EXPECT_EQ(address, "ops@plant.net");
    }
    const auto boxes = Script().LogOf(EModalKind::MessageBox);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].strText, GetLanguageString("EmailReceiverDlg_Legal", "Monitoring"));
    EXPECT_EQ(boxes[0].strCaption, GetLanguageString("EmailReceiverDlg_ModifyTitle", "Monitoring"));
}

TEST_F(MailReceiverDlgTest, EnterActsAsOkAndEscapeAsCancel)
{
    EXPECT_EQ(Run(Dlg::kAdd, [](Dlg& dlg) {
                  dlg.SetControlText(Dlg::kAddressEdit, "day@plant.net");
                  PressKey(dlg, VK_ESCAPE);
              },
                  IDOK),
              IDCANCEL);
    EXPECT_EQ(address, "ops@plant.net");

    EXPECT_EQ(Run(Dlg::kAdd, [](Dlg& dlg) {
                  dlg.SetControlText(Dlg::kAddressEdit, "day@plant.net");
                  PressKey(dlg, VK_RETURN);
              }),
              IDOK);
    EXPECT_EQ(address, "day@plant.net");
}

TEST_F(MailReceiverDlgTest, RowsShareTheSendingAccountsColumns)
{
    for (double scale : {1.0, 1.5}) {
        SetScale(scale);
        Run(Dlg::kAdd, [scale](Dlg& dlg) {
            auto px = [scale](int design) { return static_cast<int>(design * scale); };
            EXPECT_EQ(dlg.GetControl(Dlg::kNameLabel)->rect.left, px(50));
            EXPECT_EQ(dlg.GetControl(Dlg::kAddressLabel)->rect.right, px(150));
            EXPECT_EQ(dlg.GetControl(Dlg::kNameEdit)->rect.left, px(170));
            EXPECT_EQ(dlg.GetControl(Dlg::kAddressEdit)->rect.right, px(470));
            EXPECT_EQ(dlg.GetControl(Dlg::kCancel)->rect.right, px(470));
            EXPECT_EQ(dlg.GetClientRect().Width(), px(520));
            SaveDialogShot(dlg, scale > 1.0 ? "mail_receiver_150" : "mail_receiver_100");
        });
    }
}

} // namespace
