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

// A hardware with a fixed list for model 1, type codes, and 40 slot records.
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

SInputSignalSetting Entry(uint32_t sender, uint8_t model, uint8_t type, double rate = 60.0)
{
    return {sender, model, type, 0, 0, 1, 1280, 720, rate, "stored"};
}

TEST(VideoInputs, TheListComesFromTheFixedTableTheCodesOrTheRecordsAndItsRowsAreStored)
{
    EXPECT_EQ(Types(InputsOfTypeCodes({1, 0x68, 0x6B, 0x67})),
              (std::vector<uint32_t>{1, 0x20, 0x21, 0x22, 0x23, 0x2C, 0x2D, 0x2E, 0x2F, 0x67}));
    EXPECT_EQ(InputsOfTypeCodes(std::vector<uint8_t>(20, 3)).size(), kMaxInputTypeCodes);
    EXPECT_EQ(InputsOfTypeCodes(std::vector<uint8_t>(16, 0x69)).size(), kMaxVideoInputs);
    FakeVideoLogic logic;
    EXPECT_EQ(Types(ReadSenderInputs(logic, 0, 1, true, false).inputs), (std::vector<uint32_t>{9})) << "fixed wins";
    EXPECT_TRUE(ReadSenderInputs(logic, 0, 2, false, false).inputs.empty()) << "not connected: none";
    const SSenderInputs codes = ReadSenderInputs(logic, 0, 2, true, false);
    EXPECT_EQ(Types(codes.inputs), (std::vector<uint32_t>{2, 0x20, 0x21, 0x22, 0x23}));
    EXPECT_EQ(codes.names[1], "type 32");
    const SSenderInputs slots = ReadSenderInputs(logic, 0, 2, true, true);
    EXPECT_EQ(std::tuple(slots.names.size(), slots.names[0]), std::tuple(kMaxVideoInputs, std::string("slot 1.0")));

    // A changed model drops the sender's settings, an unknown one keeps them;
    // a device entry names its slot; storing keeps other senders; applying to
    // all leaves senders whose inputs are unknown.
    for (const auto& [detected, reset] : {std::pair{35, false}, {44, true}, {0, false}}) {
        SSenderSetting settings;
        settings.arrInputSignal = {Entry(1, 0, 2), Entry(1, 35, 1), Entry(2, 44, 1)};
        EXPECT_EQ(ResetOnModelChange(settings, 1, detected), reset) << detected;
        EXPECT_EQ(settings.arrInputSignal.size(), reset ? 1u : 3u) << detected;
    }
    SSenderSetting settings;
    settings.arrInputSignal = {Entry(0, 68, 2, 59.94), Entry(1, 44, 1)};
    SSenderInputs device{0, 68, true, {Slot(0, 2, 0), Slot(0, 2, 1)}, {"a", "b"}};
    std::vector<SVideoInputRow> rows = RowsOf(device, settings);
    EXPECT_EQ(std::tuple(rows[0].strFormat, rows[1].bEnabled), std::tuple(std::string("1280x720@59.94Hz"), 0));
    rows[0].bEnabled = 0;
    rows[1].bEnabled = 1;
    rows[1].strFormat = "1920x1080i@50.000Hz";
    StoreRows(settings, device, rows);
    ASSERT_EQ(settings.arrInputSignal.size(), 2u);
    const SInputSignalSetting& e = settings.arrInputSignal[1];
    EXPECT_EQ(std::tie(settings.arrInputSignal[0].dwSender, e.dwSender, e.nValue2, e.nValue4, e.dValue, e.strSignal),
              std::make_tuple(1u, 0u, 1, 1920, 50.0, std::string("b")));

    settings.arrInputSignal = {Entry(1, 44, 4), Entry(3, 51, 4)};
    const std::vector<SSenderInputs> senders = {{0, 35, false, {Slot(0, 1, 0), Slot(0, 2, 0)}, {"DVI", "HDMI"}},
                                                {1, 44, false, {Slot(0, 2, 0)}, {"HDMI 1"}},
                                                {3, 51, false, {}, {}}};
    rows = RowsOf(senders[0], {});
    rows[1].bEnabled = 1;
    StoreRowsForAll(settings, rows, senders);
    std::vector<std::pair<uint32_t, std::string>> stored;
    for (const SInputSignalSetting& entry : settings.arrInputSignal)
        stored.push_back({entry.dwSender, entry.strSignal});
    EXPECT_EQ(stored, (std::vector<std::pair<uint32_t, std::string>>{{3, "stored"}, {0, "HDMI"}, {1, "HDMI 1"}}));
}

} // namespace
