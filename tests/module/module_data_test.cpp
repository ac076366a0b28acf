// The page state's flags, values and stores.
#include "host/vistrano_data.h"
#include "module/item_keys.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "module/update_mask.h"
#include "module_test_support.h"
#include "sim/call_log.h"
#include "sim/monitor_feed.h"
#include "sim/project_gen.h"
#include "sim/world.h"

#include <atomic>
#include <thread>
#include <tuple>

namespace {

// Page-state tests work on an object of their own; the handles it reads
// are the ones a page creation fetched.
class ModuleDataTest : public ModuleTest {
protected:
    void SetUp() override
    {
        ModuleTest::SetUp();
        CreatePage(host)->Release();
        sim::ClearCallLog();
    }

    CTestHost host;
    CModuleData data;
};

// The operations of the call log that start with prefix, and their arguments.
std::vector<std::string> Calls(const std::string& prefix)
{
    std::vector<std::string> calls;
    for (const sim::LoggedCall& call : sim::GetCallLog())
        if (call.operation.rfind(prefix, 0) == 0)
            calls.push_back(call.operation + "(" + call.arguments + ")");
    return calls;
}

TEST_F(ModuleDataTest, UpdateCopiesTheHostsRecordsInOrderAndRaisesTheFlagOnce)
{
    CMonitorDetectData detect;
    SDetectSenderData record;
    record.strName = "north";
    detect.SetSenderData(7, record);
    CMonitorWarningData warning;
    warning.SetSenderWarning(2, SENDER_WARNING_LOCK);
    sim::PublishMonitorRound(detect, warning, {}, {});
    CMonitorInterfaceData settings;
    settings.receiverSetting.nTemperature = 70;
    GetMonitorData()->SetInterfaceData(settings);
    sim::ClearCallLog();

    data.OnMonitorDataUpdate();
    EXPECT_EQ((std::vector<std::string>{"CMonitorData::GetDetectData()", "CMonitorData::GetInterfaceData()",
                                        "CMonitorData::GetWarningData()", "CMonitorData::GetRcvShowData()",
                                        "CMonitorData::GetTipData()"}),
              Calls("CMonitorData::Get"));
    {
        CModuleDataLock lock(data);
        ASSERT_NE(nullptr, data.GetDetectData().GetSenderData(7));
        EXPECT_EQ("north", data.GetDetectData().GetSenderData(7)->strName);
        EXPECT_EQ(1, data.GetWarningData().HasSenderWarning(2));
        EXPECT_EQ(70, data.GetInterfaceData().receiverSetting.nTemperature);
    }
    EXPECT_EQ((std::pair{1, 0}), (std::pair{data.TakeNewDataFlag(), data.TakeNewDataFlag()}));
    data.OnMonitorDataUpdate();
    data.ClearNewDataFlag();
    EXPECT_EQ(0, data.TakeNewDataFlag());
}

TEST_F(ModuleDataTest, TheGuardHoldsOffOtherThreadsNestsAndUnlocksOnce)
{
    std::atomic<bool> written{false};
    std::thread writer;
    {
        CModuleDataLock outer(data);
        {
            CModuleDataLock inner(data);
            data.SetCurrentObject(2, 1, 3, 0, 0); // the same thread passes
        }
        // A reader holding the guard sees a record that does not change under it.
        writer = std::thread([&] {
            data.SetCurrentObject(1, 1, 5, 4, 0);
            written = true;
        });
        for (int i = 0; i < 1000 && !written; ++i)
            std::this_thread::yield();
        EXPECT_FALSE(written);
        EXPECT_EQ((SCurrentObject{2, 1, 3, 0, 0}), data.GetCurrentObject());
    }
    writer.join();
    EXPECT_EQ((SCurrentObject{1, 1, 5, 4, 0}), data.GetCurrentObject());
}

TEST_F(ModuleDataTest, DemarcationOffClearsTheMarksOnceAndHoverAsksForARepaint)
{
    data.SetDemarcationKey(3, 2, 1);
    data.SetDemarcationOn(1);
    EXPECT_EQ(0x03020001u, data.GetDemarcationKey());
    EXPECT_TRUE(Calls("IReceiverLogic::SetDemarcationDisplay").empty());
    data.SetDemarcationOn(0);
    EXPECT_EQ((std::pair{0, 0xFFFFFFFFu}), (std::pair{data.GetDemarcationOn(), data.GetDemarcationKey()}));
    EXPECT_EQ(std::vector<std::string>{"IReceiverLogic::SetDemarcationDisplay(0, 0, 0)"},
              Calls("IReceiverLogic::SetDemarcationDisplay"));

    data.SetHoverKey(0x00030002u);
    EXPECT_EQ(0x00030002u, data.GetHoverKey());
    ASSERT_EQ(1u, host.notifications.size());
    const auto& n = host.notifications[0];
    EXPECT_EQ(std::make_tuple(static_cast<int32_t>(UPDATE_VIEW), 0, 1, 0), std::tie(n.mask, n.word1, n.word2, n.word3));
}

TEST_F(ModuleDataTest, ContentExtentIsAtLeastTheVisibleArea)
{
    CDesignBackground* background = GetRuntimeData()->GetDesignBackground();
    background->SetClientRect(10, {0, 0, 800, 600});
    background->SetViewStartPt({0, 0}, 0, {100000, 100000});
    data.SetContentExtent(2000, 100);
    EXPECT_EQ(CSize(2000, 600), data.GetContentExtent());
    background->SetViewStartPt({50, 70}, 0, {100000, 100000});
    EXPECT_EQ(CSize(2000, 670), data.GetContentExtent());
    data.SetContentExtent(0, 0);
    EXPECT_EQ(CSize(850, 670), data.GetContentExtent());
}

// Item stores clear together; level stores key points by the low bits and
// outlive ClearItems; sender words and overlays clear on their own.
TEST_F(ModuleDataTest, StoresAnswerDefaultsUntilSetAndClearWhatTheyOwn)
{
    const SCurrentObject obj{2, 1, 3, 4, 0};
    EXPECT_EQ(CRect(), data.GetItemRect(obj, 4));
    data.SetItemRect(obj, 4, {1, 2, 3, 4});
    data.SetItemRect(obj, 4, 0, {5, 6, 7, 8});
    data.SetItemRect(obj, 4, 0, 1, {9, 10, 11, 12});
    data.SetItemRect(obj, 4, 0, 1, 2, {13, 14, 15, 16});
    data.SetItemPoint(obj, 4, 0, 1, {17, 18});
    data.SetLevelPointA(3, 1, 2, {1, 1});
    data.SetLevelRectE(3, 1, 2, 5, {0, 0, 5, 5});
    data.SetSenderWord(2, 0xABCDu);
    const auto items = [&] {
        return std::vector{data.GetItemRect(obj, 4),
                           data.GetItemRect(obj, 4, 0),
                           data.GetItemRect(obj, 4, 0, 1),
                           data.GetItemRect(obj, 4, 0, 1, 2),
                           data.GetItemRect({2, 1, 4, 4, 0}, 4),
                           CRect(data.GetItemPoint(obj, 4, 0, 1), CSize())};
    };
    EXPECT_EQ((std::vector<CRect>{{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}, {}, {17, 18, 17, 18}}),
              items());
    EXPECT_EQ(CPoint(1, 1), data.GetLevelPointA(0x13, 1, 2));
    EXPECT_EQ(CPoint(), data.GetLevelPointB(3, 1, 2));
    EXPECT_EQ(CPoint(), data.GetLevelPointA(4, 1, 2));
    data.ClearItems();
    EXPECT_EQ(std::vector<CRect>(6, CRect(0, 0, 0, 0)), items());
    EXPECT_EQ(CRect(0, 0, 5, 5), data.GetLevelRectE(3, 1, 2, 5));
    EXPECT_EQ(0xABCDu, data.GetSenderWord(2));
    data.ClearSenderWords();
    EXPECT_EQ(0u, data.GetSenderWord(2));

    data.SetOverlayRect(5, {1, 1, 2, 2});
    EXPECT_EQ((std::pair{CRect(1, 1, 2, 2), CRect()}), (std::pair{data.GetOverlayRect(5), data.GetOverlayRect(6)}));
    data.ClearOverlayRects();
    EXPECT_EQ(CRect(), data.GetOverlayRect(5));
    data.AppendOverlayRect(1, {0, 0, 1, 1});
    data.AppendOverlayRect(1, {0, 0, 2, 2});
    data.AppendOverlayRect(2, {0, 0, 3, 3});
    const auto list = [&](int which) {
        std::vector<CRect> rects{{9, 9, 9, 9}};
        data.GetOverlayList(which, rects);
        return rects;
    };
    EXPECT_EQ((std::vector<CRect>{{0, 0, 1, 1}, {0, 0, 2, 2}}), list(1));
    EXPECT_EQ((std::vector<CRect>{{0, 0, 3, 3}}), list(2));
    EXPECT_TRUE(list(3).empty());
    data.ClearOverlayList(1);
    EXPECT_TRUE(list(1).empty());
}

TEST_F(ModuleDataTest, SenderValuesFollowTheProjectsSenderCount)
{
    UseSample();
    const int count = GetProjectData()->GetSenderCount();
    ASSERT_GT(count, 3);
    data.SetSenderValue(2, 7);
    // Outside the array: neither stored nor read.
    data.SetSenderValue(count, 9);
    data.SetSenderValue(-1, 9);
    EXPECT_EQ((std::vector{0, 7, 0, 0, 0}),
              (std::vector{data.GetSenderValue(0), data.GetSenderValue(2), data.GetSenderValue(count - 1),
                           data.GetSenderValue(count), data.GetSenderValue(-1)}));
    // A smaller project drops the entries beyond its count.
    std::string error;
    ASSERT_TRUE(sim::SetProject(sim::GenerateProject({.senders = 2}), error)) << error;
    data.SetSenderValue(0, 1);
    EXPECT_EQ((std::pair{1, 0}), (std::pair{data.GetSenderValue(0), data.GetSenderValue(2)}));
    // Without a sender panel no sender is shown.
    std::vector<int> senders{1, 2, 3};
    EXPECT_EQ(0, data.GetShowSenders(senders));
    EXPECT_TRUE(senders.empty());
}

} // namespace
