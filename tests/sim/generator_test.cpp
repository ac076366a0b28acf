// The sample installation and the generator of large ones.
#include "sim/project_file.h"
#include "sim_fixture.h"

#include "platform/shell.h"

#include <QProcess>

#include <sys/resource.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <tuple>

// One pair of source and backup senders, 1400 to 1600 cabinets (backup
// senders and backup fibre outputs feed cabinets already counted), walls
// that do not overlap themselves; the file in the runtime folder is the same
// project. Its groups, fibre and wide senders are the services' tests' to see.
TEST(SampleProject, HasTheShapesTheProgramShowsAndShipsInTheRuntimeFolder)
{
    const sim::ProjectModel p = sim::MakeSampleProject();
    EXPECT_EQ(sim::ValidateProject(p), "");
    std::size_t cabinets = 0;
    for (const sim::SenderModel& s : p.senders) {
        std::vector<CRect> all;
        const std::size_t outputs = s.fiber ? s.fiberPorts.size() / 2 : s.ports.size();
        for (std::size_t i = 0; i < outputs; ++i)
            for (const CRect& r : (s.fiber ? s.fiberPorts : s.ports)[i].receivers)
                all.push_back(r);
        for (std::size_t i = 0; i < all.size(); ++i)
            for (std::size_t j = i + 1; j < all.size(); ++j)
                ASSERT_FALSE(CRect().IntersectRect(all[i], all[j])) << s.name << ": " << i << " and " << j;
        const auto backs = [&](const sim::BackupLink& l) { return l.backupId == s.id && l.sourceId != s.id; };
        cabinets += std::none_of(p.backups.begin(), p.backups.end(), backs) ? all.size() : 0;
    }
    std::set<std::pair<std::string, std::string>> pairs;
    for (const sim::BackupLink& l : p.backups)
        pairs.insert({l.sourceId, l.backupId});
    EXPECT_EQ(pairs.size(), 1u) << "one source/backup pair of senders";
    EXPECT_TRUE(cabinets >= 1400 && cabinets <= 1600) << cabinets;
    sim::ProjectModel shipped;
    std::string error;
    ASSERT_TRUE(sim::ReadProjectFile("Projects/sample.json", shipped, error)) << error;
    EXPECT_TRUE(shipped.SameContent(p));
}

TEST(GenerateProject, SizesOptionsFibreAndSeed)
{
    const sim::ProjectModel p = sim::GenerateProject(
        {.senders = 255, .portsPerSender = 16, .receiversPerPort = 20, .largeSenderReceivers = 10000});
    EXPECT_EQ(sim::ValidateProject(p), "") << "ids are unique too";
    ASSERT_EQ(p.senders.size(), 255u);
    EXPECT_EQ(
        std::tuple(sim::ReceiverCount(p.senders[0]), p.senders[0].ports.size(), sim::ReceiverCount(p.senders[254])),
        std::tuple(10000, 16u, 320));
    const sim::ProjectModel held = sim::GenerateProject({.senders = 900, .portsPerSender = 0, .receiversPerPort = -3});
    EXPECT_EQ(std::tuple(held.senders.size(), held.senders[0].ports.size(), sim::ReceiverCount(held.senders[0])),
              std::tuple(255u, 1u, 0));
    EXPECT_EQ(sim::ValidateProject(held), "");

    const sim::ProjectModel f
        = sim::GenerateProject({.senders = 2, .portsPerSender = 8, .receiversPerPort = 3, .fiberSenders = 1});
    EXPECT_EQ(sim::ValidateProject(f), "");
    ASSERT_EQ(f.senders.size(), 2u);
    EXPECT_EQ(
        std::tuple(f.senders[0].fiber, f.senders[0].ports.size(), f.senders[0].fiberPorts.size(), f.senders[1].fiber),
        std::tuple(true, 0u, std::size_t(sim::kFiberOutputs), false));
    EXPECT_EQ(f.senders[0].fiberPorts[1], f.senders[0].fiberPorts[9])
        << "a backup output feeds its main output's cabinets";

    EXPECT_TRUE(
        sim::GenerateProject({.senders = 3, .seed = 9}).SameContent(sim::GenerateProject({.senders = 3, .seed = 9})));
    EXPECT_NE(sim::GenerateProject({.senders = 3, .seed = 9}).senders[0].id,
              sim::GenerateProject({.senders = 3, .seed = 10}).senders[0].id);
}

