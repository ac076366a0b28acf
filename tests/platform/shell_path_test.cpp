// Paths, the shell and the file system.
#include "documents_folder.h"

#include "platform/path.h"
#include "platform/shell.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

using namespace plat;

TEST(Path, BackslashNamesBecomeNativePaths)
{
    EXPECT_EQ(NativePath("Monitor\\PortFrame\\Normal.png"), "Monitor/PortFrame/Normal.png");
    EXPECT_EQ(JoinPath("/skin", "DPI150\\"), "/skin/DPI150/");
    EXPECT_EQ(JoinPath("/skin/DPI150/", "Monitor\\SenderFrame\\Normal.png"),
              "/skin/DPI150/Monitor/SenderFrame/Normal.png");
    EXPECT_EQ(JoinPath("/skin//", "\\x.png"), "/skin/x.png") << "exactly one separator";
    EXPECT_EQ(JoinPath("", "a\\b"), "a/b");
    EXPECT_EQ(JoinPath("/base", ""), "/base");
    EXPECT_EQ(JoinPath("/", "etc"), "/etc");
}

TEST(Path, FileNameAndFolder)
{
    EXPECT_EQ(FileNameOf("/a/b/2024-01-02.txt"), "2024-01-02.txt");
    EXPECT_EQ(FileNameOf("Monitor\\Warning.png"), "Warning.png");
    EXPECT_EQ(FileNameOf("plain"), "plain");
    EXPECT_EQ(FileNameOf("/a/b/"), "");
    EXPECT_EQ(FolderOf("/a/b/c.txt"), "/a/b");
    EXPECT_EQ(FolderOf("c.txt"), "");
    EXPECT_EQ(FolderOf("/c.txt"), "/") << "the root keeps its separator";
}

TEST(Shell, MainExecutableFolderEndsWithASeparator)
{
    const std::string folder = GetMainExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(FileExists(folder + "platform_tests"));
}

TEST(Shell, DocumentsFolderProviderReplacesTheLookup)
{
    SetDocumentsFolderProvider([] { return std::optional<std::string>("/tmp/docs"); });
    EXPECT_EQ(GetDocumentsFolder(), "/tmp/docs");
    SetDocumentsFolderProvider([] { return std::optional<std::string>(); });
    EXPECT_EQ(GetDocumentsFolder(), std::nullopt);
    SetDocumentsFolderProvider({});
    if (const auto found = GetDocumentsFolder()) {
        EXPECT_TRUE(DirectoryExists(*found)) << "the real lookup only answers folders that exist";
    }
}

TEST(Shell, DocumentsFolderFromTheUserDirsFile)
{
    using detail::ParseUserDirsLine;
    EXPECT_EQ(ParseUserDirsLine("XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"", "XDG_DOCUMENTS_DIR", "/home/u"),
              "/home/u/Dokumente");
    EXPECT_EQ(ParseUserDirsLine("  XDG_DOCUMENTS_DIR=\"/data/docs/\"\r", "XDG_DOCUMENTS_DIR", "/home/u"), "/data/docs");
    EXPECT_EQ(ParseUserDirsLine("XDG_DOCUMENTS_DIR=\"$HOME/\"", "XDG_DOCUMENTS_DIR", "/home/u"), std::nullopt)
        << "the home folder itself means none";
    EXPECT_EQ(ParseUserDirsLine("XDG_DOCUMENTS_DIR=\"docs\"", "XDG_DOCUMENTS_DIR", "/home/u"), std::nullopt);
    EXPECT_EQ(ParseUserDirsLine("# XDG_DOCUMENTS_DIR=\"$HOME/x\"", "XDG_DOCUMENTS_DIR", "/home/u"), std::nullopt);
    EXPECT_EQ(ParseUserDirsLine("XDG_DOWNLOAD_DIR=\"$HOME/x\"", "XDG_DOCUMENTS_DIR", "/home/u"), std::nullopt);
    EXPECT_EQ(ParseUserDirsLine("XDG_DOCUMENTS_DIRX=\"$HOME/x\"", "XDG_DOCUMENTS_DIR", "/home/u"), std::nullopt);
}

TEST(Shell, DocumentsFolderLookupReadsXdgConfig)
{
    QTemporaryDir home;
    const std::string h = home.path().toStdString();
    QDir(home.path()).mkpath("cfg");
    QDir(home.path()).mkpath("My Documents");
    std::ofstream(h + "/cfg/user-dirs.dirs") << "# written by a test\nXDG_DOCUMENTS_DIR=\"$HOME/My Documents\"\n";
    const std::string oldHome = getenv("HOME") ? getenv("HOME") : "";
    const char* oldConfig = getenv("XDG_CONFIG_HOME");
    const std::string savedConfig = oldConfig ? oldConfig : "";
    setenv("HOME", h.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (h + "/cfg").c_str(), 1);
    SetDocumentsFolderProvider({});
    const auto found = GetDocumentsFolder();
    // A FIFO in its place is not waited on: the lookup goes on without it.
    std::filesystem::remove(h + "/cfg/user-dirs.dirs");
    ::mkfifo((h + "/cfg/user-dirs.dirs").c_str(), 0600);
    const auto withFifo = GetDocumentsFolder();
    setenv("HOME", oldHome.c_str(), 1);
    if (oldConfig)
        setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(found, h + "/My Documents");
    EXPECT_NE(withFifo, h + "/My Documents");
}

TEST(Shell, OpenerIsReplaceable)
{
    std::string opened, verb;
    FileOpener previous = SetFileOpener([&](const std::string& p, const std::string& v, int) {
        opened = p;
        verb = v;
        return true;
    });
    EXPECT_TRUE(ShellOpen("/logs/2024-01-02.txt"));
    EXPECT_EQ(opened, "/logs/2024-01-02.txt");
    EXPECT_EQ(verb, "open");
    SetFileOpener(previous);
    EXPECT_FALSE(ShellOpen("/no/such/file.txt")) << "the desktop's opener refuses what is not there";
    EXPECT_FALSE(ShellOpen("/", "print"));
}

TEST(FileSystem, ListsCreatesAndChecks)
{
    QTemporaryDir dir;
    const std::string root = dir.path().toStdString();
    EXPECT_TRUE(CreateDirectories(root + "/a/b/c"));
    EXPECT_TRUE(CreateDirectories(root + "/a/b/c")) << "already there counts";
    std::ofstream(root + "/a/file.txt") << "x";
    std::ofstream(root + "/a/\xFF\xFEraw") << "x";
    EXPECT_TRUE(FileExists(root + "/a/file.txt"));
    EXPECT_FALSE(FileExists(root + "/a/b"));
    EXPECT_TRUE(DirectoryExists(root + "/a/b"));
    EXPECT_FALSE(DirectoryExists(root + "/a/file.txt"));
    EXPECT_FALSE(FileExists(""));

    std::vector<DirEntry> entries;
    ASSERT_TRUE(ListDirectory(root + "/a", entries));
    std::sort(entries.begin(), entries.end(), [](const DirEntry& x, const DirEntry& y) { return x.name < y.name; });
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, "b");
    EXPECT_TRUE(entries[0].isDirectory);
    EXPECT_EQ(entries[1].name, "file.txt");
    EXPECT_EQ(entries[2].name, "\xFF\xFEraw") << "names kept as bytes";
    EXPECT_FALSE(ListDirectory(root + "/missing", entries));
    EXPECT_TRUE(entries.empty());
    EXPECT_FALSE(CreateDirectories(root + "/a/file.txt/sub"));
}
