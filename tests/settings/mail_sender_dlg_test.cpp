#include "dialog_test_support.h"

#include "controls/edit.h"
#include "controls/msg_box.h"
#include "host/vistrano_data.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "platform/native_qt.h"
#include "settings/mail_sender_dlg.h"
#include "sim/call_log.h"
#include "sim/world.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

using Dlg = CMailSenderDlg;

class MailSenderDlgTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        Store(Account());
        // The page state copies the host's settings as a monitoring round would.
        g_pModuleData->OnMonitorDataUpdate();
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

    static CMonitorInterfaceData Host()
    {
        CMonitorInterfaceData data;
        g_pMonitorData->GetInterfaceData(data);
        return data;
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

    int StoredCalls() const { return HostCalls("CMonitorData::SetInterfaceData"); }
    int Modifications() const { return sim::GetModificationCount() - m_modifications; }

private:
    int m_modifications = 0;
};

TEST_F(MailSenderDlgTest, OpensOnThePageStateCopyOfTheAccount)
{
    // The host has moved on since the last round; the page state's copy is shown.
    CMonitorInterfaceData newer = Account();
    newer.emailSetting.strSender = "other@plant.net";
    Store(newer);
    sim::ClearCallLog();
    Run([](Dlg& dlg) {
        EXPECT_EQ(dlg.GetControlText(Dlg::kAddressEdit), "alerts@plant.net");
        EXPECT_EQ(dlg.GetControlText(Dlg::kPasswordEdit), "secret");
        EXPECT_EQ(dlg.GetControlText(Dlg::kSmtpEdit), "smtp.plant.net");
        EXPECT_EQ(dlg.GetControlText(Dlg::kPortEdit), "25");
        EXPECT_EQ(dlg.GetCheck(Dlg::kSslCheck), 0);
    });
    EXPECT_GE(HostCalls("GetLanguageString"), 1);
    EXPECT_EQ(StoredCalls(), 0);
}

TEST_F(MailSenderDlgTest, FieldsLeftAsShownKeepTheHostsNewerValues)
{
    CMonitorInterfaceData newer = Account();
    newer.emailSetting.strSender = "newer@plant.net";
    newer.emailSetting.nPort = 587;
    Store(newer);
    sim::ClearCallLog();
    EXPECT_EQ(Run([](Dlg& dlg) { ClickControl(dlg, Dlg::kOk); }), IDOK);
    EXPECT_EQ(StoredCalls(), 0);   // nothing touched, nothing stored

    EXPECT_EQ(Run([](Dlg& dlg) {
                  dlg.SetControlText(Dlg::kPasswordEdit, "n3w");
                  ClickControl(dlg, Dlg::kOk);
              }),
              IDOK);
    EXPECT_EQ(StoredCalls(), 1);
    EXPECT_EQ(Modifications(), 1);
    CMonitorInterfaceData expected = newer;
    expected.emailSetting.strPassword = "n3w";
    EXPECT_FALSE(Host() != expected);
}

TEST_F(MailSenderDlgTest, ControlsCarryTheirTexts)
{
    Run([](Dlg& dlg) {
        EXPECT_EQ(dlg.GetControlText(Dlg::kTitle), GetLanguageString("EmailSenderDlg_Title", "Monitoring"));
        EXPECT_EQ(dlg.GetWindowText(), dlg.GetControlText(Dlg::kTitle));
        EXPECT_EQ(dlg.GetControlText(Dlg::kAddressLabel), GetLanguageString("EmailSenderDlg_Address", "Monitoring"));
        EXPECT_EQ(dlg.GetControlText(Dlg::kPasswordLabel), GetLanguageString("EmailSenderDlg_Password", "Monitoring"));
        EXPECT_EQ(dlg.GetControlText(Dlg::kSmtpLabel), GetLanguageString("EmailSenderDlg_SMTP", "Monitoring"));
        EXPECT_EQ(dlg.GetControlText(Dlg::kSslLabel), GetLanguageString("EmailSenderDlg_SSL", "Monitoring"));
        EXPECT_EQ(dlg.GetControlText(Dlg::kPortLabel), GetLanguageString("IP_Port", "Common"));
        EXPECT_EQ(dlg.GetControlText(Dlg::kOk), GetLanguageString("OK", "Common"));
        EXPECT_EQ(dlg.GetControlText(Dlg::kCancel), GetLanguageString("Cancel", "Common"));
        EXPECT_EQ(dlg.GetControlText(Dlg::kDefault), GetLanguageString("EmailSenderDlg_Default", "Monitoring"));
        EXPECT_EQ(dlg.GetControl(Dlg::kSslCheck)->eKind, EMorvControlKind::CheckBox);
    });
}

