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
        EXPECT_EQ(dlg.GetControlText(Dlg::kAddressEdit), "alerts@plant.net");
        EXPECT_EQ(dlg.GetControlText(Dlg::kPasswordEdit), "secret");
        EXPECT_EQ(dlg.GetControlText(Dlg::kSmtpEdit), "smtp.plant.net");
        EXPECT_EQ(dlg.GetControlText(Dlg::kPortEdit), "25");
        EXPECT_EQ(dlg.GetCheck(Dlg::kSslCheck), 0);
        const SEditRules& port = dlg.GetEdit(Dlg::kPortEdit)->GetRules();
        EXPECT_EQ(port.eMode, EEditMode::Integer);
        EXPECT_EQ(port.dMin, 1);
        EXPECT_EQ(port.dMax, 65535);
    });
    EXPECT_EQ(StoredCalls(), 0);
}

TEST_F(MailSenderDlgTest, OkStoresWhatChangedIntoTheHostsRecordAndMarksTheProject)
{
    // Untouched: nothing stored, nothing marked.
    EXPECT_EQ(Run([](Dlg& dlg) { ClickControl(dlg, Dlg::kOk); }), IDOK);
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
    EXPECT_EQ(StoredCalls(), 1);
    EXPECT_EQ(Modifications(), 0);
    EXPECT_EQ(Host().strSender, kDefaultMailSender);
    EXPECT_EQ(Host().arrMail.size(), SampleMailAccount().arrMail.size());
}

TEST_F(MailSenderDlgTest, EscapeAndCancelStoreNothing)
{
    for (bool escape : {true, false}) {
        EXPECT_EQ(Run([escape](Dlg& dlg) {
                      dlg.SetControlText(Dlg::kSmtpEdit, "mail.plant.net");
                      if (escape)
                          PressKey(dlg, VK_ESCAPE);
                      else
                          ClickControl(dlg, Dlg::kCancel);
                  },
                      IDOK),
                  IDCANCEL);
    }
    EXPECT_EQ(StoredCalls(), 0);
}

TEST_F(MailSenderDlgTest, LabelsAndEditsStandWhereTheyAreDrawnAtEachDensity)
{
    for (double scale : {1.0, 1.5}) {
        SetScale(scale);
        Run([scale](Dlg& dlg) {
            auto px = [scale](int design) { return static_cast<int>(design * scale); };
            for (int label : {Dlg::kAddressLabel, Dlg::kPasswordLabel, Dlg::kSmtpLabel, Dlg::kSslLabel, Dlg::kPortLabel}) {
                const CRect r = dlg.GetControl(label)->rect;
                EXPECT_EQ(r.left, px(50)) << label << " at " << scale;
                EXPECT_EQ(r.Width(), px(150) - px(50)) << label;
            }
            for (int edit : {Dlg::kAddressEdit, Dlg::kPasswordEdit, Dlg::kSmtpEdit, Dlg::kPortEdit}) {
                const CRect r = dlg.GetControl(edit)->rect;
                EXPECT_EQ(r.left, px(170)) << edit << " at " << scale;
                EXPECT_EQ(r.right, px(470)) << edit;
                // The edit window stands where its entry says.
                CRect window = dlg.GetEdit(edit)->GetWindowRect();
                dlg.ScreenToClient(window);
                EXPECT_EQ(window, r) << edit;
            }
            EXPECT_EQ(dlg.GetClientRect().Width(), px(520));
            EXPECT_GE(dlg.GetClientRect().bottom, dlg.GetControl(Dlg::kOk)->rect.bottom + px(15));
            SaveDialogShot(dlg, scale > 1.0 ? "mail_sender_150" : "mail_sender_100");
        });
    }
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
