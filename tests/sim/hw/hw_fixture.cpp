// The hardware tests' common start.
#include "hw_fixture.h"

#include "host/vistrano_data.h"
#include "sim/call_log.h"
#include "sim/project_gen.h"
#include "sim/world.h"

#include <filesystem>
#include <thread>
#include <unistd.h>

namespace hwtest {

sim::ProjectModel SmallProject()
{
    sim::GenerateOptions options;
    options.senders = 3;
    options.portsPerSender = 2;
    options.receiversPerPort = 4;
    sim::ProjectModel p = sim::GenerateProject(options);
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
    sim::ReceiverValues v;
    v.bAnswers = true;
    v.nTemperature10 = 400;
    v.nHumidity = 40;
    v.nVoltage1_100 = 530;
    v.nFanRpm = 2000;
    v.nDoor = 0;
    v.nSmoke = 0;
    v.nPower1 = 1;
    v.nCable = 0;
    if (secondSupply) {
        v.nVoltage2_100 = 530;
        v.nPower2 = 1;
    }
    return v;
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
    sim::ResetWorld();
    sim::ResetHardware();
    sim::SetCallLogEnabled(true);
    sim::ClearCallLog();
    const std::string name = "hw_test_" + std::to_string(::getpid()) + "_"
        + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    m_configFolder = (std::filesystem::temp_directory_path() / name).string();
    std::filesystem::remove_all(m_configFolder);
    std::filesystem::create_directories(m_configFolder);
    sim::SetConfigFolder(m_configFolder);
    UseProject(SmallProject());
}

void HwTest::TearDown()
{
    sim::ShutdownMonitoring();
    sim::SetConfigFolder("");
    std::filesystem::remove_all(m_configFolder);
}

void HwTest::UseProject(const sim::ProjectModel& project)
{
    std::string error;
    ASSERT_TRUE(sim::SetProject(project, error)) << error;
}

void HwTest::SetSettings(const CMonitorInterfaceData& settings)
{
    sim::ProjectModel p = sim::GetProject();
    p.monitor = settings;
    UseProject(p);
}

} // namespace hwtest
