// Senders, ports, tile sets and groups as the page sees them.
#include "host/vistrano_data.h"
#include "sim_fixture.h"

using ProjectServices = SimTest;

TEST_F(ProjectServices, SendersPortsAndReceiversOfTheSample)
{
    UseSample();
    CProjectData* p = GetProjectData();
    ASSERT_EQ(p->GetSenderCount(), 7);
    EXPECT_EQ(p->GetSender(7), nullptr);
    EXPECT_EQ(p->GetSender(-1), nullptr);
    CSender* main = p->GetSender(0);
    EXPECT_EQ(main->GetSenderName(), "Main Wall");
    EXPECT_EQ(main->GetPortCount(), 24);
    EXPECT_EQ(main->GetFiberPortCount(), 0);
    EXPECT_EQ(main->GetPort(24), nullptr);
    CPort* port = main->GetPort(1);
    EXPECT_EQ(port->GetTilesCount(), 30);
    CTileSet* tiles = port->GetPortProject()->GetTileSet();
    EXPECT_EQ(tiles->GetRcvCount(), 30);
    // Port 1 continues the serpentine of a 36-wide wall of 96-pixel cabinets.
    EXPECT_EQ(tiles->GetRectByRcvCnntIndex(0), CRect(30 * 96, 0, 31 * 96, 96));
    EXPECT_EQ(tiles->GetRectByRcvCnntIndex(30), CRect());
    EXPECT_EQ(main->GetBound(), CRect(0, 0, 36 * 96, 20 * 96));
    EXPECT_EQ(p->GetSender(4)->GetFiberPortCount(), 16);
    EXPECT_EQ(p->GetSender(4)->GetFiberPort(3)->GetTilesCount(), 16);
}

TEST_F(ProjectServices, NormalisedTileSetIsRelativeToTheSendersBound)
{
    sim::ProjectModel p = sim::GenerateProject({.senders = 1, .portsPerSender = 2, .receiversPerPort = 2});
    p.senders[0].ports[0].receivers = {CRect(100, 50, 164, 114), CRect(164, 50, 228, 114)};
    p.senders[0].ports[1].receivers = {CRect(100, 114, 164, 178)};
    std::string error;
    ASSERT_TRUE(sim::SetProject(p, error)) << error;
    CNumberedTileSet copy;
    GetProjectData()->GetSender(0)->GetPort(1)->GetPortProject()->GetTileSet()->GetTileSetNumberedNormalization(copy);
    ASSERT_EQ(copy.GetRcvCount(), 1);
    EXPECT_EQ(copy.GetRectByRcvCnntIndex(0), CRect(0, 64, 64, 128)) << "ports share the sender's origin";
}

TEST_F(ProjectServices, AServiceOfADeletedSenderAnswersNeutrally)
{
    UseSample();
    CSender* stage = GetProjectData()->GetSender(6);
    CPort* port = stage->GetPort(0);
    ASSERT_EQ(GetProjectData()->DeleteSender(6, 1, 0, 0, nullptr), 1);
    EXPECT_EQ(stage->GetPortCount(), 0);
    EXPECT_EQ(stage->GetId(), "");
    EXPECT_EQ(stage->GetMonitorRenderArea(), CRect(-1, -1, -1, -1));
    stage->SetSenderName("ghost");
    EXPECT_EQ(port->GetTilesCount(), 0);
    EXPECT_EQ(port->GetPortProject()->GetTileSet()->GetRectByRcvCnntIndex(0), CRect());
    for (const sim::SenderModel& s : sim::GetProject().senders)
        EXPECT_NE(s.name, "ghost");
}

