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

} // namespace

TEST_F(ModuleDataTest, DefaultsWhereTheyAreNotZero)
{
    EXPECT_EQ(1, data.GetSenderPanelExpanded());
    EXPECT_EQ((SCurrentObject{2, 1, 3, 0, 0}), data.GetCurrentObject());
    EXPECT_EQ(-1, data.GetHoveredSender());
    EXPECT_FLOAT_EQ(1.0f, data.GetZoom(3));
}

TEST_F(ModuleDataTest, NewDataFlagIsTakenOnce)
{
    data.OnMonitorDataUpdate();
    EXPECT_EQ(1, data.TakeNewDataFlag());
    EXPECT_EQ(0, data.TakeNewDataFlag());
    data.OnMonitorDataUpdate();
    data.ClearNewDataFlag();
    EXPECT_EQ(0, data.TakeNewDataFlag());
}

TEST_F(ModuleDataTest, UpdateCopiesTheHostsRecordsInOrder)
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

    std::vector<std::string> gets;
    for (const sim::LoggedCall& call : sim::GetCallLog())
        if (call.operation.rfind("CMonitorData::Get", 0) == 0)
            gets.push_back(call.operation);
    EXPECT_EQ((std::vector<std::string>{"CMonitorData::GetDetectData", "CMonitorData::GetInterfaceData",
                                        "CMonitorData::GetWarningData", "CMonitorData::GetRcvShowData",
                                        "CMonitorData::GetTipData"}),
              gets);
    CModuleDataLock lock(data);
    ASSERT_NE(nullptr, data.GetDetectData().GetSenderData(7));
    EXPECT_EQ("north", data.GetDetectData().GetSenderData(7)->strName);
    EXPECT_EQ(1, data.GetWarningData().HasSenderWarning(2));
    EXPECT_EQ(70, data.GetInterfaceData().receiverSetting.nTemperature);
}

