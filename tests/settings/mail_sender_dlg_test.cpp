// The sending-account dialog in the host's hands: what it shows, what OK
// stores and marks, what it refuses and says, the default account, keys and
// place. The field rules themselves are mail_account_test's.
#include "dialog_test_support.h"

#include "host/vistrano_data.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "settings/mail_sender_dlg.h"
#include "sim/call_log.h"
#include "sim/world.h"

#include <gtest/gtest.h>

namespace {

using Dlg = CMailSenderDlg;

class MailSenderDlgTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        // The page state's copy holds the built-in default account, as a
        // monitoring round left it; the host has the sample account since.
        StoreSettings(CMonitorInterfaceData());
        g_pModuleData->OnMonitorDataUpdate();
        CMonitorInterfaceData data;
        data.emailSetting = SampleMailAccount();
        StoreSettings(data);
        sim::ClearCallLog();
        m_modifications = sim::GetModificationCount();
    }

    // Runs the dialog at (x, y) of an owner; answers DoModal's result.
    static int Run(const std::function<void(Dlg&)>& action, int endWith = IDCANCEL, CPoint at = {40, 30},
                   const CRect& owned = {0, 0, 600, 400})
    {
        CWnd owner;
        owner.CreateEx(nullptr, owned, 1, EWindowKind::Dialog, "settings");
        owner.ShowWindow(SW_SHOW);
        Dlg dlg(at.x, at.y, &owner);
        Script().RunOnDialog<Dlg>(action, endWith);
        return dlg.DoModal();
    }

    // The host's settings stores and the project's marks since the set-up.
    std::tuple<int, int> Stored() const
    {
        return {HostCalls("CMonitorData::SetInterfaceData"), sim::GetModificationCount() - m_modifications};
    }

private:
    int m_modifications = 0;
};

// It shows the host's account while the page state lags behind; untouched,
// Escape or Cancel store and mark nothing.
TEST_F(MailSenderDlgTest, ShowsTheHostsAccountOkStoresWhatChangedAndTheDefaultIsStoredAtOnce)
{
    {
        CModuleDataLock lock(*g_pModuleData);
        ASSERT_EQ(g_pModuleData->GetInterfaceData().emailSetting.strSender, kDefaultMailSender);
    }
    EXPECT_EQ(Run([](Dlg& dlg) {
                  std::string shown;
                  for (int edit : {Dlg::kAddressEdit, Dlg::kPasswordEdit, Dlg::kSmtpEdit, Dlg::kPortEdit})
                      shown += dlg.GetControlText(edit) + " ";
                  EXPECT_EQ(shown + std::to_string(dlg.GetCheck(Dlg::kSslCheck)),
                            "alerts@plant.net secret smtp.plant.net 25 0");
                  ClickControl(dlg, Dlg::kOk);
              }),
              IDOK);
    for (bool escape : {true, false}) {
        EXPECT_EQ(Run(
                      [escape](Dlg& dlg) {
                          dlg.SetControlText(Dlg::kSmtpEdit, "mail.plant.net");
                          escape ? PressKey(dlg, VK_ESCAPE) : ClickControl(dlg, Dlg::kCancel);
                      },
                      IDOK),
                  IDCANCEL);
    }
    EXPECT_EQ(Stored(), std::tuple(0, 0));

    // A recipient the host holds stays: the dialog changes the host's record.
    CMonitorInterfaceData newer = HostSettings();
    newer.emailSetting.arrMail.push_back({"Day", "day@plant.net"});
    StoreSettings(newer);
    sim::ClearCallLog();
    EXPECT_EQ(Run([](Dlg& dlg) {
                  dlg.SetControlText(Dlg::kPasswordEdit, "n3w");
                  dlg.SetControlText(Dlg::kPortEdit, "587");
                  ClickControl(dlg, Dlg::kSslCheck);
                  PressKey(dlg, VK_RETURN);
              }),
              IDOK);
    EXPECT_EQ(Stored(), std::tuple(1, 1));
    SEmailSetting expected = newer.emailSetting;
    expected.strPassword = "n3w";
    expected.nPort = 587;
    expected.bSSL = 1;
    EXPECT_FALSE(HostSettings().emailSetting != expected);

    // The default account is stored at once, shown, and kept by OK; the
    // other settings and the recipients stay.
    EXPECT_EQ(Run([](Dlg& dlg) {
                  ClickControl(dlg, Dlg::kDefault);
                  EXPECT_TRUE(dlg.IsWindow());
                  EXPECT_EQ(std::tuple(dlg.GetControlText(Dlg::kAddressEdit), dlg.GetControlText(Dlg::kPortEdit),
                                       dlg.GetCheck(Dlg::kSslCheck)),
                            std::tuple(std::string(kDefaultMailSender), std::string("465"), 1));
                  ClickControl(dlg, Dlg::kOk);
              }),
              IDOK);
    // A stored change marks the project, or closing it unsaved loses the account silently.
    EXPECT_EQ(Stored(), std::tuple(2, 2));
    expected.strSender = kDefaultMailSender;
    expected.strPassword = "Pxvrkd7";
    expected.strSmtp = kDefaultMailSmtp;
    expected.bSSL = 1;
    expected.nPort = 465;
    EXPECT_FALSE(HostSettings().emailSetting != expected);
}

TEST_F(MailSenderDlgTest, RefusedFieldsAreSaidAndTheDialogStaysOpenStoringNothing)
{
    const std::tuple<int, std::string, const char*> cases[] = {
        {Dlg::kAddressEdit, std::string(200'000, 'a') + "@plant.net", "EmailReceiverDlg_Legal"},
        {Dlg::kPortEdit, "", "EmailSenderDlg_Port"},
        {Dlg::kPortEdit, "0", "EmailSenderDlg_Port"},
    };
    for (const auto& [edit, text, message] : cases) {
        Script().AnswerMessageBox(IDOK);
        Run([&](Dlg& dlg) {
            dlg.SetControlText(Dlg::kPasswordEdit, "n3w");
            dlg.SetControlText(edit, text);
            ClickControl(dlg, Dlg::kOk);
            EXPECT_TRUE(dlg.IsWindow()) << message;
        });
        const SModalRecord* box = Script().Last(EModalKind::MessageBox);
        ASSERT_NE(box, nullptr) << message;
        EXPECT_EQ(std::tuple(box->strText, box->strCaption, box->nIconStyle),
                  std::tuple(GetLanguageString(message, "Monitoring"),
                             GetLanguageString("EmailSenderDlg_Title", "Monitoring"), 5));
    }
    EXPECT_EQ(Script().LogOf(EModalKind::MessageBox).size(), std::size(cases));
    EXPECT_EQ(Stored(), std::tuple(0, 0));
}

TEST_F(MailSenderDlgTest, OpensAtThePointGivenAndStaysOnTheScreen)
{
    CRect near;
    Run([&](Dlg& dlg) { near = dlg.GetWindowRect(); }, IDCANCEL, {40, 30}, {200, 150, 900, 650});
    EXPECT_EQ(near.TopLeft(), CPoint(240, 180));
    const CRect area = plat::GetScreenWorkArea();
    Run(
        [&](Dlg& dlg) {
            const CRect r = dlg.GetWindowRect();
            EXPECT_TRUE(r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom);
        },
        IDCANCEL, {area.right + 500, area.bottom + 500});
}

} // namespace