TEST(GenerateProject, CabinetsFollowTheCablingOrder)
{
    const sim::ProjectModel p = sim::GenerateProject({.senders = 1, .portsPerSender = 2, .receiversPerPort = 9});
    const std::vector<CRect>& r = p.senders[0].ports[0].receivers;
    ASSERT_EQ(r.size(), 9u);
    // Neighbours in the cabling order touch: the cable never jumps.
    for (std::size_t k = 1; k < r.size(); ++k) {
        const bool side = r[k].top == r[k - 1].top && (r[k].left == r[k - 1].right || r[k].right == r[k - 1].left);
        const bool below = r[k].left == r[k - 1].left && r[k].top == r[k - 1].bottom;
        EXPECT_TRUE(side || below) << k;
    }
}

TEST(GenerateProject, TheFirstOptionOutOfRangeIsNamed)
{
    const std::pair<sim::GenerateOptions, std::string> cases[] = {
        {{}, ""},
        {{.senders = 256}, "senders must be from 1 to 255"},
        {{.portsPerSender = 0}, "ports must be from 1 to 160"},
        {{.receiversPerPort = 65536}, "receivers must be from 0 to 65535"},
        {{.portsPerSender = 2, .largeSenderReceivers = 131071}, "large must be from 0 to 131070"},
        {{.cabinetSize = 7}, "cabinet must be from 8 to 1024"},
    };
    for (const auto& [options, fault] : cases)
        EXPECT_EQ(sim::GenerateOptionsFault(options), fault);
    // Written but never opened again: the wall's width is past the project's coordinates.
    EXPECT_NE(sim::GenerateOptionsFault({.portsPerSender = 160, .receiversPerPort = 65535, .cabinetSize = 1024}), "");
}

// The tool refuses what it cannot write as asked, and a write that runs
// out of space leaves the old file.
class ProjectGenTool : public SimTest {
protected:
    int Run(const QStringList& args, std::size_t fileSizeLimit = 0)
    {
        QProcess process;
        if (fileSizeLimit)
            process.setChildProcessModifier([fileSizeLimit] {
                rlimit limit{fileSizeLimit, fileSizeLimit};
                ::setrlimit(RLIMIT_FSIZE, &limit);
            });
        process.start(QString::fromStdString(plat::GetMainExecutableFolder() + "project_gen"), args);
        process.waitForFinished(60000);
        stderrText = process.readAllStandardError().toStdString();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    std::string stderrText;
};

TEST_F(ProjectGenTool, RefusesArgumentsOutOfRangeWithUsage)
{
    const QString out = QString::fromStdString(Path("p.json"));
    const std::pair<QStringList, const char*> cases[] = {
        {{"--senders", "0"}, "--senders must be from 1 to 255"},
        {{"--ports", "161"}, "--ports must be from 1 to 160"},
        {{"--receivers", "99999999"}, "--receivers must be from 0 to 65535"},
        {{"--cabinet", "-5"}, "--cabinet takes a whole number"},
        {{"--seed", "4294967296"}, "--seed takes a whole number"},
        {{"--senders", "12abc"}, "--senders takes a whole number"},
        {{"--receivers", "65535", "--ports", "160", "--cabinet", "1024"}, "is wider than a project allows"},
        {{"--bogus"}, "unknown or incomplete argument --bogus"},
    };
    for (const auto& [args, message] : cases) {
        EXPECT_EQ(Run(QStringList{"--out", out} + args), 2) << args.join(' ').toStdString();
        EXPECT_NE(stderrText.find(message), std::string::npos) << stderrText;
        EXPECT_NE(stderrText.find("usage:"), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(Path("p.json")));
    }
    EXPECT_EQ(Run({"--out", out, "--senders", "255", "--seed", "4294967295", "--receivers", "0"}), 0) << stderrText;
}

TEST_F(ProjectGenTool, AWriteThatRunsOutOfSpaceFailsAndKeepsTheOldFile)
{
    const QString out = QString::fromStdString(Path("p.json"));
    ASSERT_EQ(Run({"--out", out, "--senders", "1"}), 0) << stderrText;
    const auto before = std::filesystem::file_size(Path("p.json"));
    EXPECT_EQ(Run({"--out", out, "--senders", "40"}, before), 1);
    EXPECT_NE(stderrText.find("too large"), std::string::npos) << stderrText;
    EXPECT_EQ(std::filesystem::file_size(Path("p.json")), before);
    sim::ProjectModel p;
    std::string error;
    EXPECT_TRUE(sim::ReadProjectFile(Path("p.json"), p, error)) << error;
}
