#pragma once
// Every simulation test starts from an empty world whose configuration
// folder is a fresh temporary folder, and an empty call log.
#include "sim/call_log.h"
#include "sim/project_gen.h"
#include "sim/world.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class SimTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_folder = std::filesystem::temp_directory_path()
            / ("sim-test-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        sim::ResetWorld();
        sim::SetConfigFolder(m_folder.string());
        sim::SetCallLogEnabled(true);
        sim::ClearCallLog();
    }
    void TearDown() override
    {
        sim::ResetWorld();
        std::filesystem::remove_all(m_folder);
    }

    // Makes the project (the sample installation) the current one.
    static void Use(const sim::ProjectModel& project)
    {
        std::string error;
        ASSERT_TRUE(sim::SetProject(project, error)) << error;
    }
    static void UseSample() { Use(sim::MakeSampleProject()); }

    std::string Path(const std::string& name) const { return (m_folder / name).string(); }

    // A file's bytes; empty when it cannot be read.
    static std::string Content(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path m_folder;
};
