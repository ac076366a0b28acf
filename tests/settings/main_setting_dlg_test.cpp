// The settings frame and page on the reference host: what is stored and
// marked, the view target, a fibre sender, recipients, the sending account,
// the test mail and scrolling.
#include "dialog_test_support.h"
#include "host_world.h"

#include "controls/button_bar.h"
#include "controls/density.h"
#include "controls/edit.h"
#include "controls/notify.h"
#include "controls/scroll_bar.h"
#include "controls/skin.h"
#include "controls/time_edit.h"
#include "host/host_enums.h"
#include "host/hwbridge.h"
#include "host/vistrano_data.h"
#include "host/vistrano_language.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "platform/native_qt.h"
#include "settings/mail_receiver_dlg.h"
#include "settings/mail_sender_dlg.h"
#include "settings/main_setting_frame_dlg.h"
#include "settings/setting_edits.h"
#include "settings/settings_store.h"
#include "sim/call_log.h"
#include "sim/hardware.h"
#include "sim/monitor_control.h"
#include "sim/monitor_feed.h"
#include "sim/project_gen.h"
#include "sim/world.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

using namespace setting_page;

namespace {

using Frame = CMainSettingFrameDlg;

class MainSettingDlgTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        sim::ShutdownMonitoring();
        sim::ResetHardware();
        sim::SetConfigFolder(Documents() + "/");
        std::string error;
        ASSERT_TRUE(sim::SetProject(sim::MakeSampleProject(), error)) << error;
        g_pConfigData = GetConfigData();
        g_pMonitorThreadMgr = GetMonitorThreadMgr();
        g_pSenderLogic = GetHwSenderLogic();
        g_pHostLabel = &m_host;
        g_pModuleData->SetCurrentObject(2, 1, RENDER_RECEIVER, 0, 0);
        Restart();
    }
    void TearDown() override
    {
        sim::ResetHardware();
        sim::SetConfigFolder({});
        g_pHostLabel = nullptr;
        DialogTest::TearDown();
    }

    void Restart()
    {
        sim::ClearCallLog();
        m_modifications = sim::GetModificationCount();
        m_host.notifications.clear();
    }

    // Runs the settings command; the action closes the frame with its close button.
    static int Edit(int item, const std::function<void(Frame&, CMainSettingDlg&)>& action)
    {
        Script().RunOnDialog<Frame>(
            [&](Frame& frame) {
                action(frame, frame.GetPage());
                ClickControl(frame, Frame::kClose);
            },
            IDCANCEL);
        return EditMonitorSettings(nullptr, item);
    }

    int Stores() const { return HostCalls("CMonitorData::SetInterfaceData"); }
    int Modifications() const { return sim::GetModificationCount() - m_modifications; }

    int Refreshes() const { return int(std::ranges::count(m_host.notifications, -1, &CTestHost::SNotify::mask)); }

    CTestHost m_host{false};

private:
    int m_modifications = 0;
};

const CMorvButtonBar& Navigation(Frame& frame) { return *frame.GetBars().front(); }

std::pair<int, int> VisibleAndCurrentItems(Frame& frame)
{
    std::pair<int, int> items;
    for (int i = 0; i < 4; ++i)
        items = {items.first + Navigation(frame).GetItem(i)->bVisible,
                 Navigation(frame).GetItem(i)->bChecked ? i + 1 : items.second};
    return items;
}
int CurrentItem(Frame& frame) { return VisibleAndCurrentItems(frame).second; }

int ScrollPos(Frame& frame)
{
    return dynamic_cast<CMorvScrollBar&>(*frame.GetDlgItem(Frame::kScrollBar)).GetScrollPos();
}

bool RowSelected(CMorvBaseDlg& page, int row)
{
    return page.GetTable(kRecipientTable)->rows[static_cast<std::size_t>(row - 1)].clrFill
        == CMorvSkin::Instance().GetColors().clrSelection;
}

void ClickTableRow(CMorvBaseDlg& dlg, int row)
{
    ClickAt(dlg, morv::TableRowRect(*dlg.GetControl(kRecipientTable), row).CenterPoint());
}

