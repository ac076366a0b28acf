// Hostile project and language files (tests/sim/hostile/, and large ones
// made here): each is read without a crash, a hang or, in the sanitizer
// build, a report. Projects named ok-* open; every other one is refused
// with a message naming the file, and the open project stays.
#include "host/vistrano_language.h"
#include "language_file.h"
#include "sim/language.h"
#include "sim/project_file.h"
#include "sim_fixture.h"

#include "platform/profile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <random>

namespace {

std::vector<std::string> CorpusFiles(const std::string& prefix, const std::string& suffix)
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(MONITOR_HOSTILE_CORPUS)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(prefix) && name.ends_with(suffix))
            files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string RandomBytes(std::size_t n, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(n, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

class HostileFiles : public SimTest {
protected:
    // Files too large to keep in the source tree.
    std::vector<std::string> Made(const std::string& suffix, std::size_t sparseBytes, const std::string& nested)
    {
        std::vector<std::string> files;
        const auto put = [&](const std::string& name, const std::string& bytes) {
            std::ofstream(Path(name + suffix), std::ios::binary) << bytes;
            files.push_back(Path(name + suffix));
        };
        put("bad-random", RandomBytes(1 << 16, 7));
        put("bad-deep-nesting", nested);
        put("bad-too-large", "");
        EXPECT_EQ(::truncate(files.back().c_str(), static_cast<off_t>(sparseBytes)), 0);
        ::mkfifo(Path("bad-fifo" + suffix).c_str(), 0600);
        files.push_back(Path("bad-fifo" + suffix));
        files.push_back("/dev/zero");
        return files;
    }
};

} // namespace

TEST_F(HostileFiles, ProjectsOpenWhenSoundAndAreRefusedWholeOtherwise)
{
    std::vector<std::string> files = CorpusFiles("", ".json");
    ASSERT_GE(files.size(), 30u) << "the corpus is in " << MONITOR_HOSTILE_CORPUS;
    for (const std::string& made : Made(".json", (std::size_t{257} << 20), std::string(100000, '[')))
        files.push_back(made);
    sim::ProjectModel big = sim::GenerateProject({.receiversPerPort = 0});
    big.senders[0].ports[0].receivers.assign(65536, CRect(0, 0, 8, 8));
    files.push_back(Path("bad-65536-receivers.json"));
    std::ofstream(files.back()) << sim::WriteProjectJson(big);

    for (const std::string& file : files) {
        const bool sound = std::filesystem::path(file).filename().string().starts_with("ok-");
        UseSample();
        const sim::ProjectModel before = sim::GetProject();
        std::string error;
        EXPECT_EQ(sim::LoadProjectFile(file, error), sound) << file << ": " << error;
        if (!sound) {
            EXPECT_NE(error.find(file + ": "), std::string::npos) << error;
            EXPECT_TRUE(sim::GetProject().SameContent(before)) << file;
        }
    }
}

TEST_F(HostileFiles, LanguageFilesAreReadWithoutHarmAndKeepTheConfigurationFolderInPlace)
{
    std::vector<std::string> files = CorpusFiles("lang-", ".ini");
    ASSERT_GE(files.size(), 10u);
    for (const std::string& made :
         Made(".ini", (std::size_t{17} << 20), "[" + std::string(1 << 20, 'x') + "\nOK=" + std::string(1 << 20, 'y')))
        files.push_back(made);
    for (const std::string& file : files) {
        sim::LoadLanguageFile(file);
        EXPECT_FALSE(GetLanguageString("OK", "Common").empty()) << file;
        const std::string folder = sim::detail::ConfigurationFolderName(
            plat::GetProfileString(file, "Software", "SoftwareConfigurationPath", "", 260));
        EXPECT_EQ(folder.find_first_of("/\\"), std::string::npos) << file << ": " << folder;
        EXPECT_NE(folder, "..") << file;
    }
    sim::LoadLanguageFile(MONITOR_HOSTILE_CORPUS "/lang-cr-only.ini");
    EXPECT_EQ(GetLanguageString("OK", "Common"), "Fine") << "lines that end in CR alone";
    sim::LoadLanguageFile(sim::DefaultLanguageFile());
}