TEST_F(ProjectServices, ViewRecordAndItsReset)
{
    UseSample();
    CSender* s = GetProjectData()->GetSender(3);
    EXPECT_EQ(s->GetMonitorRenderArea(), CRect(-1, -1, -1, -1));
    EXPECT_EQ(s->GetMonitorRenderRelativePos(), -1);
    s->SetMonitorRenderArea(CRect(24, 24, 400, 90));
    s->SetMonitorRcvOffsetPt(CPoint(24, 110));
    s->SetMonitorRenderRelativePos(2);
    s->SetMonitorRenderRelativePos(8);
    EXPECT_EQ(s->GetMonitorRenderRelativePos(), 2) << "a side outside 0..7 is refused";
    s->ResetMonitorRenderParam(0);
    EXPECT_EQ(s->GetMonitorRenderArea(), CRect(-1, -1, -1, -1));
    EXPECT_EQ(s->GetMonitorRenderRelativePos(), 2);
    EXPECT_EQ(s->GetMonitorRcvOffsetPt(), CPoint(24, 110));
    s->ResetMonitorRenderParam(1);
    EXPECT_EQ(s->GetMonitorRenderRelativePos(), -1);
}

TEST_F(ProjectServices, FewerPortsDropTheirBackupLinks)
{
    UseSample();
    GetProjectData()->GetSender(1)->SetPortCount(20);
    int source = 0, backup = 0, second = 0;
    EXPECT_TRUE(GetProjectData()->MatchSrcBackup(0, 19, source, backup, second));
    EXPECT_FALSE(GetProjectData()->MatchSrcBackup(0, 20, source, backup, second));
    EXPECT_EQ(sim::ValidateProject(sim::GetProject()), "");
    GetProjectData()->GetSender(1)->SetPortCount(500);
    EXPECT_EQ(GetProjectData()->GetSender(1)->GetPortCount(), sim::kMaxPortsPerSender);
}

TEST_F(ProjectServices, GroupsAndRegrouping)
{
    UseSample();
    CProjectData* p = GetProjectData();
    const std::vector<SSenderGroupInfo> groups = p->GetAllSenderGroup();
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].strName, "Hall A");
    EXPECT_EQ(p->GetSenderGroupCount(), 2);
    EXPECT_EQ(p->GetSenderGroupID(1), groups[1].strId);
    EXPECT_EQ(p->GetSenderGroupID(2), "");
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
    p->SetGroupExpand(hall, 0);
    EXPECT_EQ(p->GetGroupExpand(hall), 0);
    p->SetGroupExpand(hall, 1);
    EXPECT_EQ(p->GetGroupExpand(hall), 1);

    p->DeleteSenderGroup(groups[0].strId);
    EXPECT_EQ(p->GetSenderGroupCount(), 2);
    EXPECT_EQ(p->GetSender(0)->GetScBelongGroup(), "");
    EXPECT_EQ(sim::ValidateProject(sim::GetProject()), "");
}

TEST_F(ProjectServices, ShowNamesAndCurrentSender)
{
    UseSample();
    CProjectData* p = GetProjectData();
    EXPECT_EQ(p->GetShowSenderName(0, 0), "Main Wall");
    EXPECT_EQ(p->GetShowSenderName(0, 1), "Main Wall(192.168.0.10)");
    p->GetSender(2)->SetSenderName("");
    EXPECT_EQ(p->GetShowSenderName(2, 0), "Sender 3");
    EXPECT_EQ(p->GetShowSenderName(9, 0), "");
    p->SetCurrentSender(4);
    p->SetCurrentSender(40);
    EXPECT_EQ(p->GetCurSenderIndex(), 4);
    EXPECT_EQ(p->GetDemoModeEnable(), 0);
}

// A service and the current sender stay on their sender when others go.
TEST_F(ProjectServices, DeletingKeepsServicesAndTheCurrentSenderOnTheirSender)
{
    UseSample();
    CProjectData* p = GetProjectData();
    CSender* mosaic = p->GetSender(5);
    p->SetCurrentSender(5);
    ASSERT_EQ(p->DeleteSender(2, 1, 0, 0, nullptr), 1);
    EXPECT_EQ(mosaic->GetSenderName(), "Lobby Mosaic");
    EXPECT_EQ(p->GetSender(4), mosaic);
    EXPECT_EQ(p->GetCurSenderIndex(), 4);
    p->SetCurrentSender(5);
    p->DeleteSender(5, 1, 0, 0, nullptr);
    EXPECT_EQ(p->GetCurSenderIndex(), 4) << "the last sender deleted: the one before it";
    EXPECT_EQ(p->DeleteSender(5, 1, 0, 0, nullptr), 0);
}