// Types a recipient into the dialog the button opens; answers the refusal's message ("" if none).
std::string AskRecipient(CMainSettingDlg& page, int button, const std::string& name, const std::string& address,
                         bool refused = false)
{
    CModalScript& script = CModalScript::Instance();
    script.RunOnDialog<CMailReceiverDlg>(
        [=](CMailReceiverDlg& dlg) {
            dlg.SetControlText(CMailReceiverDlg::kNameEdit, name);
            dlg.SetControlText(CMailReceiverDlg::kAddressEdit, address);
            ClickControl(dlg, CMailReceiverDlg::kOk);
        },
        IDOK);
    if (refused)
        script.AnswerMessageBox(IDOK);
    const std::size_t boxes = script.LogOf(EModalKind::MessageBox).size();
    ClickControl(page, button);
    return script.LogOf(EModalKind::MessageBox).size() > boxes ? script.Last(EModalKind::MessageBox)->strText : "";
}

// No change stores nothing; every check box alone, and the refresh, at the close.
TEST_F(MainSettingDlgTest, AnyOneChangeIsStoredOnceAndMarksTheProjectOnce)
{
    std::vector<std::pair<int, std::function<void(CMainSettingDlg&)>>> changes
        = {{kRefreshEdit, [](CMainSettingDlg& page) { page.GetTimeEdit(kRefreshEdit)->SetTotalSeconds(600); }}};
    for (const SSettingBox& box : SettingBoxes())
        changes.push_back({box.nBox, [&box](CMainSettingDlg& page) { ClickControl(page, box.nBox); }});
    Edit(0, [](Frame& frame, CMainSettingDlg& page) {
        EXPECT_EQ(VisibleAndCurrentItems(frame).first, 4);
        EXPECT_EQ(page.GetControlText(kTemperatureEdit), "60");
        EXPECT_EQ(page.GetTable(kRecipientTable)->rows.size(), 6u);
        // Edits of a box that was off when the page appeared stay hidden.
        EXPECT_TRUE(page.GetEdit(kTemperatureEdit)->IsWindowVisible());
        EXPECT_FALSE(page.GetEdit(kHumidityEdit)->IsWindowVisible());
        EXPECT_FALSE(page.GetEdit(VoltageControl(1, kVoltageMinEdit))->IsWindowVisible());
    });
    EXPECT_EQ(std::tuple(Stores(), Modifications(), m_host.notifications.size(), Refreshes()), std::tuple(0, 0, 1u, 1));
    CMonitorInterfaceData start;
    start.receiverSetting.bHumidity = start.receiverSetting.bVoltage2 = 1; // every edit shown
    for (const auto& [index, change] : changes) {
        StoreSettings(start);
        Restart();
        Edit(0, [&change](Frame&, CMainSettingDlg& page) { change(page); });
        EXPECT_EQ(std::tuple(Stores(), Modifications()), std::tuple(1, 1)) << index;
        EXPECT_TRUE(HostSettings() != start) << index << ": refused by the host";
    }
}

// Nothing else changes; what changed is stored and marked once; a value inside the bounds always is.
TEST_F(MainSettingDlgTest, BadInputInEveryEditEndsInsideItsBoundsOrLeavesTheSetting)
{
    const std::vector<std::string> texts
        = {"abc", "12ab", std::string(10000, '7'), "-0", "1e9", "", "-5", "99999", "5", "0x10", " 50", "1.25"};
    CMonitorInterfaceData start;
    start.receiverSetting.bHumidity = start.receiverSetting.bVoltage2 = 1; // every edit shown
    for (const SSettingEdit& edit : SettingEdits()) {
        const SEditRules rules = SettingEditRules(edit.eValue, false);
        std::vector<std::string> typed = texts;
        typed.push_back(morv::FormatEditNumber(rules.dMin + 1, rules));
        for (const std::string& text : typed) {
            StoreSettings(start);
            Restart();
            Edit(0, [&](Frame&, CMainSettingDlg& page) { page.SetControlText(edit.nIndex, text); });
            const std::string what = std::to_string(edit.nIndex) + " \"" + text.substr(0, 8) + "\"";
            CMonitorInterfaceData host = HostSettings();
            const double value = edit.get(host);
            EXPECT_TRUE(value == edit.get(start) || (value >= rules.dMin && value <= rules.dMax))
                << what << ": " << value;
            EXPECT_TRUE(&text != &typed.back() || value != edit.get(start)) << what << ": refused by the host";
            EXPECT_EQ(std::tuple(Stores(), Modifications()), std::tuple(int(value != edit.get(start)), Stores()))
                << what;
            edit.set(host, edit.get(start));
            EXPECT_FALSE(host != start) << what << ": another setting changed";
        }
    }
    for (const int seconds : {-5, 0, 5, 90000, INT_MAX}) {
        StoreSettings(start);
        Edit(0, [seconds](Frame&, CMainSettingDlg& page) { page.GetTimeEdit(kRefreshEdit)->SetTotalSeconds(seconds); });
        EXPECT_EQ(HostSettings().nRefreshInterval, std::clamp(seconds, kMinRefreshSeconds, kMaxRefreshSeconds))
            << seconds;
    }
    // With Fahrenheit the threshold is shown and typed in Fahrenheit.
    sim::ConfigSettings config = sim::GetConfig();
    config.fahrenheit = true;
    sim::SetConfig(config);
    Edit(0, [](Frame&, CMainSettingDlg& page) {
        EXPECT_EQ(page.GetControlText(kTemperatureEdit) + page.GetControlText(kTemperatureUnit), "140°F");
        page.SetControlText(kTemperatureEdit, "100");
    });
    EXPECT_EQ(HostSettings().receiverSetting.nTemperature, 38);
}

