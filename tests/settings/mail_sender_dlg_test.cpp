// The sending-account dialog in the host's hands: what it shows, what OK
// stores and marks, what it refuses and says, the default account, keys and
// place. The field rules themselves are mail_account_test's.
#include "dialog_test_support.h"

#include "controls/edit.h"
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
        Store(CMonitorInterfaceData());
        g_pModuleData->OnMonitorDataUpdate();
        Store(Account());
        sim::ClearCallLog();
        m_modifications = sim::GetModificationCount();
    }

    static CMonitorInterfaceData Account()
    {
        CMonitorInterfaceData data;
        data.emailSetting = SampleMailAccount();
        return data;
    }

    static void Store(const CMonitorInterfaceData& data) { g_pMonitorData->SetInterfaceData(data); }

    static SEmailSetting Host()
    {
        CMonitorInterfaceData data;
        g_pMonitorData->GetInterfaceData(data);
        return data.emailSetting;
    }

    // Runs the dialog with an action; answers DoModal's result.
    static int Run(const std::function<void(Dlg&)>& action, int endWith = IDCANCEL)
    {
        CWnd owner;
        owner.CreateEx(nullptr, {0, 0, 600, 400}, 1, EWindowKind::Dialog, "settings");
        Dlg dlg(40, 30, &owner);
        Script().RunOnDialog<Dlg>(action, endWith);
        return dlg.DoModal();
    }

    static int StoredCalls() { return HostCalls("CMonitorData::SetInterfaceData"); }
    int Modifications() const { return sim::GetModificationCount() - m_modifications; }

private:
    int m_modifications = 0;
};

TEST_F(MailSenderDlgTest, ShowsTheHostsAccountWhileThePageStateLagsBehind)
{
    {
        CModuleDataLock lock(*g_pModuleData);
        ASSERT_EQ(g_pModuleData->GetInterfaceData().emailSetting.strSender, kDefaultMailSender);
    }
    Run([](Dlg& dlg) {
        std::string shown;
        for (int edit : {Dlg::kAddressEdit, Dlg::kPasswordEdit, Dlg::kSmtpEdit, Dlg::kPortEdit})
            shown += dlg.GetControlText(edit) + " ";
        EXPECT_EQ(shown, "alerts@plant.net secret smtp.plant.net 25 ");
        EXPECT_EQ(dlg.GetCheck(Dlg::kSslCheck), 0);
    });
    EXPECT_EQ(StoredCalls(), 0);
}

TEST_F(MailSenderDlgTest, OkStoresWhatChangedIntoTheHostsRecordAndMarksTheProject)
{
    // Untouched, Escape or Cancel: nothing stored, nothing marked.
    EXPECT_EQ(Run([](Dlg& dlg) { ClickControl(dlg, Dlg::kOk); }), IDOK);
    for (bool escape : {true, false}) {
        EXPECT_EQ(Run(
                      [escape](Dlg& dlg) {
                          dlg.SetControlText(Dlg::kSmtpEdit, "mail.plant.net");
                          escape ? PressKey(dlg, VK_ESCAPE) : ClickControl(dlg, Dlg::kCancel);
                      },
                      IDOK),
                  IDCANCEL);
    }
    EXPECT_EQ(StoredCalls(), 0);
    EXPECT_EQ(Modifications(), 0);

    // A recipient the host holds stays: the dialog changes the host's record.
    CMonitorInterfaceData newer = Account();
    newer.emailSetting.arrMail.push_back({"Day", "day@plant.net"});
    Store(newer);
    sim::ClearCallLog();
    EXPECT_EQ(Run([](Dlg& dlg) {
                  dlg.SetControlText(Dlg::kPasswordEdit, "n3w");
                  dlg.SetControlText(Dlg::kPortEdit, "587");
                  ClickControl(dlg, Dlg::kSslCheck);
                  PressKey(dlg, VK_RETURN);
              }),
              IDOK);
    EXPECT_EQ(StoredCalls(), 1);
    EXPECT_EQ(Modifications(), 1);
    SEmailSetting expected = newer.emailSetting;
    expected.strPassword = "n3w";
    expected.nPort = 587;
    expected.bSSL = 1;
    EXPECT_FALSE(Host() != expected);
}

