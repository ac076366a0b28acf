// The module folder and the configuration folder.
#include "module/module_folders.h"
#include "platform/profile.h"
#include "platform/shell.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace {

class FoldersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_root = std::filesystem::temp_directory_path()
               / ("module-folders-" + std::to_string(::getpid()) + "-" + info->name());
        std::filesystem::remove_all(m_root);
        std::filesystem::create_directories(m_root / "program" / "Language");
        m_module = (m_root / "program").string() + "/";
    }
    void TearDown() override
    {
        plat::SetDocumentsFolderProvider({});
        std::filesystem::remove_all(m_root);
    }

    void WriteLanguageFile(const std::string& text)
    {
        std::ofstream(m_root / "program" / "Language" / "Multi_English.ini") << text;
    }
    void UseDocuments(std::optional<std::string> folder)
    {
        plat::SetDocumentsFolderProvider([folder] { return folder; });
    }

    std::filesystem::path m_root;
    std::string m_module;
};

} // namespace

TEST_F(FoldersTest, ModuleFolderIsTheExecutablesWithItsSeparator)
{
    const std::string folder = GetModuleFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ('/', folder.back());
    char self[4096] = {};
    ASSERT_GT(::readlink("/proc/self/exe", self, sizeof self - 1), 0);
    EXPECT_EQ(std::filesystem::path(self).parent_path().string() + "/", folder);
}

TEST_F(FoldersTest, DocumentsFolderAndTheConfiguredName)
{
    WriteLanguageFile("[Software]\nSoftwareConfigurationPath=Data\n");
    UseDocuments("/home/u/Documents");
    EXPECT_EQ("/home/u/Documents/Data/", GetConfigFolderFor(m_module));
}

TEST_F(FoldersTest, MissingFileOrKeyGivesTheDefaultName)
{
    UseDocuments("/home/u/Documents");
    EXPECT_EQ("/home/u/Documents/Quarn/", GetConfigFolderFor(m_module));
    WriteLanguageFile("[Software]\nOther=1\n[Common]\nSoftwareConfigurationPath=Wrong\n");
    EXPECT_EQ("/home/u/Documents/Quarn/", GetConfigFolderFor(m_module));
}

TEST_F(FoldersTest, NameWithDesktopSeparatorsAndLongNames)
{
    WriteLanguageFile("[Software]\nSoftwareConfigurationPath=Vendor\\Data\n");
    UseDocuments("/docs");
    EXPECT_EQ("/docs/Vendor/Data/", GetConfigFolderFor(m_module));
    // The name is read with a buffer of 260 characters.
    WriteLanguageFile("[Software]\nSoftwareConfigurationPath=" + std::string(300, 'a') + "\n");
    EXPECT_EQ("/docs/" + std::string(259, 'a') + "/", GetConfigFolderFor(m_module));
}

TEST_F(FoldersTest, WithoutDocumentsFolderTheModuleFolder)
{
    WriteLanguageFile("[Software]\nSoftwareConfigurationPath=Data\n");
    UseDocuments(std::nullopt);
    EXPECT_EQ(m_module, GetConfigFolderFor(m_module));
    UseDocuments(std::string());
    EXPECT_EQ(m_module, GetConfigFolderFor(m_module));
}

TEST_F(FoldersTest, ConfigFolderReadsTheLanguageFileBesideTheExecutable)
{
    UseDocuments("/home/u/Documents");
    const std::string name = plat::GetProfileString(GetModuleFolder() + "Language/Multi_English.ini", "Software",
                                                    "SoftwareConfigurationPath", "Quarn", 260);
    EXPECT_EQ("/home/u/Documents/" + name + "/", GetConfigFolder());
    UseDocuments(std::nullopt);
    EXPECT_EQ(GetModuleFolder(), GetConfigFolder());
}