TEST_F(MainSettingDlgTest, SwitchingOffTheShownQuantityTurnsTheViewToTheReceivers)
{
    CMonitorInterfaceData data;
    data.receiverSetting.bPowerSupply1 = data.receiverSetting.bPowerSupply2 = 1;
    StoreSettings(data);
    g_pModuleData->SetCurrentObject(3, 1, RENDER_POWER, 4, 1);
    Edit(0, [](Frame&, CMainSettingDlg& page) {
        ClickControl(page, kPower1Box);
        EXPECT_EQ(g_pModuleData->GetCurrentObject().nRenderType, RENDER_POWER);
        ClickControl(page, kPower2Box);
        EXPECT_EQ(g_pModuleData->GetCurrentObject(), (SCurrentObject{3, 1, RENDER_RECEIVER, 4, 1}));
        g_pModuleData->SetCurrentObject(2, 1, RENDER_TEMPERATURE, 0, 0);
        EXPECT_TRUE(page.GetControl(kTemperatureEdit)->bVisible);
        ClickControl(page, kTemperatureLabel); // the label switches its box too
        EXPECT_EQ(std::tuple(page.GetCheck(kTemperatureBox), g_pModuleData->GetCurrentObject().nRenderType),
                  std::tuple(0, int(RENDER_RECEIVER)));
        EXPECT_EQ(page.GetControlText(kTemperatureLabel), GetLanguageString("Receive_Temperature_Close", "Monitoring"));
        EXPECT_FALSE(page.GetControl(kTemperatureEdit)->bVisible || page.GetControl(kTemperatureAlarm)->bVisible);
    });
    // Each toggle refreshed the page; the change was stored and marked once, at the close.
    EXPECT_EQ(std::tuple(Refreshes(), Modifications(), HostSettings().receiverSetting.bTemperature),
              std::tuple(4, 1, 0));
}

TEST_F(MainSettingDlgTest, AFibreSenderHasThreeItemsNoReceiverSectionAndItsVideoCheckForcedOn)
{
    sim::ProjectModel project = sim::MakeSampleProject();
    const auto fibre = std::find_if(project.senders.begin(), project.senders.end(),
                                    [](const sim::SenderModel& s) { return s.fiber; });
    ASSERT_NE(fibre, project.senders.end());
    std::iter_swap(project.senders.begin(), fibre);
    project.monitor.senderSetting.bVideoInputError = 0;
    std::string error;
    ASSERT_TRUE(sim::SetProject(project, error)) << error;
    sim::ResetHardware();
    Restart();
    Edit(Frame::kReceiverItem, [](Frame& frame, CMainSettingDlg& page) {
        EXPECT_EQ(VisibleAndCurrentItems(frame).first, 3);
        EXPECT_FALSE(Navigation(frame).GetItem(Frame::kReceiverItem - 1)->bVisible);
        // The e-mail item moved up into the receiver item's place.
        EXPECT_EQ(Navigation(frame).GetItem(Frame::kMailItem - 1)->rect.top, morv::Scale(44 + 2 * 55, g_dDpiScale));
        for (int index : {int(kVideoInputBox), int(kVideoInputLabel), int(kReceiverTitle), int(kTemperatureEdit)})
            EXPECT_EQ(page.GetControl(index), nullptr) << index;
        EXPECT_EQ(HostSettings().senderSetting.bVideoInputError, 1);
    });
    EXPECT_EQ(Stores(), 1); // the forced check, nothing at the close
}

