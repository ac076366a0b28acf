// The page state: its flags, lock, values and stores; the sender questions,
// from the detect snapshot while monitoring runs and from the sender logic
// otherwise; and the input signal texts of the current sender.
#include "comma_locale.h"
#include "host/hwbridge.h"
#include "host/vistrano_data.h"
#include "module/module_data.h"
#include "module/update_mask.h"
#include "module_test_support.h"
#include "sim/call_log.h"
#include "sim/hardware.h"
#include "sim/monitor_feed.h"
#include "sim/project_gen.h"
#include "sim/world.h"

#include <atomic>
#include <thread>

namespace {

// An object of its own in the sample installation, reading the handles a page creation fetched.
class ModuleDataTest : public ModuleTest {
protected:
    void SetUp() override
    {
        ModuleTest::SetUp();
        UseSample();
        CreatePage(host)->Release();
        sim::ClearCallLog();
    }

    // The snapshot holds these records (by sender index); monitoring runs.
    void Monitor(const std::vector<std::pair<int, SDetectSenderData>>& records)
    {
        CMonitorDetectData detect;
        for (const auto& [sender, record] : records)
            detect.SetSenderData(data.GetSenderDetectId(sender), record);
        sim::PublishMonitorRound(detect, {}, {}, {});
        data.OnMonitorDataUpdate();
        sim::SetMonitorThreadState(true, false);
        sim::ClearCallLog();
    }

    static SDetectSenderData Record(uint8_t type)
    {
        SDetectSenderData r;
        r.byType = type;
        return r;
    }

    void StoreInputs(const std::vector<SInputSignalSetting>& inputs)
    {
        CMonitorInterfaceData settings;
        settings.senderSetting.arrInputSignal = inputs;
        GetMonitorData()->SetInterfaceData(settings);
        data.OnMonitorDataUpdate();
    }

    static SInputSignalSetting Input(uint32_t sender, uint8_t model, uint8_t type, const std::string& name)
    {
        return {sender, model, type, 0, 0, 0, 0, 0, 0.0, name};
    }

    CTestHost host;
    CModuleData data;
};

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
    SDetectSenderData north;
    north.strName = "north";
    detect.SetSenderData(7, north);
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
        EXPECT_EQ(std::tuple(std::string("north"), 1, 70),
                  std::tuple(data.GetDetectData().GetSenderData(7)->strName, data.GetWarningData().HasSenderWarning(2),
                             data.GetInterfaceData().receiverSetting.nTemperature));
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
        writer = std::thread([&] { data.SetCurrentObject(1, 1, 5, 4, 0), written = true; });
        for (int i = 0; i < 1000 && !written; ++i)
            std::this_thread::yield();
        EXPECT_FALSE(written);
        EXPECT_EQ((SCurrentObject{2, 1, 3, 0, 0}), data.GetCurrentObject());
    }
    writer.join();
    EXPECT_EQ((SCurrentObject{1, 1, 5, 4, 0}), data.GetCurrentObject());
}

