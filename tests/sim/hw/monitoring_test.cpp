// Monitoring rounds as the page and the log see them: records published
// into the host's monitor data, targets called, settings followed, the
// day's log file written with the changes.
#include "hw_fixture.h"

#include "host/hwbridge.h"
#include "host/monitor_records.h"
#include "host/monitor_update.h"
#include "host/vistrano_data.h"
#include "sim/monitor_feed.h"
#include "sim/world.h"

#include <atomic>
#include <ctime>
#include <filesystem>
#include <iterator>
#include <thread>
#include <tuple>

namespace hwtest {
namespace {

class CountingTarget final : public IMonitorDataUpdate {
public:
    void OnMonitorDataUpdate() override { thread = std::this_thread::get_id(), ++calls; }
    std::atomic<int> calls{0};
    std::thread::id thread;
};

class Monitoring : public HwTest {
protected:
    void SetUp() override
    {
        HwTest::SetUp();
        sim::SetMonitorStepMode(true);
        GetMonitorThreadMgr()->AddMonitorUpdateTarget(&target);
    }
    void TearDown() override
    {
        GetMonitorThreadMgr()->RemoveMonitorUpdateTarget(&target);
        HwTest::TearDown();
    }

    template <class T>
    static T Record(void (CMonitorData::*get)(T&) const)
    {
        T record;
        (GetMonitorData()->*get)(record);
        return record;
    }
    uint32_t Warning(int sender, int port, int receiver)
    {
        return Record(&CMonitorData::GetWarningData).GetSenderPortRcvWarning(sender, port, receiver);
    }

