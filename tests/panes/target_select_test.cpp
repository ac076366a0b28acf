// The target pane through the real page: buttons by the settings, fallbacks, choosing, marks.
#include "host/vistrano_label.h"
#include "panes_test_support.h"

namespace {

class TargetSelectTest : public PanesTest {
protected:
    void SetUp() override { PanesTest::SetUp(), Open(MakeProject(3)); }
    // New monitoring settings, as the monitoring thread hands them on.
    static void Settings(const std::function<void(CMonitorInterfaceData&)>& change)
    {
        CMonitorInterfaceData data = g_pModuleData->GetInterfaceData();
        change(data);
        g_pMonitorData->SetInterfaceData(data);
        PublishWarnings({}, false);
        Target().Layout();
    }
    static const SBarItem& Button(int item) { return *Target().GetBars().front()->GetItem(item); }
    static void SetRecord(int scope, int renderType)
    {
        g_pModuleData->SetCurrentObject(scope, 1, renderType, 0, 0), Target().Layout();
    }
    // One receiver warning on a port of a sender, as a monitoring round gives it.
    static void PublishPortWarning(int sender, int port, uint32_t warning, bool monitoring)
    {
        CMonitorWarningData warnings;
        warnings.SetPortWarning(sender, -1, port, {.arrRcvWarning = {warning}});
        PublishWarnings(warnings, monitoring);
    }
};

} // namespace

TEST_F(TargetSelectTest, ACheckSwitchedOffTakesItsButtonAndTheTargetFallsBackToReceiversWithThresholdsInTheTips)
{
    sim::ConfigSettings config = sim::GetConfig();
    config.fahrenheit = true;
    sim::SetConfig(config);
    Settings([](CMonitorInterfaceData& d) {
        d.receiverSetting.nTemperature = 60;
        d.receiverSetting.bVoltage2 = 1;
    });
    EXPECT_NE(std::string::npos, Button(3).strTooltip.find("140℉")) << Button(3).strTooltip;
    const std::string& tip = Button(9).strTooltip;
    EXPECT_TRUE(tip.find("\r\n") != std::string::npos && tip.find('%') == std::string::npos) << tip;

    const std::tuple<int, int, void (*)(CMonitorInterfaceData&)> cases[] = {
        {RENDER_TEMPERATURE, 3, [](CMonitorInterfaceData& d) { d.receiverSetting.bTemperature = 0; }},
        {RENDER_SINGLE_SENDER, 1, [](CMonitorInterfaceData& d) { d.senderSetting.bVideoInputError = 0; }},
    };
    for (const auto& [renderType, button, off] : cases) {
        SetRecord(2, renderType);
        EXPECT_TRUE(Button(button).bVisible && Button(button).bChecked && Button(button + 10).bVisible);
        Settings(off);
        EXPECT_FALSE(Button(button).bVisible || Button(button + 10).bVisible) << button;
        EXPECT_EQ(RENDER_RECEIVER, g_pModuleData->GetCurrentObject().nRenderType) << button;
        EXPECT_TRUE(Button(2).bChecked) << button;
    }
    EXPECT_EQ(Button(2).rect.top, 5) << "the receiver button moves up";
    for (int item : {5, 6, 7, 10})
        EXPECT_FALSE(Button(item).bVisible) << item;
}

TEST_F(TargetSelectTest, ChoosingATargetAndTheMarksWhileMonitoring)
{
    // Receivers over all senders go to the first sender with a receiver warning.
    PublishPortWarning(2, 1, WARNING_FAN, true);
    g_pModuleData->SetCurrentObject(0, 0, RENDER_SENDER_BLOCKS, 0, 0);
    ClickBarItem(Target(), 2);
    const SCurrentObject record = g_pModuleData->GetCurrentObject();
    EXPECT_EQ(std::tuple(2, 1, RENDER_RECEIVER, 2),
              std::tuple(g_pProjectData->GetCurSenderIndex(), record.bValid, record.nRenderType, record.nSender));
    EXPECT_EQ(TREE_NODE_SENDER, g_pRuntimeData->GetCurInterfaceNodeSelect().nNodeType);

    SetRecord(2, RENDER_RECEIVER);
    host.notifications.clear();
    ClickBarItem(Target(), 2); // the current target: nothing
    EXPECT_TRUE(host.notifications.empty());
    ClickBarItem(Target(), 1);
    EXPECT_EQ(std::pair(1, std::size_t{1}), std::pair(Notified(0x19E000), host.notifications.size()));
    EXPECT_EQ(RENDER_SINGLE_SENDER, g_pModuleData->GetCurrentObject().nRenderType);

    // Marks show only while monitoring (the tour walks their blink).
    PublishPortWarning(0, 0, WARNING_TEMPERATURE, false);
    SetRecord(2, RENDER_TEMPERATURE);
    EXPECT_FALSE(Button(12).bWarning || Button(13).bWarning);
    PublishPortWarning(0, 0, WARNING_TEMPERATURE, true);
    Target().Layout();
    EXPECT_EQ(std::tuple(true, true, false), std::tuple(Button(12).bWarning, Button(13).bWarning, Button(14).bWarning));
}