TEST_F(MainSettingDlgTest, RecipientsAreAddedModifiedAndDeletedAtOnceWithTheirChecks)
{
    CMonitorInterfaceData data;
    data.emailSetting.arrMail = {{"Ops", "ops@plant.net"}};
    StoreSettings(data);
    Restart();
    const auto text = [](const char* key) { return GetLanguageString(key, "Monitoring"); };
    Edit(0, [&](Frame&, CMainSettingDlg& page) {
        page.SetControlText(kTemperatureEdit, "70"); // not stored with the recipients
        EXPECT_EQ(AskRecipient(page, kAdd, "Night", "night@plant.net"), "");
        EXPECT_EQ(std::tuple(HostSettings().emailSetting.arrMail.size(), HostSettings().receiverSetting.nTemperature,
                             Modifications()),
                  std::tuple(2u, 60, 1));
        EXPECT_EQ(AskRecipient(page, kAdd, "Again", "ops@plant.net", true), text("Email_Add_Address_Same"));
        EXPECT_EQ(HostSettings().emailSetting.arrMail.size(), 2u);
        ClickControl(page, kModify); // nothing selected: nothing opens
        ClickTableRow(page, 2);
        EXPECT_TRUE(RowSelected(page, 2));
        // Its own address is no clash.
        EXPECT_EQ(AskRecipient(page, kModify, "Night shift", "night@plant.net"), "");
        EXPECT_EQ(HostSettings().emailSetting.arrMail[1].strName, "Night shift");
        EXPECT_EQ(AskRecipient(page, kModify, "Night shift", "ops@plant.net", true), text("Email_Modify_Address_Same"));
        EXPECT_EQ(HostSettings().emailSetting.arrMail[1].strAddress, "night@plant.net");
        ClickTableRow(page, 1);
        ClickControl(page, kDelete);
        EXPECT_FALSE(RowSelected(page, 1));
        ASSERT_EQ(HostSettings().emailSetting.arrMail.size(), 1u);
        EXPECT_EQ(HostSettings().emailSetting.arrMail[0].strName, "Night shift");
        EXPECT_EQ(page.GetTable(kRecipientTable)->rows[0].cells[0], "Night shift");
    });
    // Add, modify and delete, then the threshold at the close.
    EXPECT_EQ(std::tuple(HostSettings().receiverSetting.nTemperature, Stores(), Modifications()), std::tuple(70, 4, 4));

    // A sixteenth recipient is refused with a message.
    for (int i = 1; i < kMaxMailRecipients; ++i)
        data.emailSetting.arrMail.push_back({"", "r" + std::to_string(i) + "@plant.net"});
    StoreSettings(data);
    Restart();
    Edit(0, [&](Frame&, CMainSettingDlg& page) {
        EXPECT_EQ(page.GetTable(kRecipientTable)->rows.size(), 16u);
        Script().AnswerMessageBox(IDOK);
        ClickControl(page, kAdd);
        EXPECT_EQ(Script().Last(EModalKind::MessageBox)->strText,
                  plat::Format(text("Email_Add_Address_Max"), kMaxMailRecipients));
    });
    EXPECT_EQ(std::tuple(HostSettings().emailSetting.arrMail.size(), Stores()), std::tuple(15u, 0));
}

