// The loader's answers for each way a page library can be missing or broken.
#include "fixture_support.h"

#include "host/vistrano_label.h"
#include "module_loader.h"
#include "platform/shell.h"

#include <gtest/gtest.h>

namespace {

using apptest::FixturePath;

TEST(ModuleLoader, MissingLibrarySaysNoModuleFoundAndWhere)
{
    app::CModuleLoader loader;
    std::string error;
    const std::string path = FixturePath("does_not_exist");
    EXPECT_FALSE(loader.Load(path, error));
    EXPECT_EQ(error, "no module found at " + path);
    EXPECT_FALSE(loader.IsLoaded());
}

TEST(ModuleLoader, DefaultPathIsTheRealLibraryNextToTheProgram)
{
    const std::string path = app::DefaultModulePath();
    ASSERT_GE(path.size(), 14u);
    EXPECT_EQ(path.substr(path.size() - 14), "/libMonitor.so");
}

TEST(ModuleLoader, LibraryWithoutEntryIsRefusedByName)
{
    app::CModuleLoader loader;
    std::string error;
    const std::string path = FixturePath("fixture_no_entry");
    EXPECT_FALSE(loader.Load(path, error));
    EXPECT_EQ(error, "the module " + path + " has no entry Monitor_Init");
    EXPECT_FALSE(loader.IsLoaded());
}

TEST(ModuleLoader, FileThatIsNoLibraryIsRefusedWithTheLoadersReason)
{
    // The test program itself exists but cannot be opened as a library.
    app::CModuleLoader loader;
    std::string error;
    const std::string path = plat::GetMainExecutableFolder() + "app_tests";
    ASSERT_FALSE(loader.Load(path, error));
    EXPECT_EQ(error.rfind("cannot load the module " + path + ": ", 0), 0u) << error;
}

TEST(ModuleLoader, EntryAnsweringZeroGivesNoPage)
{
    app::CModuleLoader loader;
    std::string error;
    const std::string path = FixturePath("fixture_zero_entry");
    ASSERT_TRUE(loader.Load(path, error)) << error;
    EXPECT_EQ(loader.Init(nullptr, error), nullptr);
    EXPECT_EQ(error, "Monitor_Init of " + path + " answered 0: the page could not be created");
}

TEST(ModuleLoader, UnloadForgetsTheLibrary)
{
    app::CModuleLoader loader;
    std::string error;
    ASSERT_TRUE(loader.Load(FixturePath("fixture_zero_entry"), error)) << error;
    loader.Unload();
    EXPECT_FALSE(loader.IsLoaded());
    EXPECT_EQ(loader.Symbol("Monitor_Init"), nullptr);
    EXPECT_EQ(loader.Init(nullptr, error), nullptr);
    EXPECT_EQ(error, "no module is loaded");
}

} // namespace
