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
#include <tuple>

using namespace plat;

TEST(Path, BackslashNamesBecomeNativePathsWithFileNameAndFolder)
{
    EXPECT_EQ(NativePath("Monitor\\PortFrame\\Normal.png"), "Monitor/PortFrame/Normal.png");
    EXPECT_EQ(JoinPath("/skin", "DPI150\\"), "/skin/DPI150/");
    EXPECT_EQ(JoinPath("/skin/DPI150/", "Monitor\\SenderFrame\\Normal.png"),
              "/skin/DPI150/Monitor/SenderFrame/Normal.png");
    EXPECT_EQ(JoinPath("/skin//", "\\x.png"), "/skin/x.png") << "exactly one separator";
    EXPECT_EQ(JoinPath("", "a\\b"), "a/b");
    EXPECT_EQ(JoinPath("/base", ""), "/base");
    EXPECT_EQ(JoinPath("/", "etc"), "/etc");
    EXPECT_EQ(std::tuple(FileNameOf("/a/b/2024-01-02.txt"), FileNameOf("Monitor\\Warning.png"), FileNameOf("plain"),
                         FileNameOf("/a/b/"), FolderOf("/a/b/c.txt"), FolderOf("c.txt")),
              std::tuple("2024-01-02.txt", "Warning.png", "plain", "", "/a/b", ""));
    EXPECT_EQ(FolderOf("/c.txt"), "/") << "the root keeps its separator";
}

TEST(Shell, MainExecutableFolderEndsWithASeparator)
{
    const std::string folder = GetMainExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(FileExists(folder + "platform_tests"));
}

TEST(Shell, DocumentsFolderProviderReplacesTheLookupThatReadsTheUserDirsFile)
{
    SetDocumentsFolderProvider([] { return std::optional<std::string>("/tmp/docs"); });
    EXPECT_EQ(GetDocumentsFolder(), "/tmp/docs");
    SetDocumentsFolderProvider([] { return std::optional<std::string>(); });
    EXPECT_EQ(GetDocumentsFolder(), std::nullopt);
    SetDocumentsFolderProvider({});
    if (const auto found = GetDocumentsFolder()) {
        EXPECT_TRUE(DirectoryExists(*found)) << "the real lookup only answers folders that exist";
    }
    // The home folder itself, a relative folder, a comment and other keys mean none.
    const std::pair<const char*, std::optional<std::string>> lines[]
        = {{"XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"", "/home/u/Dokumente"},
           {"  XDG_DOCUMENTS_DIR=\"/data/docs/\"\r", "/data/docs"},
           {"XDG_DOCUMENTS_DIR=\"$HOME/\"", {}},
           {"XDG_DOCUMENTS_DIR=\"docs\"", {}},
           {"# XDG_DOCUMENTS_DIR=\"$HOME/x\"", {}},
           {"XDG_DOWNLOAD_DIR=\"$HOME/x\"", {}},
           {"XDG_DOCUMENTS_DIRX=\"$HOME/x\"", {}}};
    for (const auto& [line, folder] : lines)
        EXPECT_EQ(detail::ParseUserDirsLine(line, "XDG_DOCUMENTS_DIR", "/home/u"), folder) << line;
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
    FileOpener previous
        = SetFileOpener([&](const std::string& p, const std::string& v, int) { return opened = p, verb = v, true; });
    EXPECT_TRUE(ShellOpen("/logs/2024-01-02.txt"));
    EXPECT_EQ(std::pair(opened, verb), std::pair(std::string("/logs/2024-01-02.txt"), std::string("open")));
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
    EXPECT_TRUE(FileExists(root + "/a/file.txt") && DirectoryExists(root + "/a/b"));
    EXPECT_FALSE(FileExists(root + "/a/b") || DirectoryExists(root + "/a/file.txt") || FileExists(""));

    std::vector<DirEntry> entries;
    ASSERT_TRUE(ListDirectory(root + "/a", entries));
    std::sort(entries.begin(), entries.end(), [](const DirEntry& x, const DirEntry& y) { return x.name < y.name; });
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(
        std::tuple(entries[0].name, entries[0].isDirectory, entries[1].name, entries[1].isDirectory, entries[2].name),
        std::tuple("b", true, "file.txt", false, "\xFF\xFEraw"))
        << "names kept as bytes";
    EXPECT_FALSE(ListDirectory(root + "/missing", entries) || !entries.empty());
    EXPECT_FALSE(CreateDirectories(root + "/a/file.txt/sub"));
}
