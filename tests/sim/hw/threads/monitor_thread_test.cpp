// The monitoring thread under load, meant for ThreadSanitizer: fast rounds
// while the page's thread reads, pauses (the hardware held), injects faults
// and asks the hardware; stops while a target runs, also from inside a target and while
// the stopping thread holds the lock a target waits for.
#include "hw_fixture.h"

#include "host/hwbridge.h"
#include "host/monitor_records.h"
#include "host/monitor_update.h"
#include "host/vistrano_data.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace hwtest {
namespace {

using namespace std::chrono_literals;

// Copies the five records on the monitoring thread, as the page state does,
// under its own lock; the page's thread reads the copies.
class CopyingTarget final : public IMonitorDataUpdate {
public:
    void OnMonitorDataUpdate() override
    {
        std::lock_guard lock(mutex);
        GetMonitorData()->GetDetectData(detect);
        GetMonitorData()->GetInterfaceData(settings);
        GetMonitorData()->GetWarningData(warning);
        GetMonitorData()->GetRcvShowData(show);
        GetMonitorData()->GetTipData(tips);
        ++calls;
    }

    std::mutex mutex;
    CMonitorDetectData detect;
    CMonitorInterfaceData settings;
    CMonitorWarningData warning;
    CMonitorRcvShowData show;
    CMonitorTipsData tips;
    int calls = 0;
};

class MonitorThread : public HwTest {
protected:
    void TearDown() override
    {
        sim::ShutdownMonitoring();
        for (IMonitorDataUpdate* t : registered)
            GetMonitorThreadMgr()->RemoveMonitorUpdateTarget(t);
        HwTest::TearDown();
    }
    void Register(IMonitorDataUpdate* t)
    {
        GetMonitorThreadMgr()->AddMonitorUpdateTarget(t);
        registered.push_back(t);
    }
    // Registers the target and starts rounds every millisecond.
    void StartFast(IMonitorDataUpdate* t)
    {
        Register(t);
        sim::SetMonitorInterval(1ms);
        ASSERT_EQ(monitor.StartMonitor(nullptr), 1);
    }

    IMonitorLogic& monitor = *GetHwMonitorLogic();
    std::vector<IMonitorDataUpdate*> registered;
};

TEST_F(MonitorThread, FastRoundsWhileThePageReadsPausesAndInjects)
{
    CopyingTarget target;
    const uint64_t start = sim::GetMonitorRoundCount();
    StartFast(&target);
    int seen = 0;
    for (int i = 0; sim::GetMonitorRoundCount() < start + 300; ++i) {
        {
            std::lock_guard lock(target.mutex);
            seen += target.warning.HasSenderRcvWarning(CMonitorWarningData::kAnySender, WARNING_ALL);
            seen += static_cast<int>(target.show.GetRcvShowStr(RENDER_TEMPERATURE, 0, 0, 0).size());
            seen += target.detect.GetSenderDataCount();
        }
        if (i % 7 == 0)
            sim::InjectReceiverFault(0, 0, i % 4, sim::ReceiverFault::OverTemperature);
        if (i % 11 == 0)
            sim::ClearAllFaults();
        if (i % 13 == 0) { // paused: the hardware's clock stands still while the page works on it
            ASSERT_EQ(monitor.PauseMonitor(), 1);
            const uint64_t clock = sim::GetSimulationClock();
            EXPECT_EQ(GetHwReceiverLogic()->MarkReceiver(0, 0, 1, 1), 1);
            GetHwSenderLogic()->IsPortConnected(1, 0);
            EXPECT_EQ(sim::GetSimulationClock(), clock);
            ASSERT_EQ(monitor.ResumeMonitor(), 1);
        }
        if (i % 17 == 0)
            monitor.PauseForDetection();
        GetHwReceiverLogic()->IsRcvMarkable(0, 0, 1);
        ASSERT_TRUE(sim::WaitForMonitorRounds(sim::GetMonitorRoundCount() + 1, 20s)) << "rounds stopped";
    }
    EXPECT_EQ(monitor.StopMonitor(), 1);
    std::lock_guard lock(target.mutex);
    EXPECT_GE(target.calls, 300);
    EXPECT_GT(seen, 0);
}

TEST_F(MonitorThread, StartAndStopAgainAndAgainWhileRoundsRun)
{
    CopyingTarget target;
    Register(&target);
    sim::SetMonitorInterval(1ms);
    const uint64_t first = sim::GetMonitorRoundCount();
    for (int i = 0; i < 30; ++i) {
        const uint64_t before = sim::GetMonitorRoundCount();
        ASSERT_EQ(monitor.StartMonitor(nullptr), 1);
        ASSERT_TRUE(sim::WaitForMonitorRounds(before + 1 + i % 3, 20s));
        ASSERT_EQ(monitor.StopMonitor(), 1);
        EXPECT_EQ(GetMonitorThreadMgr()->IsMonitoring(), 0);
    }
    sim::ShutdownMonitoring();
    const uint64_t rounds = sim::GetMonitorRoundCount() - first;
    std::lock_guard lock(target.mutex);
    EXPECT_EQ(static_cast<uint64_t>(target.calls), rounds) << "every round reached the target, none after the stop";
}

// Blocks in its call on a lock that the test's thread holds.
class BlockingTarget final : public IMonitorDataUpdate {
public:
    void OnMonitorDataUpdate() override
    {
        {
            std::lock_guard lock(stateMutex);
            ++entered;
        }
        entry.notify_all();
        std::lock_guard hold(pageLock); // the page's lock
        ++finished;
    }

