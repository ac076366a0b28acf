// The log of the page's calls into the host.
#include "host/vistrano_data.h"
#include "sim_fixture.h"

using CallLog = SimTest;

TEST_F(CallLog, RecordsOperationsWithTheirArgumentsInOrder)
{
    UseSample();
    sim::ClearCallLog();
    CSender* sender = GetProjectData()->GetSender(2);
    sender->SetMonitorRenderRelativePos(4);
    sender->SetMonitorRenderArea(CRect(1, 2, 3, 4));
    GetRuntimeData()->GetDesignBackground()->SetViewStartPt(CPoint(5, 6), 1, CSize(1920, 1080));
    const std::vector<sim::LoggedCall> log = sim::GetCallLog();
    ASSERT_EQ(log.size(), 7u);
    EXPECT_EQ(log[0].operation, "GetProjectData");
    EXPECT_EQ(log[1].operation, "CProjectData::GetSender");
    EXPECT_EQ(log[1].arguments, "2");
    EXPECT_EQ(log[2].operation, "CSender::SetMonitorRenderRelativePos");
    EXPECT_EQ(log[2].arguments, "4");
    EXPECT_EQ(log[3].arguments, "(1, 2, 3, 4)");
    EXPECT_EQ(log[6].operation, "CDesignBackground::SetViewStartPt");
    EXPECT_EQ(log[6].arguments, "(5, 6), 1, (1920 x 1080)");
    EXPECT_EQ(sim::CountCalls("CSender::SetMonitorRenderArea"), 1);
}

TEST_F(CallLog, TextsAreQuoted)
{
    GetLanguageString("OK", "Common");
    const std::vector<sim::LoggedCall> log = sim::GetCallLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].arguments, "\"OK\", \"Common\"");
}

// Neither calls made while it is off nor the control API are recorded.
TEST_F(CallLog, SwitchedOffOrTheControlApiRecordsNothing)
{
    sim::SetCallLogEnabled(false);
    GetProjectData()->GetSenderCount();
    sim::SetCallLogEnabled(true);
    UseSample();
    sim::GetProject();
    sim::SenderIdByIndex(0);
    sim::GetConfig();
    EXPECT_TRUE(sim::GetCallLog().empty());
}

TEST_F(CallLog, KeepsTheNewestEntriesAtCapacity)
{
    const uint64_t before = sim::CallLogTotal();
    for (std::size_t i = 0; i < sim::kCallLogCapacity + 5; ++i)
        sim::LogCall("op", std::to_string(i));
    const std::vector<sim::LoggedCall> log = sim::GetCallLog();
    ASSERT_EQ(log.size(), sim::kCallLogCapacity);
    EXPECT_EQ(log.front().arguments, "5");
    EXPECT_EQ(log.back().arguments, std::to_string(sim::kCallLogCapacity + 4));
    // Counted past the capacity; a reader that fell behind gets what is kept.
    EXPECT_EQ(sim::CallLogTotal() - before, sim::kCallLogCapacity + 5);
    EXPECT_EQ(sim::GetCallsSince(before).size(), sim::kCallLogCapacity);
}

TEST_F(CallLog, CallsSinceACountAreTheNewOnesInOrder)
{
    sim::LogCall("a", "");
    const uint64_t mark = sim::CallLogTotal();
    EXPECT_TRUE(sim::GetCallsSince(mark).empty());
    sim::LogCall("b", "1");
    sim::LogCall("c", "2");
    const std::vector<sim::LoggedCall> since = sim::GetCallsSince(mark);
    ASSERT_EQ(since.size(), 2u);
    EXPECT_EQ(since[0].operation, "b");
    EXPECT_EQ(since[1].operation, "c");
    EXPECT_EQ(sim::GetCallsSince(mark + 1).size(), 1u);
}
