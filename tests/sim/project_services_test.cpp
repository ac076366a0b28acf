// Senders, ports, tile sets, groups and source/backup pairs as the page sees
// them, and adding senders up to the project's limit.
#include "host/vistrano_data.h"
#include "sim_fixture.h"

#include <tuple>

namespace {

const CRect kNoArea(-1, -1, -1, -1);

// MatchSrcBackup as one tuple: found, source, backup, which end was asked,
// the other end's port; -7 where it left an output alone.
std::tuple<bool, int, int, int, int> Match(int sender, int port)
{
    int source = -7, backup = -7, second = -7, partner = -7;
    const bool found = GetProjectData()->MatchSrcBackup(sender, port, source, backup, second, &partner);
    return {found, source, backup, second, partner};
}

} // namespace

using ProjectServices = SimTest;

TEST_F(ProjectServices, SendersPortsReceiversAndNamesOfTheSample)
{
    UseSample();
    CProjectData* p = GetProjectData();
    ASSERT_EQ(p->GetSenderCount(), 7);
    EXPECT_EQ(std::tuple(p->GetSender(7), p->GetSender(-1)), (std::tuple<CSender*, CSender*>(nullptr, nullptr)));
    CSender* main = p->GetSender(0);
    EXPECT_EQ(std::tuple(main->GetSenderName(), main->GetPortCount(), main->GetFiberPortCount()),
              std::tuple("Main Wall", 24, 0));
    EXPECT_EQ(main->GetPort(24), nullptr);
    CTileSet* tiles = main->GetPort(1)->GetPortProject()->GetTileSet();
    EXPECT_EQ(std::tuple(main->GetPort(1)->GetTilesCount(), tiles->GetRcvCount()), std::tuple(30, 30));
    // Port 1 continues the serpentine of a 36-wide wall of 96-pixel cabinets.
    EXPECT_EQ(tiles->GetRectByRcvCnntIndex(0), CRect(30 * 96, 0, 31 * 96, 96));
    EXPECT_EQ(tiles->GetRectByRcvCnntIndex(30), CRect());
    EXPECT_EQ(main->GetBound(), CRect(0, 0, 36 * 96, 20 * 96));
    EXPECT_EQ(std::tuple(p->GetSender(4)->GetFiberPortCount(), p->GetSender(4)->GetFiberPort(3)->GetTilesCount()),
              std::tuple(16, 16));

    EXPECT_EQ(std::tuple(p->GetShowSenderName(0, 0), p->GetShowSenderName(0, 1), p->GetShowSenderName(9, 0)),
              std::tuple("Main Wall", "Main Wall(192.168.0.10)", ""));
    p->GetSender(2)->SetSenderName("");
    EXPECT_EQ(p->GetShowSenderName(2, 0), "Sender 3");
    p->SetCurrentSender(4);
    p->SetCurrentSender(40);
    EXPECT_EQ(std::tuple(p->GetCurSenderIndex(), p->GetDemoModeEnable()), std::tuple(4, 0));
}

TEST_F(ProjectServices, NormalisedTileSetIsRelativeToTheSendersBound)
{
    sim::ProjectModel p = sim::GenerateProject({.senders = 1, .portsPerSender = 2, .receiversPerPort = 2});
    p.senders[0].ports[0].receivers = {CRect(100, 50, 164, 114), CRect(164, 50, 228, 114)};
    p.senders[0].ports[1].receivers = {CRect(100, 114, 164, 178)};
    Use(p);
    CNumberedTileSet copy;
    GetProjectData()->GetSender(0)->GetPort(1)->GetPortProject()->GetTileSet()->GetTileSetNumberedNormalization(copy);
    ASSERT_EQ(copy.GetRcvCount(), 1);
    EXPECT_EQ(copy.GetRectByRcvCnntIndex(0), CRect(0, 64, 64, 128)) << "ports share the sender's origin";
}

