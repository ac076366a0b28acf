// libMonitor.so in the host's hands: loaded, entered, fed by the real
// monitoring thread, released and unloaded while monitoring goes on.
#include "host/hwbridge.h"
#include "host/quarn_label.h"
#include "host_world.h"
#include "loaded_module.h"
#include "sim/call_log.h"
#include "sim/monitor_control.h"
#include "sim/monitor_feed.h"
#include "sim/project_gen.h"
#include "sim/world.h"

namespace {

class HostLoadTest : public HostWorldTest {};

PFN_MONITOR_INIT Entry(const LoadedModule& module)
{
    return reinterpret_cast<PFN_MONITOR_INIT>(module.Symbol(kMonitorInitSymbol));
}

} // namespace

TEST_F(HostLoadTest, EntryAnswersTheHost)
{
    LoadedModule module;
    ASSERT_TRUE(module.IsLoaded()) << module.Error();
    const PFN_MONITOR_INIT init = Entry(module);
    ASSERT_NE(nullptr, init);
    CTestHost host;
    IQuarnLabel* page = nullptr;
    EXPECT_EQ(0, init(nullptr, &page));
    EXPECT_EQ(0, init(&host, nullptr));
    EXPECT_EQ(nullptr, page);
    ASSERT_EQ(1, init(&host, &page));
    ASSERT_NE(nullptr, page);
    page->MoveTo({0, 0, 1200, 800});
    EXPECT_EQ(1, page->Update(-1, 0, 1));
    EXPECT_EQ(1, page->Activate());
    IQuarnLabel* again = nullptr;
    EXPECT_EQ(1, init(&host, &again));
    EXPECT_EQ(page, again);
    page->Release();
    EXPECT_TRUE(module.Close());
}

TEST_F(HostLoadTest, MonitoringThreadFeedsThePageStateUntilUnload)
{
    std::string error;
    ASSERT_TRUE(
        sim::SetProject(sim::GenerateProject({.senders = 2, .portsPerSender = 2, .receiversPerPort = 4}), error))
        << error;
    const int targetsBefore = sim::GetMonitorUpdateTargetCount();
    {
        LoadedModule module;
        ASSERT_TRUE(module.IsLoaded()) << module.Error();
        CTestHost host;
        IQuarnLabel* page = nullptr;
        ASSERT_EQ(1, Entry(module)(&host, &page));
        EXPECT_EQ(targetsBefore + 1, sim::GetMonitorUpdateTargetCount());

        sim::SetMonitorStepMode(true);
        ASSERT_NE(0, GetHwMonitorLogic()->StartMonitor(nullptr));
        sim::ClearCallLog();
        ASSERT_TRUE(sim::RunMonitorRounds(2));
        // Each round the page state copied the five records.
        EXPECT_EQ(2, sim::CountCalls("CMonitorData::GetDetectData"));
        EXPECT_EQ(2, sim::CountCalls("CMonitorData::GetTipData"));

        // The page goes, the page state stays registered.
        page->Release();
        ASSERT_TRUE(sim::RunMonitorRounds(1));
        EXPECT_EQ(3, sim::CountCalls("CMonitorData::GetTipData"));

        // Unloading takes the page state off the thread's list while
        // monitoring still runs.
        EXPECT_TRUE(module.Close());
    }
    EXPECT_EQ(targetsBefore, sim::GetMonitorUpdateTargetCount());
    EXPECT_EQ(1, sim::CountCalls("CMonitorThreadMgr::RemoveMonitorUpdateTarget"));
    ASSERT_TRUE(sim::RunMonitorRounds(1));
    EXPECT_EQ(3, sim::CountCalls("CMonitorData::GetTipData"));
}

TEST_F(HostLoadTest, UnloadWithoutEverEnteringTouchesNoHost)
{
    LoadedModule module;
    ASSERT_TRUE(module.IsLoaded()) << module.Error();
    EXPECT_TRUE(module.Close());
    EXPECT_TRUE(sim::GetCallLog().empty());
}