TEST_F(ModuleDataTest, HoverRepaintsExtentCoversTheViewStoresClearWhatTheyOwnAndFollowTheSenderCount)
{
    data.SetHoverKey(0x00030002u);
    EXPECT_EQ(0x00030002u, data.GetHoverKey());
    ASSERT_EQ(1u, host.notifications.size());
    const auto& n = host.notifications[0];
    EXPECT_EQ(std::make_tuple(static_cast<int32_t>(UPDATE_VIEW), 0, 1, 0), std::tie(n.mask, n.word1, n.word2, n.word3));

    // The content extent is at least the visible area.
    CDesignBackground* background = GetRuntimeData()->GetDesignBackground();
    background->SetClientRect(10, {0, 0, 800, 600});
    background->SetViewStartPt({0, 0}, 0, {100000, 100000});
    data.SetContentExtent(2000, 100);
    EXPECT_EQ(CSize(2000, 600), data.GetContentExtent());
    background->SetViewStartPt({50, 70}, 0, {100000, 100000});
    EXPECT_EQ(CSize(2000, 670), data.GetContentExtent());
    data.SetContentExtent(0, 0);
    EXPECT_EQ(CSize(850, 670), data.GetContentExtent());

    // Level stores key by the low bits and outlive ClearItems.
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

    // Sender values follow the project's sender count.
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

TEST_F(ModuleDataTest, DetectionIdFollowsAddressModeAndStrategy)
{
    sim::AddressSettings address = sim::GetAddressSettings();
    sim::ConfigSettings config = sim::GetConfig();
    const std::tuple<int, int, uint32_t, const char*> cases[]
        = {{1, 0, sim::SenderIdByIndexForNotSpecifyIP(2), "CRuntimeData::GetSenderIDbyIndexForNotSpecifyIP"},
           {1, DETECT_STRATEGY_SPECIFIED_IP, sim::SenderIdByIndex(2), "CRuntimeData::GetSenderIDbyIndex"},
           {0, 0, sim::SenderIdByIndex(2), "CRuntimeData::GetSenderIDbyIndex"}};
    for (const auto& [mode, strategy, id, asked] : cases) {
        address.nAddressMode = mode;
        config.detectStrategy = strategy;
        sim::SetAddressSettings(address);
        sim::SetConfig(config);
        sim::ClearCallLog();
        EXPECT_EQ(id, data.GetSenderDetectId(2)) << mode << strategy;
        EXPECT_EQ(1, sim::CountCalls(asked)) << mode << strategy;
    }
}

TEST_F(ModuleDataTest, WhileMonitoringTheSnapshotAnswersOtherwiseTheSenderLogicDespiteASnapshot)
{
    SDetectSenderData east = Record(35);
    east.dwStatus = 0x10, east.dwPortMask = 0x5, east.nTreeValue = 3, east.strName = "east";
    Monitor({{1, east}});
    // Sender 1 has a record, sender 2 none.
    EXPECT_EQ(std::tuple(1, 35, 0x10u, 3, std::string("east"), 1, 0, 1, 1),
              std::tuple(data.IsSenderDetected(1), data.GetSenderTypeCode(1), data.GetSenderStatusWord(1),
                         data.GetSenderTreeValue(1), data.GetSenderName(1), data.IsPortConnected(1, 0),
                         data.IsPortConnected(1, 1), data.IsPortConnected(1, 2), data.GetDetectedSenderCount()));
    EXPECT_EQ(std::tuple(0, 0, 0u, std::string(), 0),
              std::tuple(data.IsSenderDetected(2), data.GetSenderTypeCode(2), data.GetSenderStatusWord(2),
                         data.GetSenderName(2), data.IsPortConnected(2, 0)));
    // Nothing was asked of the sender logic but its address mode.
    for (const std::string& call : Calls("ISenderLogic::"))
        EXPECT_EQ(0u, call.rfind("ISenderLogic::GetAddressMode(", 0)) << call;

    ASSERT_EQ(0u, GetHwSenderLogic()->DetectSenders(nullptr, 0, 0, 1));
    sim::SetMonitorThreadState(false, false);
    sim::ClearCallLog();
    ISenderLogic& logic = *GetHwSenderLogic();
    EXPECT_EQ(logic.GetSenderTypeCode(1), data.GetSenderTypeCode(1));
    EXPECT_EQ(logic.GetSenderName(1), data.GetSenderName(1));
    EXPECT_NE("east", data.GetSenderName(1));
    data.IsSenderDetected(1);
    data.GetSenderStatusWord(1);
    data.GetSenderTreeValue(1);
    data.IsPortConnected(1, 0);
    data.GetDetectedSenderCount();
    data.IsFiberSender();
    data.GetCurDetectSender();
    for (const char* op :
         {"ISenderLogic::IsSenderDetected", "ISenderLogic::GetSenderStatusWord", "ISenderLogic::GetSenderTreeValue",
          "ISenderLogic::IsPortConnected", "ISenderLogic::GetDetectedSenderCount", "ISenderLogic::IsFiberSender",
          "ISenderLogic::GetCurDetectSender"})
        EXPECT_EQ(1, sim::CountCalls(op)) << op;
}

// A fibre sender is the detection's current sender (0 without specified
// addresses) with type 4 and model 160; its ports interleave.
TEST_F(ModuleDataTest, FibreSenderAndTheCurrentDetectSender)
{
    SDetectSenderData fibre = Record(4);
    fibre.nModel = 160;
    const auto state = [&](int sender, uint32_t mask) {
        fibre.dwPortMask = mask;
        Monitor({{sender, fibre}});
        return std::vector{data.IsPortConnected(sender, 1), data.IsPortConnected(sender, 2), data.GetCurDetectSender(),
                           data.IsFiberSender()};
    };
    EXPECT_EQ((std::vector{1, 0, 0, 1}), state(0, 1u << 8));
    EXPECT_EQ((std::vector{0, 1, 0, 1}), state(0, 1u << 1));
    EXPECT_EQ((std::vector{0, 1, 0, 0}), state(1, 1u << 1));
    fibre.nModel = 161;
    EXPECT_EQ(0, state(0, 0)[3]);
    Monitor({});
    EXPECT_EQ(0, data.GetCurDetectSender());

    // With specified addresses the record with the lowest identifier names
    // the sender by its place in the list; an identifier outside it gives 0.
    sim::ConfigSettings config = sim::GetConfig();
    config.detectStrategy = DETECT_STRATEGY_SPECIFIED_IP;
    for (int i = 0; i < GetProjectData()->GetSenderCount(); ++i)
        if (sim::SenderIdByIndex(i) != static_cast<uint32_t>(i + 1))
            config.specifiedIPs.push_back(sim::SenderIdByIndex(i));
    sim::SetConfig(config);
    GetRuntimeData()->UpdateIPArray();
    const std::vector<uint32_t> ids = GetRuntimeData()->GetSetIPArray();
    ASSERT_GE(ids.size(), 3u);
    Monitor({{1, Record(35)}, {2, Record(35)}});
    const auto at = std::find(ids.begin(), ids.end(), std::min(sim::SenderIdByIndex(1), sim::SenderIdByIndex(2)));
    ASSERT_NE(ids.end(), at);
    EXPECT_EQ(static_cast<int>(at - ids.begin()), data.GetCurDetectSender());
    config.specifiedIPs.clear();
    sim::SetConfig(config);
    GetRuntimeData()->UpdateIPArray();
    EXPECT_EQ(0, data.GetCurDetectSender());
}

// The recorded model is the first nonzero code stored for the sender.
TEST_F(ModuleDataTest, SenderChangedAndTheInputSignalTexts)
{
    const int outside = GetProjectData()->GetSenderCount() + 3;
    StoreInputs({Input(1, 200, 5, "a"), Input(static_cast<uint32_t>(outside), 200, 5, "b")});
    EXPECT_EQ(0, data.IsSenderChanged(outside)) << "not detected: no present code";
    ASSERT_EQ(0u, GetHwSenderLogic()->DetectSenders(nullptr, 0, 0, 1));
    const int present = GetHwSenderLogic()->GetSenderTypeCode(1);
    ASSERT_TRUE(present != 0 && present != 200);
    EXPECT_EQ(1, data.IsSenderChanged(1));
    StoreInputs({Input(1, static_cast<uint8_t>(present), 5, "a")});
    EXPECT_EQ(0, data.IsSenderChanged(1));

    StoreInputs({Input(1, 0, 5, "a"), Input(2, 44, 5, "x"), SInputSignalSetting{1, 35, 5, 1, 0, 0, 0, 0, 0.0, "b"}});
    Monitor({{1, Record(35)}, {2, Record(35)}});
    EXPECT_EQ((std::vector{0, 1, 0}),
              (std::vector{data.IsSenderChanged(1), data.IsSenderChanged(2),
                           data.IsSenderChanged(3)})); // 3: no record while monitoring
    Monitor({{1, Record(44)}});
    EXPECT_EQ(1, data.IsSenderChanged(1));

    // The input signal texts of the current sender.
    GetProjectData()->SetCurrentSender(1);
    const SInputSignalSetting hdmi{1, 35, 5, 0, 0, 1, 1920, 1080, 60.0, "HDMI 1"};
    StoreInputs({hdmi, Input(2, 35, 5, "elsewhere"), Input(1, 35, 6, "DVI"), Input(1, 35, 7, "DP")});
    SDetectSenderData record = Record(35);
    record.arrInputSignal = {{0, 0, 5, 1920, 1080, 59.94, "HDMI 1"}, {0, 0, 6, 0, 0, 0.0, "DVI"}};
    Monitor({{1, record}});

    std::map<uint32_t, std::string> texts{{99, "stale"}};
    {
        // The texts are the same whatever locale the desktop set.
        const CommaDecimalLocale comma;
        ASSERT_TRUE(comma.Active()) << comma.Error();
        data.GetInputSignalTexts(texts);
    }
    const std::string unset = GetLanguageString("Unsetted", "Monitoring");
    const std::map<uint32_t, std::string> expected = {{0x10000, "HDMI 1"},
                                                      {0x10001, "1920x1080@60.00Hz"},
                                                      {0x10002, "1920x1080@59.94Hz"},
                                                      {0x20000, "DVI"},
                                                      {0x20001, unset},
                                                      {0x20002, GetLanguageString("Unconnected", "Common")},
                                                      {0x30000, "DP"},
                                                      {0x30001, unset},
                                                      {0x30002, GetLanguageString("UnKnown", "Common")}};
    EXPECT_EQ(expected, texts);
    // Without monitoring there is no detected format.
    sim::SetMonitorThreadState(false, false);
    data.GetInputSignalTexts(texts);
    EXPECT_EQ(6u, texts.size());
    EXPECT_EQ(0u, texts.count(0x10002));
}

} // namespace
