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

using HostLoadTest = HostWorldTest;

TEST_F(HostLoadTest, TheEntryAnswersAndTheThreadFeedsThePageStateUntilUnload)
{
    std::string error;
    ASSERT_TRUE(
        sim::SetProject(sim::GenerateProject({.senders = 2, .portsPerSender = 2, .receiversPerPort = 4}), error))
        << error;
    const int targetsBefore = sim::GetMonitorUpdateTargetCount();
    {
        LoadedModule module;
        ASSERT_TRUE(module.IsLoaded()) << module.Error();
        const auto init = reinterpret_cast<PFN_MONITOR_INIT>(module.Symbol(kMonitorInitSymbol));
        ASSERT_NE(nullptr, init);
        CTestHost host;
        IQuarnLabel* page = nullptr;
        ASSERT_EQ(1, init(&host, &page));
        EXPECT_EQ(targetsBefore + 1, sim::GetMonitorUpdateTargetCount());
        page->MoveTo({0, 0, 1200, 800});
        EXPECT_EQ(1, page->Update(-1, 0, 1));
        EXPECT_EQ(1, page->Activate());

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

} // namespace