TEST_F(ModuleDataTest, CurrentObjectWaitsForTheLockHolder)
{
    // A reader holding the guard sees a record that does not change under it.
    std::atomic<bool> written{false};
    std::thread writer;
    {
        CModuleDataLock lock(data);
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

TEST_F(ModuleDataTest, GuardsNestAndUnlockOnce)
{
    {
        CModuleDataLock outer(data);
        {
            CModuleDataLock inner(data);
            data.SetCurrentObject(0, 1, 2, 0, 0); // the same thread passes
        }
    }
    // Released in full: another thread can take it now.
    std::thread other([&] { data.SetCurrentObject(1, 1, 2, 0, 0); });
    other.join();
    EXPECT_EQ(1, data.GetCurrentObject().nScope);
}

TEST_F(ModuleDataTest, DemarcationOffClearsTheMarksOnceAndForgetsTheKey)
{
    data.SetDemarcationKey(3, 2, 1);
    data.SetDemarcationOn(1);
    EXPECT_EQ(0x03020001u, data.GetDemarcationKey());
    EXPECT_EQ(0, sim::CountCalls("IReceiverLogic::SetDemarcationDisplay"));
    data.SetDemarcationOn(0);
    EXPECT_EQ(0, data.GetDemarcationOn());
    EXPECT_EQ(0xFFFFFFFFu, data.GetDemarcationKey());
    ASSERT_EQ(1, sim::CountCalls("IReceiverLogic::SetDemarcationDisplay"));
    for (const sim::LoggedCall& call : sim::GetCallLog())
        if (call.operation == "IReceiverLogic::SetDemarcationDisplay") {
            EXPECT_EQ("0, 0, 0", call.arguments);
        }
}

TEST_F(ModuleDataTest, HoverKeyAsksTheHostToRepaintTheView)
{
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

TEST_F(ModuleDataTest, ItemStoresAnswerDefaultsAndClearTogether)
{
    const SCurrentObject obj{2, 1, 3, 4, 0};
    EXPECT_EQ(CRect(), data.GetItemRect(obj, 4));
    data.SetItemRect(obj, 4, {1, 2, 3, 4});
    data.SetItemRect(obj, 4, 0, {5, 6, 7, 8});
    data.SetItemRect(obj, 4, 0, 1, {9, 10, 11, 12});
    data.SetItemRect(obj, 4, 0, 1, 2, {13, 14, 15, 16});
    data.SetItemPoint(obj, 4, 0, 1, {17, 18});
    EXPECT_EQ(CRect(1, 2, 3, 4), data.GetItemRect(obj, 4));
    EXPECT_EQ(CRect(5, 6, 7, 8), data.GetItemRect(obj, 4, 0));
    EXPECT_EQ(CRect(9, 10, 11, 12), data.GetItemRect(obj, 4, 0, 1));
    EXPECT_EQ(CRect(13, 14, 15, 16), data.GetItemRect(obj, 4, 0, 1, 2));
    EXPECT_EQ(CPoint(17, 18), data.GetItemPoint(obj, 4, 0, 1));
    // Another render type is another key.
    EXPECT_EQ(CRect(), data.GetItemRect({2, 1, 4, 4, 0}, 4));
    data.ClearItems();
    EXPECT_EQ(CRect(), data.GetItemRect(obj, 4));
    EXPECT_EQ(CRect(), data.GetItemRect(obj, 4, 0, 1, 2));
    EXPECT_EQ(CPoint(), data.GetItemPoint(obj, 4, 0, 1));
}

TEST_F(ModuleDataTest, LevelStoresKeyPointsByTheLowBitsAndOutliveClearItems)
{
    data.SetLevelPointA(3, 1, 2, {1, 1});
    data.SetLevelRectE(3, 1, 2, 5, {0, 0, 5, 5});
    EXPECT_EQ(CPoint(1, 1), data.GetLevelPointA(0x13, 1, 2));
    EXPECT_EQ(CPoint(), data.GetLevelPointB(3, 1, 2));
    EXPECT_EQ(CPoint(), data.GetLevelPointA(4, 1, 2));
    data.ClearItems();
    EXPECT_EQ(CRect(0, 0, 5, 5), data.GetLevelRectE(3, 1, 2, 5));
}

TEST_F(ModuleDataTest, SenderWordsClearTogether)
{
    data.SetSenderWord(2, 0xABCDu);
    EXPECT_EQ(0xABCDu, data.GetSenderWord(2));
    data.ClearSenderWords();
    EXPECT_EQ(0u, data.GetSenderWord(2));
}

TEST_F(ModuleDataTest, SenderValuesFollowTheProjectsSenderCount)
{
    UseSample();
    const int count = GetProjectData()->GetSenderCount();
    ASSERT_GT(count, 3);
    EXPECT_EQ(0, data.GetSenderValue(0));
    data.SetSenderValue(2, 7);
    EXPECT_EQ(7, data.GetSenderValue(2));
    EXPECT_EQ(0, data.GetSenderValue(count - 1));
    // Outside the array: neither stored nor read.
    data.SetSenderValue(count, 9);
    data.SetSenderValue(-1, 9);
    EXPECT_EQ(0, data.GetSenderValue(count));
    EXPECT_EQ(0, data.GetSenderValue(-1));
    // A smaller project drops the entries beyond its count.
    std::string error;
    ASSERT_TRUE(sim::SetProject(sim::GenerateProject({.senders = 2}), error)) << error;
    data.SetSenderValue(0, 1);
    EXPECT_EQ(0, data.GetSenderValue(2));
    EXPECT_EQ(1, data.GetSenderValue(0));
}

TEST_F(ModuleDataTest, OverlayStores)
{
    data.SetOverlayRect(5, {1, 1, 2, 2});
    EXPECT_EQ(CRect(1, 1, 2, 2), data.GetOverlayRect(5));
    EXPECT_EQ(CRect(), data.GetOverlayRect(6));
    data.ClearOverlayRects();
    EXPECT_EQ(CRect(), data.GetOverlayRect(5));

    data.AppendOverlayRect(1, {0, 0, 1, 1});
    data.AppendOverlayRect(1, {0, 0, 2, 2});
    data.AppendOverlayRect(2, {0, 0, 3, 3});
    data.AppendOverlayRect(3, {0, 0, 4, 4});
    std::vector<CRect> rects{{9, 9, 9, 9}};
    data.GetOverlayList(1, rects);
    EXPECT_EQ((std::vector<CRect>{{0, 0, 1, 1}, {0, 0, 2, 2}}), rects);
    data.GetOverlayList(2, rects);
    EXPECT_EQ((std::vector<CRect>{{0, 0, 3, 3}}), rects);
    data.GetOverlayList(3, rects);
    EXPECT_TRUE(rects.empty());
    data.ClearOverlayList(1);
    data.GetOverlayList(1, rects);
    EXPECT_TRUE(rects.empty());
}

TEST_F(ModuleDataTest, WithoutSenderPanelNoSenderIsShown)
{
    std::vector<int> senders{1, 2, 3};
    EXPECT_EQ(0, data.GetShowSenders(senders));
    EXPECT_TRUE(senders.empty());
}
