// The target pane through the real page: the buttons shown by the
// settings, the fallbacks of the current target, choosing a target and
// the warning marks.
#include "controls/button_bar.h"
#include "host/vistrano_data.h"
#include "host/vistrano_language.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "host/vistrano_label.h"
#include "panes/target_select_dlg.h"
#include "panes_test_support.h"
#include "sim/world.h"

#include <chrono>
#include <thread>

namespace {

class TargetSelectTest : public PanesTest {
protected:
    void SetUp() override
    {
        PanesTest::SetUp();
        Open(MakeProject(3));
    }
    // New monitoring settings, as the monitoring thread hands them on.
    void Settings(const std::function<void(CMonitorInterfaceData&)>& change)
    {
        CMonitorInterfaceData data = g_pModuleData->GetInterfaceData();
        change(data);
        g_pMonitorData->SetInterfaceData(data);
        PublishWarnings({}, false);
        Target().Layout();
    }
    const SBarItem& Button(int item) { return *Target().GetBars().front()->GetItem(item); }
    void SetRecord(int scope, int renderType)
    {
        g_pModuleData->SetCurrentObject(scope, 1, renderType, 0, 0);
        Target().Layout();
    }
};

} // namespace

TEST_F(TargetSelectTest, WithoutSenderMonitoringTheSenderButtonGoesAndTheTargetFollows)
{
    SetRecord(2, RENDER_SINGLE_SENDER);
    EXPECT_TRUE(Button(1).bVisible && Button(1).bChecked);
    Settings([](CMonitorInterfaceData& d) { d.senderSetting.bVideoInputError = 0; });
    EXPECT_FALSE(Button(1).bVisible || Button(11).bVisible);
    EXPECT_EQ(RENDER_RECEIVER, g_pModuleData->GetCurrentObject().nRenderType);
    EXPECT_TRUE(Button(2).bChecked);
    EXPECT_EQ(Button(2).rect.top, 5) << "the receiver button moves up";
}

TEST_F(TargetSelectTest, SwitchingTemperatureOffWhileShownFallsBackToReceivers)
{
    SetRecord(2, RENDER_TEMPERATURE);
    EXPECT_TRUE(Button(3).bVisible && Button(3).bChecked && Button(13).bVisible);
    Settings([](CMonitorInterfaceData& d) { d.receiverSetting.bTemperature = 0; });
    EXPECT_FALSE(Button(3).bVisible);
    EXPECT_EQ(RENDER_RECEIVER, g_pModuleData->GetCurrentObject().nRenderType);
    for (int item : {5, 6, 7, 10})
        EXPECT_FALSE(Button(item).bVisible) << item;
}

TEST_F(TargetSelectTest, TooltipsCarryTheThresholds)
{
    sim::ConfigSettings config = sim::GetConfig();
    config.fahrenheit = true;
    sim::SetConfig(config);
    Settings([](CMonitorInterfaceData& d) {
        d.receiverSetting.nTemperature = 60;
        d.receiverSetting.bVoltage2 = 1;
    });
    EXPECT_NE(std::string::npos, Button(3).strTooltip.find("140℉")) << Button(3).strTooltip;
    EXPECT_NE(std::string::npos, Button(9).strTooltip.find("\r\n")) << Button(9).strTooltip;
    EXPECT_EQ(std::string::npos, Button(9).strTooltip.find("%")) << Button(9).strTooltip;
}

TEST_F(TargetSelectTest, ChoosingTheCurrentTargetDoesNothing)
{
    SetRecord(2, RENDER_RECEIVER);
    host.notifications.clear();
    ClickBarItem(Target(), 2);
    EXPECT_TRUE(host.notifications.empty());
    ClickBarItem(Target(), 1);
    ASSERT_EQ(1u, host.notifications.size());
    EXPECT_EQ(0x19E000, host.notifications[0].mask);
    EXPECT_EQ(RENDER_SINGLE_SENDER, g_pModuleData->GetCurrentObject().nRenderType);
}

TEST_F(TargetSelectTest, ReceiversOverAllSendersGoToTheFirstSenderWithAReceiverWarning)
{
    CMonitorWarningData warnings;
    SPortWarningData port;
    port.arrRcvWarning = {WARNING_FAN};
    warnings.SetPortWarning(2, -1, 1, port);
    PublishWarnings(warnings);
    g_pModuleData->SetCurrentObject(0, 0, RENDER_SENDER_BLOCKS, 0, 0);
    ClickBarItem(Target(), 2);
    EXPECT_EQ(2, g_pProjectData->GetCurSenderIndex());
    const SCurrentObject record = g_pModuleData->GetCurrentObject();
    EXPECT_EQ(1, record.bValid);
    EXPECT_EQ(RENDER_RECEIVER, record.nRenderType);
    EXPECT_EQ(2, record.nSender);
    EXPECT_EQ(TREE_NODE_SENDER, g_pRuntimeData->GetCurInterfaceNodeSelect().nNodeType);
}

TEST_F(TargetSelectTest, MarksShowOnlyWhileMonitoring)
{
    CMonitorWarningData warnings;
    SPortWarningData port;
    port.arrRcvWarning = {WARNING_TEMPERATURE};
    warnings.SetPortWarning(0, -1, 0, port);
    PublishWarnings(warnings, false);
    SetRecord(2, RENDER_TEMPERATURE);
    EXPECT_FALSE(Button(12).bWarning || Button(13).bWarning);
    PublishWarnings(warnings, true);
    Target().Layout();
    EXPECT_TRUE(Button(12).bWarning && Button(13).bWarning);
    EXPECT_FALSE(Button(14).bWarning);
    // Within half a second the blink keeps the marks; then they go out.
    Target().SendMessage(WM_TIMER, CTargetSelectDlg::kBlinkTimer, 0);
    EXPECT_TRUE(Button(13).bWarning);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (Button(13).bWarning && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        Target().SendMessage(WM_TIMER, CTargetSelectDlg::kBlinkTimer, 0);
    }
    EXPECT_FALSE(Button(12).bWarning || Button(13).bWarning);
}
