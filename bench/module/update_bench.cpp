// CModuleData::OnMonitorDataUpdate on generated installations: it copies
// the five records outside the page state's lock and swaps them in under
// it. Beside it, the raw cost of copying the same five records without any
// lock (the yardstick), and how long the user interface waits for the lock
// while the update runs without pause.
#include "host/hwbridge.h"
#include "host/vistrano_data.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "sim/call_log.h"
#include "sim/monitor_control.h"
#include "sim/project_gen.h"
#include "sim/world.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

// Senders x ports x receivers per port.
sim::GenerateOptions Installation(int receivers)
{
    switch (receivers) {
    case 1: return {.senders = 1, .portsPerSender = 1, .receiversPerPort = 1};
    case 1000: return {.senders = 5, .portsPerSender = 10, .receiversPerPort = 20};
    default: return {.senders = 25, .portsPerSender = 25, .receiversPerPort = 16};
    }
}

// Loads the installation and has the monitoring thread publish one round.
void PublishRound(benchmark::State& state)
{
    sim::ShutdownMonitoring();
    sim::SetCallLogEnabled(false);
    std::string error;
    if (!sim::SetProject(sim::GenerateProject(Installation(static_cast<int>(state.range(0)))), error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    g_pMonitorData = GetMonitorData();
    sim::SetMonitorStepMode(true);
    if (!GetHwMonitorLogic()->StartMonitor(nullptr) || !sim::RunMonitorRounds(1))
        state.SkipWithError("the monitoring thread did not run a round");
}

void Finish() { sim::ShutdownMonitoring(); }

void BM_OnMonitorDataUpdate(benchmark::State& state)
{
    PublishRound(state);
    CModuleData data;
    for (auto _ : state) {
        data.OnMonitorDataUpdate();
        benchmark::DoNotOptimize(data.TakeNewDataFlag());
    }
    state.counters["receivers"] = static_cast<double>(state.range(0));
    Finish();
}

void BM_CopyRecordsWithoutLock(benchmark::State& state)
{
    PublishRound(state);
    CMonitorDetectData detect;
    CMonitorInterfaceData settings;
    CMonitorWarningData warning;
    CMonitorRcvShowData show;
    CMonitorTipsData tips;
    for (auto _ : state) {
        g_pMonitorData->GetDetectData(detect);
        g_pMonitorData->GetInterfaceData(settings);
        g_pMonitorData->GetWarningData(warning);
        g_pMonitorData->GetRcvShowData(show);
        g_pMonitorData->GetTipData(tips);
        benchmark::ClobberMemory();
    }
    state.counters["receivers"] = static_cast<double>(state.range(0));
    Finish();
}

// The user interface's side: taking the guard while another thread
// updates back to back. Reports the mean and the longest wait.
void BM_GuardWaitDuringUpdates(benchmark::State& state)
{
    PublishRound(state);
    CModuleData data;
    std::atomic<bool> stop{false};
    std::thread updater([&] {
        while (!stop)
            data.OnMonitorDataUpdate();
    });
    double longest = 0;
    double total = 0;
    int64_t count = 0;
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        {
            CModuleDataLock lock(data);
            benchmark::DoNotOptimize(data.GetDetectData().GetSenderDataCount());
        }
        const double waited
            = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - begin).count();
        longest = std::max(longest, waited);
        total += waited;
        ++count;
        // Leave the updater room to take the lock again.
        std::this_thread::yield();
    }
    stop = true;
    updater.join();
    state.counters["receivers"] = static_cast<double>(state.range(0));
    state.counters["wait_mean_us"] = count ? total / static_cast<double>(count) : 0;
    state.counters["wait_max_us"] = longest;
    Finish();
}

} // namespace

BENCHMARK(BM_OnMonitorDataUpdate)->Arg(1)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopyRecordsWithoutLock)->Arg(1)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GuardWaitDuringUpdates)->Arg(10000)->Unit(benchmark::kMicrosecond)->Iterations(2000);

BENCHMARK_MAIN();
