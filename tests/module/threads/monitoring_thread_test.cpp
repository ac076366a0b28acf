// The monitoring thread copies the host's records into the page state
// while the user interface thread takes the new-data flag, refreshes the
// page, reads the snapshots under the page state's lock and asks the
// sender questions.
#include "host/hwbridge.h"
#include "host/vistrano_data.h"
#include "module/label_monitor_dlg.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "module_test_support.h"
#include "sim/call_log.h"
#include "sim/hardware.h"
#include "sim/monitor_control.h"
#include "sim/project_gen.h"
#include "sim/world.h"

#include <chrono>

namespace {

class MonitoringThreadTest : public ModuleTest {
protected:
    void SetUp() override
    {
        ModuleTest::SetUp();
        std::string error;
        ASSERT_TRUE(
            sim::SetProject(sim::GenerateProject({.senders = 4, .portsPerSender = 4, .receiversPerPort = 16}), error))
            << error;
        page = CreatePage(host);
        page->MoveTo({0, 0, 1200, 800});
        page->Update(-1, 0, 1);
        sim::SetCallLogEnabled(false);
        sim::InjectReceiverFault(1, 2, 3, sim::ReceiverFault::OverTemperature);
        sim::SetMonitorInterval(std::chrono::milliseconds(1));
    }

    CTestHost host;
    IQuarnLabel* page = nullptr;
};

} // namespace

TEST_F(MonitoringThreadTest, UserInterfaceReadsWhileTheThreadUpdates)
{
    CModuleData& data = *g_pModuleData;
    data.ClearNewDataFlag();
    ASSERT_NE(0, GetHwMonitorLogic()->StartMonitor(nullptr));
    const uint64_t start = sim::GetMonitorRoundCount();

    int taken = 0;
    int reads = 0;
    bool sawWarning = false;
    // Bounded by the rounds the thread completes, not by the clock; the
    // cap only ends a thread that stalled.
    for (int i = 0; i < 50'000'000 && sim::GetMonitorRoundCount() < start + 200; ++i) {
        if (data.TakeNewDataFlag()) {
            ++taken;
            EXPECT_EQ(1, page->Update(-1, 0, 0));
        }
        {
            CModuleDataLock lock(data);
            const int senders = data.GetDetectData().GetSenderDataCount();
            EXPECT_TRUE(senders == 0 || senders == 4) << senders;
            sawWarning |= data.GetWarningData().HasSenderRcvWarning(1, 0x2) != 0;
            EXPECT_GT(data.GetInterfaceData().nRefreshInterval, 0);
            // A question asked inside the guard does not block.
            reads += data.IsSenderDetected(0);
        }
        data.GetSenderTypeCode(i % 4);
        data.IsPortConnected(i % 4, i % 8);
        data.GetDetectedSenderCount();
        data.IsFiberSender();
        std::map<uint32_t, std::string> texts;
        data.GetInputSignalTexts(texts);
        data.SetCurrentObject(2, 1, 3 + i % 9, i % 4, 0);
    }
    const uint64_t rounds = sim::GetMonitorRoundCount() - start;
    GetHwMonitorLogic()->StopMonitor();
    sim::ShutdownMonitoring();

    EXPECT_GE(rounds, 200u);
    EXPECT_GT(taken, 0);
    EXPECT_GT(reads, 0);
    EXPECT_TRUE(sawWarning);
}
