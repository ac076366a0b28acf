// The hardware tests' common start.
#include "hw_fixture.h"

#include "host/vistrano_data.h"
#include "log_file.h"
#include "sim/monitor_feed.h"

#include <thread>

namespace hwtest {

sim::ProjectModel SmallProject()
{
    sim::ProjectModel p = sim::GenerateProject({.senders = 3, .portsPerSender = 2, .receiversPerPort = 4});
    p.senders[1].deviceType = 59;
    p.backups.push_back({p.senders[0].id, 1, p.senders[1].id, 1});

    sim::SenderModel& fibre = p.senders[2];
    fibre.deviceType = 4;
    fibre.model = 160;
    fibre.fiber = true;
    fibre.ports.clear();
    for (int o = 0; o < sim::kFiberOutputs; ++o) {
        const int k = o % 8;
        fibre.fiberPorts.push_back({{CRect{k * 200, 0, k * 200 + 100, 100}, CRect{k * 200, 100, k * 200 + 100, 200}}});
    }
    return p;
}

sim::ReceiverValues HealthyCard(bool secondSupply)
{
    const int32_t none = sim::ReceiverValues::kNoSensor;
    return {true, 400, 40, 530, secondSupply ? 530 : none, 2000, 0, 0, 1, secondSupply ? 1 : none, 0};
}

bool Eventually(const std::function<bool()>& condition, std::chrono::milliseconds bound)
{
    const auto end = std::chrono::steady_clock::now() + bound;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

void HwTest::SetUp()
{
    sim::ShutdownMonitoring();
    SimTest::SetUp();
    sim::ResetHardware();
    Use(SmallProject());
}

void HwTest::TearDown()
{
    sim::ShutdownMonitoring();
    sim::SetConfigFolder("");
    SimTest::TearDown();
}

void HwTest::SetSettings(const CMonitorInterfaceData& settings)
{
    sim::ProjectModel p = sim::GetProject();
    p.monitor = settings;
    Use(p);
}

void HwTest::EnableMail(int rounds)
{
    CMonitorInterfaceData settings = sim::GetMonitorSettings();
    settings.emailSetting.bEnable = 1;
    settings.emailSetting.nWarningNum = rounds;
    settings.emailSetting.arrMail = {{"Ops", "ops@example.org"}};
    SetSettings(settings);
}

std::string HwTest::DayLog(std::time_t when) const
{
    std::tm local{};
    localtime_r(&when, &local);
    return Content(Path("MonitoringRecord/" + sim::hw::LogFileName(local)));
}

} // namespace hwtest