    IMonitorLogic& monitor = *GetHwMonitorLogic();
    CountingTarget target;
};

// Start and stop set the thread manager's state; each round moves the clock
// and refreshes the offline answers; pause holds the rounds until the last
// resume; a pause for detection detects at once, or on the monitoring thread.
TEST_F(Monitoring, StartPauseResumeAndStop)
{
    const auto state
        = [] { return std::tuple(GetMonitorThreadMgr()->IsMonitoring(), GetMonitorThreadMgr()->IsPausing()); };
    EXPECT_EQ(state(), std::tuple(0, 0));
    GetHwSenderLogic()->IsSenderDetected(1);
    sim::InjectSenderFault(1, sim::SenderFault::Offline);
    EXPECT_EQ(monitor.PauseForDetection(), 1);
    EXPECT_EQ(std::tuple(state(), GetHwSenderLogic()->IsSenderDetected(1)), std::tuple(std::tuple(0, 0), 0))
        << "not monitoring: detected at once";
    EXPECT_EQ(monitor.StartMonitor(nullptr), 1);
    EXPECT_EQ(state(), std::tuple(1, 0));
    EXPECT_EQ(monitor.StartMonitor(nullptr), 1) << "already running";
    const uint64_t clock = sim::GetSimulationClock();
    sim::InjectSenderFault(2, sim::SenderFault::Offline);
    ASSERT_TRUE(sim::RunMonitorRounds(3));
    EXPECT_EQ(sim::GetSimulationClock(), clock + 3);
    EXPECT_EQ(GetHwSenderLogic()->IsSenderDetected(2), 0);
    EXPECT_EQ(std::tuple(monitor.PauseMonitor(), monitor.PauseMonitor()), std::tuple(1, 1));
    EXPECT_EQ(state(), std::tuple(1, 1));
    EXPECT_FALSE(sim::RunMonitorRounds(1));
    EXPECT_EQ(monitor.ResumeMonitor(), 1);
    EXPECT_EQ(state(), std::tuple(1, 1)) << "one pause is still held";
    EXPECT_FALSE(sim::RunMonitorRounds(1));
    EXPECT_EQ(monitor.ResumeMonitor(), 1);
    EXPECT_EQ(state(), std::tuple(1, 0));
    EXPECT_TRUE(sim::RunMonitorRounds(1));
    sim::InjectSenderFault(0, sim::SenderFault::Offline);
    EXPECT_EQ(monitor.PauseForDetection(), 1);
    EXPECT_TRUE(Eventually([&] { return state() == std::tuple(1, 0); })) << "detected on the monitoring thread";
    EXPECT_EQ(monitor.StopMonitor(), 1);
    EXPECT_EQ(std::tuple(state(), GetHwSenderLogic()->IsSenderDetected(0)), std::tuple(std::tuple(0, 0), 0));
    EXPECT_EQ(std::tuple(monitor.StopMonitor(), monitor.PauseMonitor(), monitor.ResumeMonitor()), std::tuple(0, 0, 0))
        << "nothing to stop, pause or resume";
}

// Records published on the monitoring thread; senders looked up by index + 1
// or, when the addresses are specified, by address; changed settings and
// cleared faults show in the next round.
TEST_F(Monitoring, ARoundPublishesOnTheMonitoringThreadAndFollowsSettingsAndFaults)
{
    sim::InjectReceiverFault(0, 1, 2, sim::ReceiverFault::OverTemperature);
    monitor.StartMonitor(nullptr);
    EXPECT_EQ(target.calls, 0) << "step mode: no round until asked";
    ASSERT_TRUE(sim::RunMonitorRounds(1));
    EXPECT_EQ(target.calls, 1);
    EXPECT_NE(target.thread, std::this_thread::get_id());
    EXPECT_EQ(std::tuple(Warning(0, 1, 2), Warning(0, 1, 1)), std::tuple(WARNING_TEMPERATURE, 0u));
    CMonitorDetectData detect = Record(&CMonitorData::GetDetectData);
    EXPECT_EQ(detect.GetSenderDataCount(), 3);
    ASSERT_NE(detect.GetSenderData(sim::SenderIdByIndexForNotSpecifyIP(2)), nullptr);
    EXPECT_EQ(detect.GetSenderData(sim::SenderIdByIndexForNotSpecifyIP(2))->byType, 4);
    EXPECT_NE(Record(&CMonitorData::GetRcvShowData).GetRcvShowStr(RENDER_TEMPERATURE, 0, 1, 2), "");
    EXPECT_NE(Record(&CMonitorData::GetTipData).GetRcvWarningStr(RENDER_TEMPERATURE, 0, 1, 2).find("Temperature 85."),
              std::string::npos);

    sim::ConfigSettings config = sim::GetConfig();
    config.detectStrategy = DETECT_STRATEGY_SPECIFIED_IP;
    sim::SetConfig(config);
    CMonitorInterfaceData settings = sim::GetMonitorSettings();
    settings.receiverSetting.bTemperature = 0;
    SetSettings(settings);
    ASSERT_TRUE(sim::RunMonitorRounds(1));
    EXPECT_EQ(sim::SenderIdByIndex(1), 0x0A000002u);
    EXPECT_NE(Record(&CMonitorData::GetDetectData).GetSenderData(sim::SenderIdByIndex(1)), nullptr);
    EXPECT_EQ(Warning(0, 1, 2), 0u);

    settings.receiverSetting.bTemperature = 1;
    SetSettings(settings);
    sim::ClearReceiverFault(0, 1, 2, sim::ReceiverFault::OverTemperature);
    sim::InjectSenderFault(0, sim::SenderFault::Offline);
    ASSERT_TRUE(sim::RunMonitorRounds(1));
    EXPECT_EQ(std::tuple(Warning(0, 1, 2), Record(&CMonitorData::GetWarningData).GetSenderWarning(0)),
              std::tuple(WARNING_NO_DATA, SENDER_WARNING_OFFLINE));
}

TEST_F(Monitoring, TheStoredVideoInputSettingsRaiseAndClearTheNoVideoInputWarning)
{
    // Sender 1 (model 59): HDMI 1 to 4 (0x20-0x23) and DP 1 to 4; HDMI 1 has the live signal. The
    // rule's own cases are the warning rules' tests'; here the stored settings reach it.
    struct Case {
        std::vector<SInputSignalSetting> inputs;
        sim::VideoSignal hdmi1;
        bool warns;
    };
    const SInputSignalSetting checked{1, 59, 0x20, 0, 0, 1, 3840, 2160, 60.0, "HDMI 1"},
        hdmi2{1, 59, 0x21, 0, 0, 0, 0, 0, 0.0, "HDMI 2"};
    const sim::VideoSignal uhd{3840, 2160, 60.0};
    monitor.StartMonitor(nullptr);
    for (const Case& c : {Case{{}, uhd, false}, Case{{}, {}, true}, Case{{hdmi2}, uhd, true},
                          Case{{checked}, uhd, false}, Case{{checked}, {3840, 2160, 50.0}, true}}) {
        CMonitorInterfaceData settings = Record(&CMonitorData::GetInterfaceData);
        settings.senderSetting.arrInputSignal = c.inputs;
        GetMonitorData()->SetInterfaceData(settings);
        ASSERT_TRUE(sim::SetVideoSignal(1, 0, c.hdmi1));
        ASSERT_TRUE(sim::RunMonitorRounds(1));
        EXPECT_EQ((Record(&CMonitorData::GetWarningData).GetSenderWarning(1) & SENDER_WARNING_VIDEO_INPUT) != 0,
                  c.warns)
            << c.inputs.size() << " entries, signal " << c.hdmi1.nWidth << "x" << c.hdmi1.nHeight << "@"
            << c.hdmi1.dFrameRate;
    }
}

// The day's log holds the changes only (one line for a warning that several
// rounds saw); alert mail goes out after the configured rounds, once, and
// the all-clear when every warning is gone.
TEST_F(Monitoring, TheDaysLogAndAlertMail)
{
    EnableMail(2);
    const auto mails = [] {
        std::error_code ec;
        auto it = std::filesystem::directory_iterator(sim::GetOutboxFolder(), ec);
        return ec ? 0 : static_cast<int>(std::distance(it, std::filesystem::directory_iterator()));
    };
    monitor.StartMonitor(nullptr);
    sim::InjectReceiverFault(0, 0, 3, sim::ReceiverFault::OverTemperature);
    sim::InjectPortDisconnected(1, 1);
    sim::InjectSenderFault(2, sim::SenderFault::Black);
    ASSERT_TRUE(sim::RunMonitorRounds(1));
    EXPECT_EQ(mails(), 0);
    ASSERT_TRUE(sim::RunMonitorRounds(3));
    ASSERT_EQ(mails(), 1);
    const std::string mail = Content(sim::GetOutboxFolder() + "mail-1.txt");
    EXPECT_NE(mail.find("Sender 3 (Sender 3): Black screen"), std::string::npos) << mail;
    sim::ClearReceiverFault(0, 0, 3, sim::ReceiverFault::OverTemperature);
    sim::ClearPortDisconnected(1, 1);
    sim::ClearSenderFault(2, sim::SenderFault::Black);
    ASSERT_TRUE(sim::RunMonitorRounds(2));
    ASSERT_EQ(mails(), 2);
    EXPECT_NE(Content(sim::GetOutboxFolder() + "mail-2.txt").find("\n\nThe installation is back to normal."),
              std::string::npos);
    monitor.StopMonitor();

    const std::string log = DayLog(std::time(nullptr));
    for (const char* line :
         {"  Monitoring started\n", "  Sender 1 (Sender 1), port 1, receiver 4: Temperature 85.",
          "  Sender 2 (Sender 2), port 2: Not connected\n",
          "  Sender 1 (Sender 1), port 1, receiver 4: Over temperature cleared\n", "  Monitoring stopped\n"})
        EXPECT_NE(log.find(line), std::string::npos) << line << " in\n" << log;
    EXPECT_EQ(log.find("receiver 4: Temperature "), log.rfind("receiver 4: Temperature ")) << log;
}

} // namespace
} // namespace hwtest
