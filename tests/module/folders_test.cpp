// The module folder and the configuration folder.
#include "controls/modal.h"
#include "host/hwbridge.h"
#include "host_world.h"
#include "log/log_dates.h"
#include "log/query_log_dlg.h"
#include "module/module_folders.h"
#include "platform/shell.h"
#include "sim/monitor_control.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace {

void UseDocuments(std::optional<std::string> folder)
{
    plat::SetDocumentsFolderProvider([folder] { return folder; });
}

TEST(FoldersTest, TheModuleFolderIsTheExecutablesAndTheConfigFolderLiesInTheDocuments)
{
    char self[4096] = {};
    ASSERT_GT(::readlink("/proc/self/exe", self, sizeof self - 1), 0);
    EXPECT_EQ(std::filesystem::path(self).parent_path().string() + "/", GetModuleFolder());
    UseDocuments("/home/u/Documents"); // the rules of the name are the next test's
    EXPECT_EQ(GetConfigFolderFor(GetModuleFolder()), GetConfigFolder());
    EXPECT_EQ(0u, GetConfigFolder().rfind("/home/u/Documents/", 0));
    plat::SetDocumentsFolderProvider({});
}

TEST(FoldersTest, ConfigFolderOfTheDocumentsAndTheConfiguredName)
{
    const auto root = std::filesystem::temp_directory_path() / ("module-folders-" + std::to_string(::getpid()));
    std::filesystem::create_directories(root / "Language");
    const std::string module = root.string() + "/", key = "[Software]\nSoftwareConfigurationPath=";
    const struct {
        std::optional<std::string> file, documents;
        std::string expected; // empty: the module folder
    } cases[] = {{key + "Data\n", "/home/u/Documents", "/home/u/Documents/Data/"},
                 {std::nullopt, "/home/u/Documents", "/home/u/Documents/Quarn/"}, // no file: the default name
                 {"[Software]\nOther=1\n[Common]\nSoftwareConfigurationPath=Wrong\n", "/docs", "/docs/Quarn/"},
                 {key + "Vendor\\Data\n", "/docs", "/docs/Vendor/Data/"}, // desktop separators
                 // The name is read with a buffer of 260 characters.
                 {key + std::string(300, 'a') + "\n", "/docs", "/docs/" + std::string(259, 'a') + "/"},
                 {key + "Data\n", std::nullopt, ""},
                 {key + "Data\n", std::string(), ""}};
    for (const auto& c : cases) {
        std::filesystem::remove(root / "Language" / "Multi_English.ini");
        if (c.file)
            std::ofstream(root / "Language" / "Multi_English.ini") << *c.file;
        UseDocuments(c.documents);
        EXPECT_EQ(c.expected.empty() ? module : c.expected, GetConfigFolderFor(module)) << c.expected;
    }
    plat::SetDocumentsFolderProvider({});
    std::filesystem::remove_all(root);
}

// The host pointed the whole process at another configuration folder (its
// --config-dir): the day the monitoring thread logs there is the day the
// log query marks.
using HostConfigFolderTest = HostWorldTest;

TEST_F(HostConfigFolderTest, TheLogQueryMarksTheDayTheMonitoringThreadLogged)
{
    UseSample();
    EXPECT_EQ(m_folder.string() + "/", GetConfigFolder());
    sim::SetMonitorStepMode(true);
    ASSERT_NE(0, GetHwMonitorLogic()->StartMonitor(nullptr));
    ASSERT_TRUE(sim::RunMonitorRounds(1));
    sim::ShutdownMonitoring();
    std::vector<plat::DirEntry> written;
    ASSERT_TRUE(plat::ListDirectory((m_folder / "MonitoringRecord").string(), written));
    const std::vector<int32_t> days = LogDatesOf(written);
    ASSERT_EQ(1u, days.size());

    CModalScript& script = CModalScript::Instance();
    script.Reset();
    script.SetMode(CModalScript::EMode::Scripted);
    std::vector<int32_t> marked;
    script.RunOnDialog<CQueryLogDlg>([&](CQueryLogDlg& dlg) { marked = dlg.GetLogDates(); }, 0);
    CQueryLogDlg().DoModal();
    script.Reset();
    EXPECT_EQ(days, marked);
}

} // namespace
