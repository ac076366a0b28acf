#include "host_world.h"

#include "controls/density.h"
#include "sim/call_log.h"
#include "sim/hardware.h"
#include "sim/monitor_control.h"
#include "sim/project_gen.h"
#include "sim/world.h"

#include <unistd.h>

CTestHost::CTestHost(bool withPageArea)
{
    if (withPageArea)
        m_area.CreateEx(nullptr, {0, 0, 1200, 800}, 1, EWindowKind::Dialog, "page area");
}

void CTestHost::Notify(int32_t mask, int32_t word1, int32_t word2, int32_t word3)
{
    notifications.push_back({mask, word1, word2, word3});
}

void HostWorldTest::SetUp()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    m_folder = std::filesystem::temp_directory_path()
        / ("module-test-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-" + info->name());
    std::filesystem::remove_all(m_folder);
    std::filesystem::create_directories(m_folder);
    sim::ShutdownMonitoring();
    sim::ResetHardware();
    sim::ResetWorld();
    sim::SetConfigFolder(m_folder.string());
    sim::SetCallLogEnabled(true);
    sim::ClearCallLog();
}

void HostWorldTest::TearDown()
{
    sim::ShutdownMonitoring();
    sim::ResetHardware();
    sim::ResetWorld();
    morv::SetDensity(0);
    std::filesystem::remove_all(m_folder);
}

void HostWorldTest::UseSample()
{
    std::string error;
    ASSERT_TRUE(sim::SetProject(sim::MakeSampleProject(), error)) << error;
}