TEST_F(MailSenderDlgTest, RefusedFieldsAreSaidAndTheDialogStaysOpenStoringNothing)
{
    struct SCase {
        int edit;
        std::string text;
        const char* message;
    };
    const SCase cases[] = {
        {Dlg::kAddressEdit, "alerts@my-plant.net", "EmailReceiverDlg_Legal"},
        {Dlg::kAddressEdit, std::string(200'000, 'a') + "@plant.net", "EmailReceiverDlg_Legal"},
        {Dlg::kPortEdit, "", "EmailSenderDlg_Port"},
        {Dlg::kPortEdit, "0", "EmailSenderDlg_Port"},
    };
    for (const SCase& c : cases) {
        Script().AnswerMessageBox(IDOK);
        bool open = false;
        Run([&](Dlg& dlg) {
            dlg.SetControlText(Dlg::kPasswordEdit, "n3w");
            dlg.SetControlText(c.edit, c.text);
            ClickControl(dlg, Dlg::kOk);
            open = dlg.IsWindow();
        });
        EXPECT_TRUE(open) << c.message;
        const SModalRecord* box = Script().Last(EModalKind::MessageBox);
        ASSERT_NE(box, nullptr) << c.message;
        EXPECT_EQ(box->strText, GetLanguageString(c.message, "Monitoring"));
        EXPECT_EQ(box->strCaption, GetLanguageString("EmailSenderDlg_Title", "Monitoring"));
        EXPECT_EQ(box->nIconStyle, 5);
    }
    EXPECT_EQ(Script().LogOf(EModalKind::MessageBox).size(), std::size(cases));
    EXPECT_EQ(StoredCalls(), 0);
    EXPECT_EQ(Modifications(), 0);
}

TEST_F(MailSenderDlgTest, TheDefaultAccountIsStoredAtOnceShownAndKeptByOk)
{
    EXPECT_EQ(Run([](Dlg& dlg) {
                  ClickControl(dlg, Dlg::kDefault);
                  EXPECT_TRUE(dlg.IsWindow());
                  EXPECT_EQ(dlg.GetControlText(Dlg::kAddressEdit), kDefaultMailSender);
                  EXPECT_EQ(dlg.GetControlText(Dlg::kPortEdit), "465");
                  EXPECT_EQ(dlg.GetCheck(Dlg::kSslCheck), 1);
                  ClickControl(dlg, Dlg::kOk);
              }),
              IDOK);
    // A stored change marks the project, or closing it unsaved loses the account silently.
    EXPECT_EQ(StoredCalls(), 1);
    EXPECT_EQ(Modifications(), 1);
    SEmailSetting expected = SampleMailAccount(); // the other settings and the recipients stay
    expected.strSender = kDefaultMailSender;
    expected.strPassword = "Pxvrkd7";
    expected.strSmtp = kDefaultMailSmtp;
    expected.bSSL = 1;
    expected.nPort = 465;
    EXPECT_FALSE(Host() != expected);
}

TEST_F(MailSenderDlgTest, LabelsAndEditsStandWhereTheyAreDrawn)
{
    SetScale(1.5);
    Run([](Dlg& dlg) {
        for (int label : {Dlg::kAddressLabel, Dlg::kSslLabel, Dlg::kPortLabel})
            EXPECT_EQ(dlg.GetControl(label)->rect.left, 75) << label;
        for (int edit : {Dlg::kAddressEdit, Dlg::kPasswordEdit, Dlg::kSmtpEdit, Dlg::kPortEdit}) {
            const CRect r = dlg.GetControl(edit)->rect;
            EXPECT_EQ(std::make_pair(r.left, r.right), std::make_pair(255, 705)) << edit;
            CRect window = dlg.GetEdit(edit)->GetWindowRect(); // the edit window stands where its entry says
            dlg.ScreenToClient(window);
            EXPECT_EQ(window, r) << edit;
        }
        EXPECT_EQ(dlg.GetClientRect().Width(), 780);
        SaveDialogShot(dlg, "mail_sender_150");
    });
}

TEST_F(MailSenderDlgTest, OpensAtThePointGivenAndStaysOnTheScreen)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(nullptr, {200, 150, 900, 650}, 1, EWindowKind::Dialog, "settings"));
    owner.ShowWindow(SW_SHOW);
    CPoint expected{40, 30};
    owner.ClientToScreen(expected);
    CRect near;
    Script().RunOnDialog<Dlg>([&](Dlg& shown) { near = shown.GetWindowRect(); }, IDCANCEL);
    Dlg(40, 30, &owner).DoModal();
    EXPECT_EQ(near.TopLeft(), expected);

    const CRect area = plat::GetScreenWorkArea();
    CRect far;
    Script().RunOnDialog<Dlg>([&](Dlg& shown) { far = shown.GetWindowRect(); }, IDCANCEL);
    Dlg(area.right + 500, area.bottom + 500, &owner).DoModal();
    EXPECT_LE(far.right, area.right);
    EXPECT_LE(far.bottom, area.bottom);
}

} // namespace