// Deleting takes the sender's pairs with it; services and the current
// sender stay on their sender, a service of the deleted one answers neutrally.
TEST_F(ProjectServices, DeletingSenders)
{
    UseSample();
    CProjectData* p = GetProjectData();
    CSender *mosaic = p->GetSender(5), *stage = p->GetSender(6);
    CPort* stagePort = stage->GetPort(0);
    p->SetCurrentSender(5);
    ASSERT_EQ(p->DeleteSender(1, 1, 0, 0, nullptr), 1);
    EXPECT_FALSE(std::get<0>(Match(0, 0)));
    EXPECT_TRUE(sim::GetProject().backups.empty());
    EXPECT_EQ(std::tuple(p->GetSender(4), mosaic->GetSenderName(), p->GetCurSenderIndex()),
              std::tuple(mosaic, "Lobby Mosaic", 4));

    p->SetCurrentSender(5);
    ASSERT_EQ(p->DeleteSender(5, 1, 0, 0, nullptr), 1);
    EXPECT_EQ(p->GetCurSenderIndex(), 4) << "the last sender deleted: the one before it";
    EXPECT_EQ(p->DeleteSender(5, 1, 0, 0, nullptr), 0);
    EXPECT_EQ(std::tuple(stage->GetPortCount(), stage->GetId(), stage->GetMonitorRenderArea()),
              std::tuple(0, "", kNoArea));
    EXPECT_EQ(
        std::tuple(stagePort->GetTilesCount(), stagePort->GetPortProject()->GetTileSet()->GetRectByRcvCnntIndex(0)),
        std::tuple(0, CRect()));
    stage->SetSenderName("ghost");
    for (const sim::SenderModel& s : sim::GetProject().senders)
        EXPECT_NE(s.name, "ghost");
}

TEST_F(ProjectServices, ViewRecordAndItsReset)
{
    UseSample();
    CSender* s = GetProjectData()->GetSender(3);
    EXPECT_EQ(std::tuple(s->GetMonitorRenderArea(), s->GetMonitorRenderRelativePos()), std::tuple(kNoArea, -1));
    s->SetMonitorRenderArea(CRect(24, 24, 400, 90));
    s->SetMonitorRcvOffsetPt(CPoint(24, 110));
    s->SetMonitorRenderRelativePos(2);
    s->SetMonitorRenderRelativePos(8);
    EXPECT_EQ(s->GetMonitorRenderRelativePos(), 2) << "a side outside 0..7 is refused";
    s->ResetMonitorRenderParam(0);
    EXPECT_EQ(std::tuple(s->GetMonitorRenderArea(), s->GetMonitorRenderRelativePos(), s->GetMonitorRcvOffsetPt()),
              std::tuple(kNoArea, 2, CPoint(24, 110)));
    s->ResetMonitorRenderParam(1);
    EXPECT_EQ(s->GetMonitorRenderRelativePos(), -1);
}

TEST_F(ProjectServices, GroupsAndRegrouping)
{
    UseSample();
    CProjectData* p = GetProjectData();
    const std::vector<SSenderGroupInfo> groups = p->GetAllSenderGroup();
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(std::tuple(groups[0].strName, p->GetSenderGroupCount(), p->GetSenderGroupID(1), p->GetSenderGroupID(2)),
              std::tuple("Hall A", 2, groups[1].strId, ""));
    EXPECT_EQ(p->GetSendersInGroup(groups[0].strId), (std::vector<int>{0, 1}));
    EXPECT_EQ(p->GetSendersInGroup(""), (std::vector<int>{4, 5, 6}));

    const std::string hall = p->AddGroupInfo("Hall C");
    EXPECT_EQ(p->GetSenderGroupCount(), 3);
    p->GetSender(5)->SetScBelongGroup(hall);
    p->GetSender(6)->SetScBelongGroup("{unknown}");
    EXPECT_EQ(p->GetSendersInGroup(hall), (std::vector<int>{5}));
    EXPECT_EQ(p->GetSender(6)->GetScBelongGroup(), "") << "an unknown group is refused";
    p->SetGroupName(hall, "Foyer");
    p->SetGroupName(hall, "");
    EXPECT_EQ(p->GetAllSenderGroup()[2].strName, "Foyer");
    for (const int expand : {0, 1, 0}) {
        p->SetGroupExpand(hall, expand);
        EXPECT_EQ(p->GetGroupExpand(hall), expand);
    }
    p->DeleteSenderGroup(groups[0].strId);
    EXPECT_EQ(std::tuple(p->GetSenderGroupCount(), p->GetSender(0)->GetScBelongGroup()), std::tuple(2, ""));
    EXPECT_EQ(sim::ValidateProject(sim::GetProject()), "");
}

