// The target pane through the real page: the buttons shown by the
// settings, the fallbacks of the current target, choosing a target and
// the warning marks.
#include "controls/button_bar.h"
#include "host/vistrano_data.h"
#include "host/vistrano_label.h"
#include "host/vistrano_language.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "panes/target_select_dlg.h"
#include "panes_test_support.h"
#include "sim/world.h"

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
    // One receiver warning on a port of a sender, as a monitoring round gives it.
    void PublishPortWarning(int sender, int port, uint32_t warning, bool monitoring)
    {
        CMonitorWarningData warnings;
        SPortWarningData data;
        data.arrRcvWarning = {warning};
        warnings.SetPortWarning(sender, -1, port, data);
        PublishWarnings(warnings, monitoring);
    }
    void SetRecord(int scope, int renderType)
    {
        g_pModuleData->SetCurrentObject(scope, 1, renderType, 0, 0);
        Target().Layout();
    }
};

} // namespace

TEST_F(TargetSelectTest, ACheckSwitchedOffTakesItsButtonAndTheTargetFallsBackToReceivers)
{
    const struct {
        int renderType, button;
        void (*off)(CMonitorInterfaceData&);
    } cases[] = {
        {RENDER_TEMPERATURE, 3, [](CMonitorInterfaceData& d) { d.receiverSetting.bTemperature = 0; }},
        {RENDER_SINGLE_SENDER, 1, [](CMonitorInterfaceData& d) { d.senderSetting.bVideoInputError = 0; }},
    };
    for (const auto& c : cases) {
        SetRecord(2, c.renderType);
        EXPECT_TRUE(Button(c.button).bVisible && Button(c.button).bChecked && Button(c.button + 10).bVisible);
        Settings(c.off);
        EXPECT_FALSE(Button(c.button).bVisible || Button(c.button + 10).bVisible) << c.button;
        EXPECT_EQ(RENDER_RECEIVER, g_pModuleData->GetCurrentObject().nRenderType) << c.button;
        EXPECT_TRUE(Button(2).bChecked) << c.button;
    }
    EXPECT_EQ(Button(2).rect.top, 5) << "the receiver button moves up";
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
    PublishPortWarning(2, 1, WARNING_FAN, true);
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
    PublishPortWarning(0, 0, WARNING_TEMPERATURE, false);
    SetRecord(2, RENDER_TEMPERATURE);
    EXPECT_FALSE(Button(12).bWarning || Button(13).bWarning);
    PublishPortWarning(0, 0, WARNING_TEMPERATURE, true);
    Target().Layout();
    EXPECT_TRUE(Button(12).bWarning && Button(13).bWarning);
    EXPECT_FALSE(Button(14).bWarning);
    // Within half a second the blink keeps the marks; then they go out.
    Target().SendMessage(WM_TIMER, CTargetSelectDlg::kBlinkTimer, 0);
    EXPECT_TRUE(Button(13).bWarning);
    EXPECT_TRUE(Eventually([&] { return !Button(12).bWarning && !Button(13).bWarning; }));
}
