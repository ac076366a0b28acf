// Whole-file reads that refuse what is not a bounded regular file, and
// writes that fail whole when the file takes no more bytes.
#include "platform/file_io.h"

#include "file_size_limit.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace {

class FileIo : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::string Path(const std::string& name) const { return dir.path().toStdString() + "/" + name; }
    std::string Put(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }
    std::string Content(const std::string& name) const
    {
        std::ifstream in(Path(name), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::size_t FileCount() const
    {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir.path().toStdString()),
                                                      std::filesystem::directory_iterator()));
    }
};

} // namespace

TEST_F(FileIo, ReadRefusesWhatIsNotARegularFileWithoutWaitingOrFillingMemory)
{
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    ::symlink("/dev/zero", Path("zero-link").c_str());
    struct Case {
        std::string path, reason;
    } cases[] = {
        {Path("fifo"), "pipe"},  // would block in open and read for ever
        {"/dev/zero", "device"}, // endless
        {"/dev/urandom", "device"},
        {Path("zero-link"), "device"},
        {dir.path().toStdString(), "folder"},
        {Path("missing"), "No such file"},
    };
    for (const Case& c : cases) {
        std::string bytes = "untouched", error;
        EXPECT_FALSE(plat::ReadFileBytes(c.path, plat::kMaxTextFileBytes, bytes, error)) << c.path;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.path << ": " << error;
        EXPECT_EQ(bytes, "untouched");
    }
}

TEST_F(FileIo, ReadRefusesFilesAboveTheLimitBeforeReadingThem)
{
    const std::string path = Put("small", std::string(100, 'x'));
    std::string bytes, error;
    EXPECT_TRUE(plat::ReadFileBytes(path, 100, bytes, error)) << error;
    EXPECT_EQ(bytes.size(), 100u);
    EXPECT_FALSE(plat::ReadFileBytes(path, 99, bytes, error));
    EXPECT_NE(error.find("larger than 99 bytes"), std::string::npos) << error;

    // A sparse file far beyond the memory: refused by its size alone.
    const std::string huge = Path("huge");
    std::ofstream(huge).close();
    ASSERT_EQ(::truncate(huge.c_str(), off_t{1} << 40), 0);
    EXPECT_FALSE(plat::ReadFileBytes(huge, plat::kMaxProjectFileBytes, bytes, error));
    EXPECT_NE(error.find("larger than 256 MiB"), std::string::npos) << error;
}

// Each writer under a file size limit: it fails with the reason, and the
// files are as before (no half-written file, no temporary left behind).
TEST_F(FileIo, WritesThatRunOutOfSpaceFailAndLeaveTheFilesAsTheyWere)
{
    const std::string old(300, 'o'), big(4096, 'n');
    const std::pair<const char*, std::function<bool(const std::string&, std::string&)>> cases[] = {
        {"replace", [&](const std::string& p, std::string& e) { return !plat::ReplaceFile(p, big, e); }},
        {"append", [&](const std::string& p, std::string& e) { return !plat::AppendToFile(p, big, e); }},
        {"new",
         [&](const std::string& p, std::string& e) {
             return plat::CreateNewFile(p + ".new", big, e) == plat::NewFile::Failed;
         }},
    };
    for (const auto& [name, fails] : cases) {
        const std::string path = Put(name, old);
        const std::size_t files = FileCount();
        std::string error;
        bool failed;
        {
            FileSizeLimit limit(1000);
            failed = fails(path, error);
        }
        EXPECT_TRUE(failed) << name;
        EXPECT_NE(error.find("too large"), std::string::npos) << name << ": " << error;
        EXPECT_EQ(Content(name), old) << name;
        EXPECT_FALSE(std::filesystem::exists(path + ".new")) << name;
        EXPECT_EQ(FileCount(), files) << name << ": a temporary file was left";
    }
}

TEST_F(FileIo, ReplaceKeepsTheLinkAndThePermissionsAndRefusesWhatIsNoFile)
{
    const std::string real = Put("real.json", "old");
    ::chmod(real.c_str(), 0640);
    ASSERT_EQ(::symlink(real.c_str(), Path("link.json").c_str()), 0);
    std::string error;
    ASSERT_TRUE(plat::ReplaceFile(Path("link.json"), "new", error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(Path("link.json")));
    EXPECT_EQ(Content("real.json"), "new");
    struct stat st {};
    ::stat(real.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    EXPECT_FALSE(plat::ReplaceFile(Path("fifo"), "x", error));
    EXPECT_FALSE(plat::ReplaceFile(dir.path().toStdString(), "x", error));
    EXPECT_TRUE(std::filesystem::is_fifo(Path("fifo")));

    EXPECT_EQ(plat::CreateNewFile(real, "x", error), plat::NewFile::Exists);
    EXPECT_EQ(Content("real.json"), "new");
}
