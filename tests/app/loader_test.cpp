// The loader's answers for each way a page library can be missing or broken.
#include "fixture_support.h"

#include "module_loader.h"
#include "platform/shell.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using apptest::FixturePath;

// The test program itself exists but is no library.
TEST(ModuleLoader, BrokenLibrariesAreRefusedByNameWithTheReason)
{
    const std::string missing = FixturePath("does_not_exist"), noEntry = FixturePath("fixture_no_entry"),
                      zero = FixturePath("fixture_zero_entry"), program = plat::GetMainExecutableFolder() + "app_tests";
    const std::tuple<std::string, bool, std::string> cases[] = {
        {missing, false, "no module found at " + missing},
        {noEntry, false, "the module " + noEntry + " has no entry Monitor_Init"},
        {program, false, "cannot load the module " + program + ": "},
        {zero, true, "Monitor_Init of " + zero + " answered 0: the page could not be created"},
    };
    for (const auto& [path, loads, message] : cases) {
        app::CModuleLoader loader;
        std::string error;
        ASSERT_EQ(loader.Load(path, error), loads) << path << ": " << error;
        EXPECT_EQ(loader.IsLoaded(), loads);
        EXPECT_TRUE(!loads || loader.Init(nullptr, error) == nullptr);
        // The loader's own reason follows for a file that is no library.
        EXPECT_EQ(path == program ? error.substr(0, message.size()) : error, message);
        // Unloaded, it forgets the library.
        loader.Unload();
        EXPECT_FALSE(loader.IsLoaded() || loader.Symbol("Monitor_Init"));
        EXPECT_EQ(loader.Init(nullptr, error), nullptr);
        EXPECT_EQ(error, "no module is loaded");
    }
    EXPECT_TRUE(app::DefaultModulePath().ends_with("/libMonitor.so")) << "the real library next to the program";
}

} // namespace
