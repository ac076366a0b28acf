// Adding senders up to the project's limit.
#include "host/vistrano_data.h"
#include "sim_fixture.h"

using SenderLimit = SimTest;

TEST_F(SenderLimit, NewSendersStopAt255)
{
    CProjectData* p = GetProjectData();
    for (int i = 0; i < kMaxSenderCount; ++i)
        ASSERT_EQ(p->NewSender(), i);
    EXPECT_EQ(p->NewSender(), -1);
    EXPECT_EQ(p->GetSenderCount(), 255);
    EXPECT_EQ(GetRuntimeData()->GetSenderCountLimit(0, 0, 0), 0);
    EXPECT_EQ(sim::ValidateProject(sim::GetProject()), "");
}

TEST_F(SenderLimit, CountLimitIsWhatRemains)
{
    UseSample();
    EXPECT_EQ(GetRuntimeData()->GetSenderCountLimit(0, 0, 3), 248);
    EXPECT_EQ(GetRuntimeData()->GetSenderCountLimit(1, 0, 0), 248);
    EXPECT_EQ(GetRuntimeData()->GetSenderCountLimit(0, 1, 0), 0) << "a single-sender product is full";
    sim::ResetWorld();
    EXPECT_EQ(GetRuntimeData()->GetSenderCountLimit(0, 1, 0), 1);
}

TEST_F(SenderLimit, NewSendersTakeTheFirstSendersPortsAndTheChosenGroup)
{
    UseSample();
    const std::string hallB = sim::GetProject().groups[1].id;
    GetRuntimeData()->SetAddGroupId(1, hallB);
    const int i = GetProjectData()->NewSender();
    ASSERT_EQ(i, 7);
    CSender* s = GetProjectData()->GetSender(i);
    EXPECT_EQ(s->GetPortCount(), 24);
    EXPECT_EQ(s->GetScBelongGroup(), hallB);
    EXPECT_FALSE(s->GetId().empty());
    EXPECT_NE(s->GetId(), GetProjectData()->GetSender(0)->GetId());
    GetRuntimeData()->SetAddGroupId(0, hallB);
    EXPECT_EQ(GetProjectData()->GetSender(GetProjectData()->NewSender())->GetScBelongGroup(), "");
}