    std::mutex pageLock;
    std::mutex stateMutex;
    std::condition_variable entry;
    int entered = 0;
    std::atomic<int> finished{0};
};

TEST_F(MonitorThread, StopWhileATargetWaitsForTheLockTheStopperHolds)
{
    BlockingTarget target;
    // Registered before `page` is taken: registering takes the targets' lock,
    // which a round holds while the target waits for `page`.
    Register(&target);
    std::unique_lock page(target.pageLock);
    sim::SetMonitorInterval(1ms);
    ASSERT_EQ(monitor.StartMonitor(nullptr), 1);
    {
        std::unique_lock lock(target.stateMutex);
        ASSERT_TRUE(target.entry.wait_for(lock, 20s, [&] { return target.entered == 1; }));
    }
    // The target now waits for `page`, which this thread holds while it stops.
    EXPECT_EQ(monitor.StopMonitor(), 1);
    EXPECT_EQ(GetMonitorThreadMgr()->IsMonitoring(), 0);
    page.unlock();
    sim::ShutdownMonitoring();
    EXPECT_EQ(target.finished, 1);
    std::lock_guard lock(target.stateMutex);
    EXPECT_EQ(target.entered, 1) << "no round after the stop";
}

// Stops monitoring from inside its own call.
class StoppingTarget final : public IMonitorDataUpdate {
public:
    void OnMonitorDataUpdate() override
    {
        result = GetHwMonitorLogic()->StopMonitor();
        ++calls;
    }
    std::atomic<int> result{-1};
    std::atomic<int> calls{0};
};

TEST_F(MonitorThread, StopFromInsideATarget)
{
    StoppingTarget target;
    StartFast(&target);
    ASSERT_TRUE(Eventually([&] { return target.calls.load() > 0; }));
    EXPECT_TRUE(Eventually([] { return GetMonitorThreadMgr()->IsMonitoring() == 0; }));
    sim::ShutdownMonitoring();
    EXPECT_EQ(target.result, 1);
    EXPECT_EQ(target.calls, 1);
}

TEST_F(MonitorThread, RunRoundsFromATargetDoesNotWaitForItself)
{
    class Asking final : public IMonitorDataUpdate {
    public:
        void OnMonitorDataUpdate() override { answer = sim::RunMonitorRounds(1) ? 1 : 0; }
        std::atomic<int> answer{-1};
    } target;
    Register(&target);
    sim::SetMonitorStepMode(true);
    ASSERT_EQ(monitor.StartMonitor(nullptr), 1);
    ASSERT_TRUE(sim::RunMonitorRounds(1));
    EXPECT_EQ(target.answer, 0);
}

} // namespace
} // namespace hwtest