// The first index is the source whichever end is asked; the second says
// which end was asked; unpaired ports and senders leave the outputs alone.
TEST_F(ProjectServices, SourceBackupPairsFromEitherEnd)
{
    UseSample();
    const std::tuple<int, int, std::tuple<bool, int, int, int, int>> cases[] = {
        {0, 5, {true, 0, 1, 0, 5}},       {1, 23, {true, 0, 1, 1, 23}},     {2, 0, {false, -7, -7, -7, -7}},
        {0, 24, {false, -7, -7, -7, -7}}, {0, -1, {false, -7, -7, -7, -7}}, {7, 0, {false, -7, -7, -7, -7}},
        {-1, 0, {false, -7, -7, -7, -7}},
    };
    for (const auto& [sender, port, match] : cases)
        EXPECT_EQ(Match(sender, port), match) << sender << "/" << port;
    int source = 0, backup = 0, second = 0;
    EXPECT_TRUE(GetProjectData()->MatchSrcBackup(1, 0, source, backup, second)) << "the partner port is optional";
    EXPECT_EQ(second, 1);
    CProjectData* p = GetProjectData();
    EXPECT_EQ(std::tuple(p->IsSenderBackupDest(0), p->IsSenderBackupDest(1),
                         p->GetSender(1)->GetPort(2)->IsBackupDest(), p->GetSender(0)->GetPort(2)->IsBackupDest(),
                         p->GetSender(4)->GetFiberPort(7)->IsBackupDest(),
                         p->GetSender(4)->GetFiberPort(8)->IsBackupDest()),
              std::tuple(0, 1, 1, 0, 0, 1));

    // Fewer ports drop their links; more than a sender may have are held.
    p->GetSender(1)->SetPortCount(20);
    EXPECT_TRUE(std::get<0>(Match(0, 19)));
    EXPECT_FALSE(std::get<0>(Match(0, 20)));
    EXPECT_EQ(sim::ValidateProject(sim::GetProject()), "");
    p->GetSender(1)->SetPortCount(500);
    EXPECT_EQ(p->GetSender(1)->GetPortCount(), sim::kMaxPortsPerSender);
}

TEST_F(ProjectServices, ASenderCanBackItselfUp)
{
    sim::ProjectModel p = sim::GenerateProject({.senders = 2, .portsPerSender = 4, .receiversPerPort = 2});
    p.backups.push_back({p.senders[1].id, 0, p.senders[1].id, 3});
    Use(p);
    EXPECT_EQ(Match(1, 3), std::tuple(true, 1, 1, 1, 0));
    EXPECT_EQ(Match(1, 0), std::tuple(true, 1, 1, 0, 3));
    CSender* s = GetProjectData()->GetSender(1);
    EXPECT_EQ(GetProjectData()->IsSenderBackupDest(1), 0) << "backing itself up is not being another's backup";
    EXPECT_EQ(std::tuple(s->GetPort(3)->IsBackupDest(), s->GetPort(0)->IsBackupDest()), std::tuple(1, 0));
}

TEST_F(ProjectServices, NewSendersStopAtTheLimit)
{
    CProjectData* p = GetProjectData();
    for (int i = 0; i < kMaxSenderCount; ++i)
        ASSERT_EQ(p->NewSender(), i);
    EXPECT_EQ(p->NewSender(), -1);
    EXPECT_EQ(std::tuple(p->GetSenderCount(), GetRuntimeData()->GetSenderCountLimit(0, 0, 0)), std::tuple(255, 0));
    EXPECT_EQ(sim::ValidateProject(sim::GetProject()), "");
    sim::ResetWorld();
    EXPECT_EQ(GetRuntimeData()->GetSenderCountLimit(0, 1, 0), 1);
}

// The limit is what remains (a single-sender product is full); a new sender
// takes the first sender's ports and the chosen group when asked to.
TEST_F(ProjectServices, NewSendersInTheSample)
{
    UseSample();
    CRuntimeData* r = GetRuntimeData();
    EXPECT_EQ(
        std::tuple(r->GetSenderCountLimit(0, 0, 3), r->GetSenderCountLimit(1, 0, 0), r->GetSenderCountLimit(0, 1, 0)),
        std::tuple(248, 248, 0));
    const std::string hallB = sim::GetProject().groups[1].id;
    r->SetAddGroupId(1, hallB);
    ASSERT_EQ(GetProjectData()->NewSender(), 7);
    CSender* s = GetProjectData()->GetSender(7);
    EXPECT_EQ(std::tuple(s->GetPortCount(), s->GetScBelongGroup()), std::tuple(24, hallB));
    EXPECT_FALSE(s->GetId().empty());
    EXPECT_NE(s->GetId(), GetProjectData()->GetSender(0)->GetId());
    r->SetAddGroupId(0, hallB);
    EXPECT_EQ(GetProjectData()->GetSender(GetProjectData()->NewSender())->GetScBelongGroup(), "");
}
