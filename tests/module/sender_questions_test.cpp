// The page state's sender questions: from the detect snapshot while
// monitoring runs, from the sender logic otherwise; and the input signal
// texts of the current sender.
#include "comma_locale.h"
#include "host/hwbridge.h"
#include "host/vistrano_data.h"
#include "module/module_data.h"
#include "module_test_support.h"
#include "sim/call_log.h"
#include "sim/hardware.h"
#include "sim/monitor_feed.h"
#include "sim/world.h"

#include <algorithm>

namespace {

class SenderQuestionsTest : public ModuleTest {
protected:
    void SetUp() override
    {
        ModuleTest::SetUp();
        UseSample();
        CreatePage(host)->Release();
        sim::ClearCallLog();
    }

    // Makes the snapshot hold these records (by sender index) and the
    // monitoring thread report running.
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

    static SDetectSenderData Record(uint8_t type, uint32_t status, const std::string& name)
    {
        SDetectSenderData r;
        r.byType = type;
        r.dwStatus = status;
        r.strName = name;
        return r;
    }

    void StoreInputs(const std::vector<SInputSignalSetting>& inputs)
    {
        CMonitorInterfaceData settings;
        settings.senderSetting.arrInputSignal = inputs;
        GetMonitorData()->SetInterfaceData(settings);
        data.OnMonitorDataUpdate();
    }

    // A stored input without a signal format.
    static SInputSignalSetting Input(uint32_t sender, uint8_t model, uint8_t type, const std::string& name)
    {
        return {sender, model, type, 0, 0, 0, 0, 0, 0.0, name};
    }

    CTestHost host;
    CModuleData data;
};

TEST_F(SenderQuestionsTest, DetectionIdFollowsAddressModeAndStrategy)
{
    sim::AddressSettings address = sim::GetAddressSettings();
    sim::ConfigSettings config = sim::GetConfig();
    const struct {
        int mode, strategy;
        uint32_t id;
        const char* asked;
    } cases[] = {{1, 0, sim::SenderIdByIndexForNotSpecifyIP(2), "CRuntimeData::GetSenderIDbyIndexForNotSpecifyIP"},
                 {1, DETECT_STRATEGY_SPECIFIED_IP, sim::SenderIdByIndex(2), "CRuntimeData::GetSenderIDbyIndex"},
                 {0, 0, sim::SenderIdByIndex(2), "CRuntimeData::GetSenderIDbyIndex"}};
    for (const auto& c : cases) {
        address.nAddressMode = c.mode;
        config.detectStrategy = c.strategy;
        sim::SetAddressSettings(address);
        sim::SetConfig(config);
        sim::ClearCallLog();
        EXPECT_EQ(c.id, data.GetSenderDetectId(2)) << c.mode << c.strategy;
        EXPECT_EQ(1, sim::CountCalls(c.asked)) << c.mode << c.strategy;
    }
}

TEST_F(SenderQuestionsTest, WhileMonitoringTheSnapshotAnswersOtherwiseTheSenderLogicDespiteASnapshot)
{
    SDetectSenderData east = Record(35, 0x10, "east");
    east.nTreeValue = 3;
    east.dwPortMask = 0x5;
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
    for (const sim::LoggedCall& call : sim::GetCallLog())
        if (call.operation.rfind("ISenderLogic::", 0) == 0) {
            EXPECT_EQ("ISenderLogic::GetAddressMode", call.operation);
        }

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
TEST_F(SenderQuestionsTest, FibreSenderAndTheCurrentDetectSender)
{
    SDetectSenderData fibre = Record(4, 0, "fibre");
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
    Monitor({{1, Record(35, 0, "b")}, {2, Record(35, 0, "c")}});
    const auto at = std::find(ids.begin(), ids.end(), std::min(sim::SenderIdByIndex(1), sim::SenderIdByIndex(2)));
    ASSERT_NE(ids.end(), at);
    EXPECT_EQ(static_cast<int>(at - ids.begin()), data.GetCurDetectSender());
    config.specifiedIPs.clear();
    sim::SetConfig(config);
    GetRuntimeData()->UpdateIPArray();
    EXPECT_EQ(0, data.GetCurDetectSender());
}

// The recorded model is the first nonzero code stored for the sender.
TEST_F(SenderQuestionsTest, SenderChangedComparesWithTheRecordedModel)
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
    Monitor({{1, Record(35, 0, "")}, {2, Record(35, 0, "")}});
    EXPECT_EQ((std::vector{0, 1, 0}),
              (std::vector{data.IsSenderChanged(1), data.IsSenderChanged(2),
                           data.IsSenderChanged(3)})); // 3: no record while monitoring
    Monitor({{1, Record(44, 0, "")}});
    EXPECT_EQ(1, data.IsSenderChanged(1));
}

TEST_F(SenderQuestionsTest, InputSignalTextsOfTheCurrentSender)
{
    GetProjectData()->SetCurrentSender(1);
    const SInputSignalSetting hdmi{1, 35, 5, 0, 0, 1, 1920, 1080, 60.0, "HDMI 1"};
    StoreInputs({hdmi, Input(2, 35, 5, "elsewhere"), Input(1, 35, 6, "DVI"), Input(1, 35, 7, "DP")});
    SDetectSenderData record = Record(35, 0, "");
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
