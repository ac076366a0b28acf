// One monitoring round on generated installations: one sender with 10,000
// receivers, and 255 senders of 64 receivers each. The whole round (read
// the hardware, compute warnings, value texts, tooltips and log changes,
// publish), and its parts: the read, the pure computation, the publish
// (the copy into the host's monitor data under its lock).
#include "hardware_state.h"
#include "monitor_session.h"
#include "round_records.h"
#include "sim/call_log.h"
#include "sim/hardware.h"
#include "sim/monitor_feed.h"
#include "sim/project_gen.h"
#include "sim/world.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

// Installation 0: one sender, 10,000 receivers on 20 ports; 1: 255 senders.
void UseInstallation(benchmark::State& state)
{
    sim::SetCallLogEnabled(false);
    sim::ResetWorld();
    sim::ResetHardware();
    sim::SetConfigFolder((std::filesystem::temp_directory_path() / "bench_sim_config").string());
    sim::GenerateOptions options;
    if (state.range(0) == 0) {
        options.senders = 1;
        options.portsPerSender = 20;
        options.largeSenderReceivers = 10000;
    } else {
        options.senders = 255;
        options.portsPerSender = 4;
        options.receiversPerPort = 16;
    }
    std::string error;
    if (!sim::SetProject(sim::GenerateProject(options), error))
        state.SkipWithError(error.c_str());
    // A few faults, so the round has warnings, tooltips and log lines to make.
    sim::InjectReceiverFault(0, 0, 3, sim::ReceiverFault::OverTemperature);
    sim::InjectPortDisconnected(0, 1);
    state.SetLabel(state.range(0) == 0 ? "1 sender, 10000 receivers" : "255 senders, 16320 receivers");
}

void BM_MonitorRound(benchmark::State& state)
{
    UseInstallation(state);
    sim::hw::MonitorSession session;
    for (auto _ : state) {
        const sim::hw::MonitorRound round = session.Read();
        sim::hw::MonitorSession::Publish(round);
        benchmark::DoNotOptimize(round.changes.data());
    }
}
BENCHMARK(BM_MonitorRound)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ReadHardware(benchmark::State& state)
{
    UseInstallation(state);
    const sim::ProjectModel project = sim::GetProject();
    for (auto _ : state) {
        const sim::hw::HardwareRound round = sim::hw::ReadHardwareNow(project, sim::hw::ReadKind::MonitoringRound);
        benchmark::DoNotOptimize(round.senders.data());
    }
}
BENCHMARK(BM_ReadHardware)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ComputeRound(benchmark::State& state)
{
    UseInstallation(state);
    const sim::ProjectModel project = sim::GetProject();
    const sim::hw::HardwareRound hardware = sim::hw::ReadHardwareNow(project, sim::hw::ReadKind::MonitoringRound);
    const sim::hw::WarningTexts texts = sim::hw::LanguageTexts();
    for (auto _ : state) {
        const sim::hw::RoundRecords records = sim::hw::ComputeRound(hardware, project.monitor, false, texts);
        benchmark::DoNotOptimize(records.digest.senders.data());
    }
}
BENCHMARK(BM_ComputeRound)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PublishRound(benchmark::State& state)
{
    UseInstallation(state);
    const sim::ProjectModel project = sim::GetProject();
    const sim::hw::RoundRecords r
        = sim::hw::ComputeRound(sim::hw::ReadHardwareNow(project, sim::hw::ReadKind::MonitoringRound), project.monitor,
                                false, sim::hw::LanguageTexts());
    for (auto _ : state)
        sim::PublishMonitorRound(r.detect, r.warning, r.show, r.tips);
}
BENCHMARK(BM_PublishRound)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