TEST_F(MailSenderDlgTest, OkWithoutChangesStoresNothingAndMarksNothing)
{
    EXPECT_EQ(Run([](Dlg& dlg) { ClickControl(dlg, Dlg::kOk); }), IDOK);
    EXPECT_EQ(StoredCalls(), 0);
    EXPECT_EQ(Modifications(), 0);
    EXPECT_EQ(HostCalls("CMonitorData::GetInterfaceData"), 1);
}

TEST_F(MailSenderDlgTest, OkStoresWhatChangedIntoTheHostsRecordAndMarksTheProject)
{
    // A recipient the host gained since the last round stays: the dialog
    // changes the host's record, not the page state's copy.
    CMonitorInterfaceData newer = Account();
    newer.emailSetting.arrMail.push_back({"Day", "day@plant.net"});
    Store(newer);
    sim::ClearCallLog();
    const int result = Run([](Dlg& dlg) {
        dlg.SetControlText(Dlg::kPasswordEdit, "n3w");
        dlg.SetControlText(Dlg::kPortEdit, "587");
        ClickControl(dlg, Dlg::kSslCheck);
        ClickControl(dlg, Dlg::kOk);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(StoredCalls(), 1);
    EXPECT_EQ(Modifications(), 1);
    CMonitorInterfaceData expected = newer;
    expected.emailSetting.strPassword = "n3w";
    expected.emailSetting.nPort = 587;
    expected.emailSetting.bSSL = 1;
    EXPECT_FALSE(Host() != expected);
}

TEST_F(MailSenderDlgTest, AChangedAddressFailingThePatternIsRefusedWithAMessage)
{
    Script().AnswerMessageBox(IDOK);
    bool open = false;
    const int result = Run([&](Dlg& dlg) {
        dlg.SetControlText(Dlg::kAddressEdit, "alerts@my-plant.net");
        dlg.SetControlText(Dlg::kPasswordEdit, "n3w");
        ClickControl(dlg, Dlg::kOk);
        open = dlg.IsWindow();
        EXPECT_EQ(dlg.GetControlText(Dlg::kAddressEdit), "alerts@my-plant.net");
    });
    EXPECT_TRUE(open);
    EXPECT_EQ(result, IDCANCEL);
    const SModalRecord* box = Script().Last(EModalKind::MessageBox);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->strText, GetLanguageString("EmailReceiverDlg_Legal", "Monitoring"));
    EXPECT_EQ(box->strCaption, GetLanguageString("EmailSenderDlg_Title", "Monitoring"));
    EXPECT_EQ(box->nIconStyle, 5);
    EXPECT_EQ(StoredCalls(), 0);
    EXPECT_EQ(Modifications(), 0);
}

TEST_F(MailSenderDlgTest, AVeryLongAddressIsRefusedLikeAnyInvalidOne)
{
    Script().AnswerMessageBox(IDOK);
    Run([](Dlg& dlg) {
        dlg.SetControlText(Dlg::kAddressEdit, std::string(200'000, 'a') + "@plant.net");
        ClickControl(dlg, Dlg::kOk);
    });
    EXPECT_EQ(Script().LogOf(EModalKind::MessageBox).size(), 1u);
    EXPECT_EQ(StoredCalls(), 0);
}

TEST_F(MailSenderDlgTest, AnUnchangedStoredAddressIsNotCheckedAgain)
{
    CMonitorInterfaceData odd = Account();
    odd.emailSetting.strSender = "Alerts@Plant.NET";
    Store(odd);
    g_pModuleData->OnMonitorDataUpdate();
    sim::ClearCallLog();
    EXPECT_EQ(Run([](Dlg& dlg) {
                  dlg.SetControlText(Dlg::kSmtpEdit, "mail.plant.net");
                  ClickControl(dlg, Dlg::kOk);
              }),
              IDOK);
    EXPECT_TRUE(Script().LogOf(EModalKind::MessageBox).empty());
    EXPECT_EQ(Host().emailSetting.strSender, "Alerts@Plant.NET");
    EXPECT_EQ(Host().emailSetting.strSmtp, "mail.plant.net");
}

TEST_F(MailSenderDlgTest, APortThatIsNotAPortKeepsTheDialogOpenAndStoresNothing)
{
    for (const char* port : {"", "0"}) {
        bool open = false;
        Run([&](Dlg& dlg) {
            dlg.SetControlText(Dlg::kPasswordEdit, "n3w");
            dlg.SetControlText(Dlg::kPortEdit, port);
            ClickControl(dlg, Dlg::kOk);
            open = dlg.IsWindow();
        });
        EXPECT_TRUE(open) << port;
    }
    EXPECT_EQ(StoredCalls(), 0);
    EXPECT_TRUE(Script().LogOf(EModalKind::MessageBox).empty());
}

TEST_F(MailSenderDlgTest, ThePortEditTakesDigitsUpToTheLargestPort)
{
    Run([](Dlg& dlg) {
        const SEditRules& rules = dlg.GetEdit(Dlg::kPortEdit)->GetRules();
        EXPECT_EQ(rules.eMode, EEditMode::Integer);
        EXPECT_EQ(rules.dMin, 1);
        EXPECT_EQ(rules.dMax, 65535);
    });
}

TEST_F(MailSenderDlgTest, TheDefaultAccountIsStoredAtOnceWithoutMarkingAndShown)
{
    bool open = false;
    Run([&](Dlg& dlg) {
        ClickControl(dlg, Dlg::kDefault);
        open = dlg.IsWindow();
        EXPECT_EQ(dlg.GetControlText(Dlg::kAddressEdit), kDefaultMailSender);
        EXPECT_EQ(dlg.GetControlText(Dlg::kPasswordEdit), "Pxvrkd7");
        EXPECT_EQ(dlg.GetControlText(Dlg::kSmtpEdit), kDefaultMailSmtp);
        EXPECT_EQ(dlg.GetControlText(Dlg::kPortEdit), "465");
        EXPECT_EQ(dlg.GetCheck(Dlg::kSslCheck), 1);
    });
    EXPECT_TRUE(open);
    EXPECT_EQ(StoredCalls(), 1);
    EXPECT_EQ(Modifications(), 0);
    const SEmailSetting stored = Host().emailSetting;
    EXPECT_EQ(stored.strSender, kDefaultMailSender);
    EXPECT_EQ(stored.strPassword, "Pxvrkd7");
    EXPECT_EQ(stored.strSmtp, kDefaultMailSmtp);
    EXPECT_EQ(stored.bSSL, 1);
    EXPECT_EQ(stored.nPort, 465);
    const SEmailSetting before = Account().emailSetting;
    EXPECT_EQ(stored.bEnable, before.bEnable);
    EXPECT_EQ(stored.bReturnToWork, before.bReturnToWork);
    EXPECT_EQ(stored.nWarningNum, before.nWarningNum);
    ASSERT_EQ(stored.arrMail.size(), before.arrMail.size());
    EXPECT_FALSE(stored.arrMail[1] != before.arrMail[1]);
}

TEST_F(MailSenderDlgTest, OkAfterTheDefaultAccountKeepsIt)
{
    // The page state's copy still holds the old account (no round since):
    // OK must not put it back.
    EXPECT_EQ(Run([](Dlg& dlg) {
                  ClickControl(dlg, Dlg::kDefault);
                  ClickControl(dlg, Dlg::kOk);
              }),
              IDOK);
    EXPECT_EQ(StoredCalls(), 1);
    EXPECT_EQ(Modifications(), 0);
    EXPECT_EQ(Host().emailSetting.strSender, kDefaultMailSender);
}

TEST_F(MailSenderDlgTest, EnterActsAsOkAndEscapeAsCancel)
{
    EXPECT_EQ(Run([](Dlg& dlg) {
                  dlg.SetControlText(Dlg::kSmtpEdit, "mail.plant.net");
                  PressKey(dlg, VK_ESCAPE);
              },
                  IDOK),
              IDCANCEL);
    EXPECT_EQ(StoredCalls(), 0);

    EXPECT_EQ(Run([](Dlg& dlg) {
                  dlg.SetControlText(Dlg::kSmtpEdit, "mail.plant.net");
                  PressKey(dlg, VK_RETURN);
              }),
              IDOK);
    EXPECT_EQ(StoredCalls(), 1);
    EXPECT_EQ(Modifications(), 1);
    EXPECT_EQ(Host().emailSetting.strSmtp, "mail.plant.net");
}

TEST_F(MailSenderDlgTest, EnterOnAnInvalidAddressShowsOneMessageAndStaysOpen)
{
    Script().AnswerMessageBox(IDOK);
    bool open = false;
    Run([&](Dlg& dlg) {
        dlg.SetControlText(Dlg::kAddressEdit, "not an address");
        PressKey(dlg, VK_RETURN);
        open = dlg.IsWindow();
    });
    EXPECT_TRUE(open);
    EXPECT_EQ(Script().LogOf(EModalKind::MessageBox).size(), 1u);
    EXPECT_EQ(StoredCalls(), 0);
}

TEST_F(MailSenderDlgTest, CancelStoresNothing)
{
    EXPECT_EQ(Run([](Dlg& dlg) {
                  dlg.SetControlText(Dlg::kPasswordEdit, "n3w");
                  ClickControl(dlg, Dlg::kCancel);
              },
                  IDOK),
              IDCANCEL);
    EXPECT_EQ(StoredCalls(), 0);
    EXPECT_EQ(Modifications(), 0);
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
                EXPECT_NEAR(r.Height(), px(22), 1) << label;
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
            const CRect client = dlg.GetClientRect();
            EXPECT_EQ(client.Width(), px(520));
            EXPECT_GE(client.bottom, dlg.GetControl(Dlg::kOk)->rect.bottom + px(15));
        });
    }
}