// The account survives the store at the close.
TEST_F(MainSettingDlgTest, TheSendingAccountAndTheTestMail)
{
    Edit(0, [](Frame&, CMainSettingDlg& page) {
        Script().RunOnDialog<CMailSenderDlg>(
            [](CMailSenderDlg& dlg) {
                dlg.SetControlText(CMailSenderDlg::kAddressEdit, "alerts@plant.net");
                ClickControl(dlg, CMailSenderDlg::kOk);
            },
            IDOK);
        ClickControl(page, kSendingAccount);
        ClickControl(page, kLockBox);
    });
    EXPECT_EQ(std::tuple(HostSettings().emailSetting.strSender, HostSettings().senderSetting.bLock),
              std::tuple(std::string("alerts@plant.net"), 0));

    for (const auto& [recipients, text, mails] : {std::tuple{0, "EMail_Test_Failed", 0}, {1, "EMail_Test_Sent", 1}}) {
        CMonitorInterfaceData data;
        data.emailSetting.arrMail.assign(static_cast<std::size_t>(recipients), {"Ops", "ops@plant.net"});
        StoreSettings(data);
        Edit(0, [&](Frame&, CMainSettingDlg& page) {
            Script().AnswerMessageBox(IDOK);
            ClickControl(page, kTest);
            EXPECT_EQ(Script().Last(EModalKind::MessageBox)->strText, GetLanguageString(text, "Monitoring"));
        });
        EXPECT_EQ(QDir(QString::fromStdString(sim::GetOutboxFolder())).entryList(QDir::Files).size(), mails);
    }
}

// Not while an edit has the focus; never past the page's end; not at all on a short page.
TEST_F(MainSettingDlgTest, NavigationAndTheWheelScrollThePageAndFollowTheSection)
{
    Edit(SettingsItemForTarget(RENDER_FAN), [](Frame& frame, CMainSettingDlg& page) {
        EXPECT_EQ(CurrentItem(frame), Frame::kReceiverItem);
        EXPECT_EQ(page.GetControl(kReceiverTitle)->rect.top, morv::Scale(20, g_dDpiScale));
        const int before = ScrollPos(frame);
        EXPECT_GT(before, 0);
        const CPoint pt = page.GetControl(kGeneralTitle)->rect.CenterPoint();
        const auto wheel = [&](short delta) {
            page.DeliverMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
            page.DeliverMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0);
            return ScrollPos(frame);
        };
        wheel(120);
        EXPECT_LT(wheel(120), before);
        EXPECT_EQ(CurrentItem(frame), Frame::kSenderItem);
        const int typing = ScrollPos(frame);
        QApplication::setActiveWindow(plat::NativeWidget(&frame)->window());
        page.SetFocusTo(kHumidityItem);
        ASSERT_TRUE(page.IsFocusOnEdit());
        EXPECT_EQ(wheel(-120), typing);
        ClickAt(page, {2, 2});
        EXPECT_GT(wheel(-120), typing);
        frame.Navigate(Frame::kGeneralItem);
        EXPECT_EQ(std::tuple(ScrollPos(frame), page.GetOffset()), std::tuple(0, 0));
        frame.Navigate(Frame::kMailItem);
        EXPECT_EQ(std::tuple(CurrentItem(frame), page.GetOffset(), ScrollPos(frame)),
                  std::tuple(int(Frame::kMailItem), -(page.GetPageHeight() - page.GetClientRect().Height()), 100));

        page.SetWindowPos(0, 0, page.GetClientRect().Width(), page.GetPageHeight() + 40, SWP_NOMOVE | SWP_NOZORDER);
        frame.SendMessage(CMainSettingDlg::kMsgHeightChanged);
        EXPECT_FALSE(frame.GetDlgItem(Frame::kScrollBar)->IsWindowEnabled());
        frame.SendMessage(CMainSettingDlg::kMsgWheel, MAKEWPARAM(0, static_cast<WORD>(-120)));
        frame.Navigate(Frame::kGeneralItem);
        frame.Navigate(Frame::kMailItem);
        EXPECT_EQ(std::tuple(CurrentItem(frame), page.GetOffset(), ScrollPos(frame)),
                  std::tuple(int(Frame::kMailItem), 0, 0));
    });
    for (const auto& [target, item] : {std::pair{RENDER_SINGLE_SENDER, int(Frame::kSenderItem)},
                                       {RENDER_RECEIVER, Frame::kReceiverItem},
                                       {RENDER_VOLTAGE, Frame::kReceiverItem},
                                       {RENDER_SENDER_BLOCKS, 0},
                                       {RENDER_BLOCK_GRID, 0}})
        EXPECT_EQ(SettingsItemForTarget(target), item) << target;
}

} // namespace
