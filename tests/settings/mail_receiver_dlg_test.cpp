#include "dialog_test_support.h"

#include "host/vistrano_language.h"
#include "settings/mail_receiver_dlg.h"

#include <gtest/gtest.h>

namespace {

using Dlg = CMailReceiverDlg;

class MailReceiverDlgTest : public DialogTest {
protected:
    // Runs the dialog on the caller's strings; answers DoModal's result (3:
    // still open when the action ended).
    int Run(int mode, const std::function<void(Dlg&)>& action)
    {
        Dlg dlg(mode, name, address, nullptr);
        Script().RunOnDialog<Dlg>(action, 3);
        return dlg.DoModal();
    }

    std::string name = "Ops";
    std::string address = "ops@plant.net";
};

// The title follows the mode and the edits start with the caller's strings;
// OK and Enter write the strings back, Escape leaves them, an invalid
// address is said and refused.
TEST_F(MailReceiverDlgTest, TheEditsStartWithTheCallersStringsAndOkWritesThemBack)
{
    for (const auto& [mode, title] :
         {std::pair{int(Dlg::kAdd), "EmailReceiverDlg_AddTitle"}, {Dlg::kModify, "EmailReceiverDlg_ModifyTitle"}}) {
        Run(mode, [&](Dlg& dlg) {
            EXPECT_EQ(dlg.GetControlText(Dlg::kTitle), GetLanguageString(title, "Monitoring"));
            EXPECT_EQ(dlg.GetControlText(Dlg::kNameEdit) + " " + dlg.GetControlText(Dlg::kAddressEdit),
                      "Ops ops@plant.net");
        });
    }
    const std::tuple<const char*, std::string, UINT, int, const char*> cases[] = {
        {"Night shift", "night@my-plant.net", 0, IDOK, "Night shift night@my-plant.net"}, // 0: the OK button
        {"", "ops@plant.net", 0, IDOK, " ops@plant.net"},                                 // an empty name is fine
        {"Day", "day@plant.net", VK_RETURN, IDOK, "Day day@plant.net"},
        {"Day", "day@plant.net", VK_ESCAPE, IDCANCEL, "Ops ops@plant.net"},
        {"Someone", std::string(300'000, 'x') + "@plant.net", 0, 3, "Ops ops@plant.net"},
    };
    for (const auto& [typedName, typedAddress, key, result, expected] : cases) {
        name = "Ops";
        address = "ops@plant.net";
        if (result == 3)
            Script().AnswerMessageBox(IDOK);
        EXPECT_EQ(Run(Dlg::kModify,
                      [&](Dlg& dlg) {
                          dlg.SetControlText(Dlg::kNameEdit, typedName);
                          dlg.SetControlText(Dlg::kAddressEdit, typedAddress);
                          key ? PressKey(dlg, key) : ClickControl(dlg, Dlg::kOk);
                      }),
                  result)
            << expected;
        EXPECT_EQ(name + " " + address, expected);
    }
    ASSERT_EQ(Script().LogOf(EModalKind::MessageBox).size(), 1u);
    const SModalRecord* box = Script().Last(EModalKind::MessageBox);
    EXPECT_EQ(std::tuple(box->strText, box->strCaption),
              std::tuple(GetLanguageString("EmailReceiverDlg_Legal", "Monitoring"),
                         GetLanguageString("EmailReceiverDlg_ModifyTitle", "Monitoring")));
}

} // namespace
