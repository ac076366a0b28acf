// Source/backup pairs as the page asks for them.
#include "host/vistrano_data.h"
#include "sim_fixture.h"

#include <tuple>

namespace {

struct Match {
    bool found = false;
    int source = -7, backup = -7, second = -7, partner = -7;
};

Match Ask(int sender, int port)
{
    Match m;
    m.found = GetProjectData()->MatchSrcBackup(sender, port, m.source, m.backup, m.second, &m.partner);
    return m;
}

} // namespace

using BackupMatch = SimTest;

// The first index is the source whichever end is asked; the second says
// which end was asked, the partner is the other end's port.
TEST_F(BackupMatch, EitherEndReportsThePairItsEndAndThePartnerPort)
{
    UseSample();
    const std::tuple<int, int, int, int> cases[] = {{0, 5, 0, 5}, {1, 23, 1, 23}};
    for (const auto& [sender, port, second, partner] : cases) {
        const Match m = Ask(sender, port);
        ASSERT_TRUE(m.found) << sender << "/" << port;
        EXPECT_EQ(m.source, 0);
        EXPECT_EQ(m.backup, 1);
        EXPECT_EQ(m.second, second);
        EXPECT_EQ(m.partner, partner);
    }
    int source = 0, backup = 0, second = 0;
    EXPECT_TRUE(GetProjectData()->MatchSrcBackup(1, 0, source, backup, second)) << "the partner port is optional";
    EXPECT_EQ(second, 1);
}

TEST_F(BackupMatch, UnpairedPortsAndSendersAnswerFalseAndLeaveTheOutputs)
{
    UseSample();
    for (const auto& [sender, port] : {std::pair{2, 0}, {0, 24}, {0, -1}, {7, 0}, {-1, 0}}) {
        const Match m = Ask(sender, port);
        EXPECT_FALSE(m.found) << sender << "/" << port;
        EXPECT_EQ(m.source, -7);
        EXPECT_EQ(m.partner, -7);
    }
}

TEST_F(BackupMatch, ASenderCanBackItselfUp)
{
    sim::ProjectModel p = sim::GenerateProject({.senders = 2, .portsPerSender = 4, .receiversPerPort = 2});
    p.backups.push_back({p.senders[1].id, 0, p.senders[1].id, 3});
    std::string error;
    ASSERT_TRUE(sim::SetProject(p, error)) << error;
    Match m = Ask(1, 3);
    ASSERT_TRUE(m.found);
    EXPECT_EQ(m.source, 1);
    EXPECT_EQ(m.backup, 1);
    EXPECT_EQ(m.second, 1);
    EXPECT_EQ(m.partner, 0);
    m = Ask(1, 0);
    EXPECT_EQ(m.second, 0);
    EXPECT_EQ(m.partner, 3);
    EXPECT_EQ(GetProjectData()->IsSenderBackupDest(1), 0) << "backing itself up is not being another's backup";
    EXPECT_EQ(GetProjectData()->GetSender(1)->GetPort(3)->IsBackupDest(), 1);
    EXPECT_EQ(GetProjectData()->GetSender(1)->GetPort(0)->IsBackupDest(), 0);
}

TEST_F(BackupMatch, BackupDestinationsOfSendersAndPorts)
{
    UseSample();
    CProjectData* p = GetProjectData();
    EXPECT_EQ(p->IsSenderBackupDest(0), 0);
    EXPECT_EQ(p->IsSenderBackupDest(1), 1);
    EXPECT_EQ(p->GetSender(1)->GetPort(2)->IsBackupDest(), 1);
    EXPECT_EQ(p->GetSender(0)->GetPort(2)->IsBackupDest(), 0);
    CSender* tower = p->GetSender(4);
    EXPECT_EQ(tower->GetFiberPort(7)->IsBackupDest(), 0);
    EXPECT_EQ(tower->GetFiberPort(8)->IsBackupDest(), 1);
}

TEST_F(BackupMatch, DeletingASenderRemovesItsPairs)
{
    UseSample();
    ASSERT_EQ(GetProjectData()->DeleteSender(1, 1, 0, 0, nullptr), 1);
    EXPECT_FALSE(Ask(0, 0).found);
    EXPECT_TRUE(sim::GetProject().backups.empty());
}
