// The log of the page's calls into the host.
#include "host/vistrano_data.h"
#include "sim_fixture.h"

#include <tuple>

using CallLog = SimTest;

// Operations with their arguments in order, texts quoted; neither calls
// made while it is off nor the control API are recorded.
TEST_F(CallLog, RecordsThePagesCallsWithTheirArgumentsInOrder)
{
    sim::SetCallLogEnabled(false);
    GetProjectData()->GetSenderCount();
    sim::SetCallLogEnabled(true);
    UseSample();
    sim::SenderIdByIndex(0);
    sim::GetConfig();
    EXPECT_TRUE(sim::GetCallLog().empty());

    CSender* sender = GetProjectData()->GetSender(2);
    sender->SetMonitorRenderRelativePos(4);
    sender->SetMonitorRenderArea(CRect(1, 2, 3, 4));
    GetRuntimeData()->GetDesignBackground()->SetViewStartPt(CPoint(5, 6), 1, CSize(1920, 1080));
    GetLanguageString("OK", "Common");
    std::string log;
    for (const sim::LoggedCall& call : sim::GetCallLog())
        log += call.operation + "(" + call.arguments + ") ";
    EXPECT_EQ(log,
              "GetProjectData() CProjectData::GetSender(2) CSender::SetMonitorRenderRelativePos(4) "
              "CSender::SetMonitorRenderArea((1, 2, 3, 4)) GetRuntimeData() CRuntimeData::GetDesignBackground() "
              "CDesignBackground::SetViewStartPt((5, 6), 1, (1920 x 1080)) GetLanguageString(\"OK\", \"Common\") ");
    EXPECT_EQ(sim::CountCalls("CSender::SetMonitorRenderArea"), 1);
}

// Counted past the capacity; a reader that fell behind gets what is kept.
TEST_F(CallLog, KeepsTheNewestAtCapacityAndHandsOutWhatCameSinceACount)
{
    sim::LogCall("a", "");
    const uint64_t mark = sim::CallLogTotal();
    EXPECT_TRUE(sim::GetCallsSince(mark).empty());
    sim::LogCall("b", "1");
    sim::LogCall("c", "2");
    const std::vector<sim::LoggedCall> since = sim::GetCallsSince(mark);
    ASSERT_EQ(since.size(), 2u);
    EXPECT_EQ(std::tuple(since[0].operation, since[1].operation, sim::GetCallsSince(mark + 1).size()),
              std::tuple("b", "c", 1u));

    const uint64_t before = sim::CallLogTotal();
    for (std::size_t i = 0; i < sim::kCallLogCapacity + 5; ++i)
        sim::LogCall("op", std::to_string(i));
    const std::vector<sim::LoggedCall> log = sim::GetCallLog();
    ASSERT_EQ(log.size(), sim::kCallLogCapacity);
    EXPECT_EQ(std::tuple(log.front().arguments, log.back().arguments),
              std::tuple("5", std::to_string(sim::kCallLogCapacity + 4)));
    EXPECT_EQ(sim::CallLogTotal() - before, sim::kCallLogCapacity + 5);
    EXPECT_EQ(sim::GetCallsSince(before).size(), sim::kCallLogCapacity);
}