TEST_F(MailSenderDlgTest, OpensAtThePointGivenInItsParentsClientArea)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(nullptr, {200, 150, 900, 650}, 1, EWindowKind::Dialog, "settings"));
    owner.ShowWindow(SW_SHOW);
    CPoint expected{40, 30};
    owner.ClientToScreen(expected);
    Dlg dlg(40, 30, &owner);
    CPoint at;
    Script().RunOnDialog<Dlg>([&](Dlg& shown) { at = shown.GetWindowRect().TopLeft(); }, IDCANCEL);
    dlg.DoModal();
    EXPECT_EQ(at, expected);
}

TEST_F(MailSenderDlgTest, StaysOnTheScreenWhenOpenedNearItsEdge)
{
    const CRect area = plat::GetScreenWorkArea();
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(nullptr, {0, 0, 300, 200}, 1, EWindowKind::Dialog, "settings"));
    Dlg dlg(area.right + 500, area.bottom + 500, &owner);
    CRect rect;
    Script().RunOnDialog<Dlg>([&](Dlg& shown) { rect = shown.GetWindowRect(); }, IDCANCEL);
    dlg.DoModal();
    EXPECT_LE(rect.right, area.right);
    EXPECT_LE(rect.bottom, area.bottom);
    EXPECT_GE(rect.left, area.left);
}

TEST_F(MailSenderDlgTest, Screenshots)
{
    for (double scale : {1.0, 1.5}) {
        SetScale(scale);
        Run([scale](Dlg& dlg) {
            EXPECT_TRUE(dlg.IsWindowVisible());
            SaveDialogShot(dlg, scale > 1.0 ? "mail_sender_150" : "mail_sender_100");
        });
    }
}

} // namespace
