#include "video/video_inputs.h"

#include "video/signal_format.h"

#include <gtest/gtest.h>

namespace {

std::vector<uint32_t> Types(const std::vector<SVideoInputRecord>& inputs)
{
    std::vector<uint32_t> types;
    for (const SVideoInputRecord& input : inputs)
        types.push_back(input.dwInputType);
    return types;
}

SVideoInputRecord Slot(uint32_t port, uint32_t type, uint32_t sub) { return {port, 0, 0, type, sub}; }

// A hardware with a fixed list for model 1, type codes, and slot records.
class FakeVideoLogic final : public IVideoSourceLogic {
public:
    int GetFixedInputs(int model, int, std::vector<SVideoInputRecord>& inputs) override
    {
        inputs = {Slot(0, 9, 0)};
        return model == 1;
    }
    int GetInputTypeCodes(int, std::vector<uint8_t>& codes) override
    {
        codes = {2, 0x68};
        return 1;
    }
    int GetInputRecords(int, std::vector<SVideoInputRecord>& inputs) override
    {
        inputs.assign(40, Slot(1, 2, 0));
        return 1;
    }
    std::string GetInputName(int, int type) override { return "type " + std::to_string(type); }
    std::string GetInputName(int, uint32_t port, int, int sub, int) override
    {
        return "slot " + std::to_string(port) + "." + std::to_string(sub);
    }
    std::string GetSignalText(int, const SVideoInputRecord&) override { return {}; }
    int SetOutputPorts(const SPortOutputRecord&) override { return 0; }
};

SInputSignalSetting Entry(uint32_t sender, uint8_t model, uint8_t type, int check = 0, double rate = 60.0)
{
    return {sender, model, type, 0, 0, check, 1280, 720, rate, "stored"};
}

SSenderInputs Sender(uint32_t index, int model, std::vector<uint32_t> types)
{
    SSenderInputs s{index, model, false, {}, {}};
    for (uint32_t t : types) {
        s.inputs.push_back(Slot(0, t, 0));
        s.names.push_back("in " + std::to_string(t));
    }
    return s;
}

TEST(VideoInputs, TypeCodesOfGroupsStandForFourInputsEach)
{
    EXPECT_EQ(Types(InputsOfTypeCodes({1, 0x68, 0x6B, 0x67, 0x6C})),
              (std::vector<uint32_t>{1, 0x20, 0x21, 0x22, 0x23, 0x2C, 0x2D, 0x2E, 0x2F, 0x67, 0x6C}));
    EXPECT_EQ(InputsOfTypeCodes(std::vector<uint8_t>(20, 3)).size(), kMaxInputTypeCodes) << "16 codes at most";
    EXPECT_EQ(InputsOfTypeCodes(std::vector<uint8_t>(16, 0x69)).size(), kMaxVideoInputs) << "32 inputs at most";
}

TEST(VideoInputs, TheListComesFromTheFixedTableTheCodesOrTheRecords)
{
    FakeVideoLogic logic;
    EXPECT_EQ(Types(ReadSenderInputs(logic, 0, 1, true, false).inputs), (std::vector<uint32_t>{9})) << "fixed wins";
    EXPECT_TRUE(ReadSenderInputs(logic, 0, 2, false, false).inputs.empty()) << "not connected: none";
    const SSenderInputs codes = ReadSenderInputs(logic, 0, 2, true, false);
    EXPECT_EQ(Types(codes.inputs), (std::vector<uint32_t>{2, 0x20, 0x21, 0x22, 0x23}));
    EXPECT_EQ(codes.names[1], "type 32");
    const SSenderInputs slots = ReadSenderInputs(logic, 0, 2, true, true);
    EXPECT_EQ(slots.inputs.size(), kMaxVideoInputs);
    EXPECT_EQ(slots.names.size(), kMaxVideoInputs);
    EXPECT_EQ(slots.names[0], "slot 1.0");
}

TEST(VideoInputs, AChangedModelDropsTheSendersSettingsAnUnknownOneKeepsThem)
{
    struct Case {
        int detected;
        bool reset;
    };
    for (const Case& c : {Case{35, false}, Case{44, true}, Case{0, false}}) {
        SSenderSetting settings;
        settings.arrInputSignal = {Entry(1, 0, 2), Entry(1, 35, 1), Entry(2, 44, 1)};
        EXPECT_EQ(ResetOnModelChange(settings, 1, c.detected), c.reset) << c.detected;
        EXPECT_EQ(settings.arrInputSignal.size(), c.reset ? 1u : 3u) << c.detected;
    }
}

TEST(VideoInputs, RowsShowTheStoredSettingsOrTheDefault)
{
    SSenderSetting settings;
    settings.arrInputSignal = {Entry(0, 35, 2, 1, 59.94), Entry(1, 35, 1)};
    const std::vector<SVideoInputRow> rows = RowsOf(Sender(0, 35, {1, 2}), settings);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].bEnabled, 0);
    EXPECT_EQ(rows[0].strFormat, kDefaultSignalText);
    EXPECT_EQ(rows[1].bEnabled, 1);
    EXPECT_EQ(rows[1].bResolutionCheck, 1);
    EXPECT_EQ(rows[1].strFormat, "1280x720@59.94Hz");
    // A video-source device's entries name the slot too.
    SSenderInputs device = Sender(0, 68, {2});
    device.bVideoSource = true;
    device.inputs[0].dwSubIndex = 1;
    EXPECT_EQ(RowsOf(device, settings)[0].bEnabled, 0);
}

TEST(VideoInputs, StoringReplacesOnlyTheSendersEntries)
{
    SSenderSetting settings;
    settings.arrInputSignal = {Entry(0, 35, 1), Entry(1, 44, 1)};
    const SSenderInputs sender = Sender(0, 35, {1, 2});
    std::vector<SVideoInputRow> rows = RowsOf(sender, {});
    rows[1].bEnabled = 1;
    rows[1].bResolutionCheck = 1;
    rows[1].strFormat = "1920x1080i@50.000Hz";
    EXPECT_EQ(FirstUnusableRow(rows), -1);
    StoreRows(settings, sender, rows);
    ASSERT_EQ(settings.arrInputSignal.size(), 2u);
    EXPECT_EQ(settings.arrInputSignal[0].dwSender, 1u);
    const SInputSignalSetting& e = settings.arrInputSignal[1];
    EXPECT_EQ(std::tie(e.dwSender, e.byValue1, e.byValue2, e.nValue3, e.nValue4, e.nValue5, e.strSignal),
              std::make_tuple(0u, uint8_t{35}, uint8_t{2}, 1, 1920, 1080, std::string("in 2")));
    EXPECT_EQ(e.dValue, 50.0);

    rows[0].strFormat = "1920x1080@0.00Hz";
    EXPECT_EQ(FirstUnusableRow(rows), -1) << "a row not monitored is not stored";
    rows[0].bEnabled = 1;
    EXPECT_EQ(FirstUnusableRow(rows), 0);
}

TEST(VideoInputs, ApplyingToAllStoresOnlyMatchingInputs)
{
    SSenderSetting settings;
    settings.arrInputSignal = {Entry(1, 44, 4), Entry(3, 51, 4)};
    const std::vector<SSenderInputs> senders = {Sender(0, 35, {1, 2}), Sender(1, 44, {2, 3}), Sender(2, 59, {0x20}),
                                                Sender(3, 51, {})};
    std::vector<SVideoInputRow> rows = RowsOf(senders[0], {});
    rows[1].bEnabled = 1;
    StoreRowsForAll(settings, rows, senders);
    std::vector<std::pair<uint32_t, int>> stored;
    for (const SInputSignalSetting& e : settings.arrInputSignal)
        stored.push_back({e.dwSender, e.byValue1});
    // Sender 3's inputs are unknown: it keeps its entry.
    EXPECT_EQ(stored, (std::vector<std::pair<uint32_t, int>>{{3, 51}, {0, 35}, {1, 44}}));
    EXPECT_EQ(settings.arrInputSignal[2].strSignal, "in 2");
}

} // namespace
