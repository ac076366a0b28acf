// Rules for a sender's detection record: port bits by type code, frame
// rate texts, matching a configured input with a detected one.
#include "host/vistrano_detect.h"
#include "host/vistrano_settings.h"
#include "module/sender_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

namespace {

std::vector<int> Bits(int type, int model, std::initializer_list<int> ports)
{
    std::vector<int> bits;
    for (int port : ports)
        bits.push_back(PortMaskBit(type, model, port));
    return bits;
}

} // namespace

// Plain types test their port bit modulo 32 whatever the model; type 51
// counts from the model word; type 4 interleaves main and backup ports;
// other types have no bit.
TEST(PortMaskBitTest, EveryTypeCodeAtItsEdges)
{
    for (int type : {35, 44, 59, 68}) {
        EXPECT_EQ((std::vector{0, 31, 0}), Bits(type, 0, {0, 31, 32})) << type;
        EXPECT_EQ(7, PortMaskBit(type, 99, 39)) << type;
    }
    EXPECT_EQ((std::vector{0, 3, 31}), Bits(51, 8, {8, 11, 7}));
    EXPECT_EQ(1, PortMaskBit(51, INT_MIN, 1)); // no overflow on the way
    EXPECT_EQ((std::vector{0, 8, 1, 9, 15, 16, 31, 0, static_cast<int>(((INT_MAX + 15LL) / 2) & 31)}),
              Bits(4, 160, {0, 1, 2, 3, 15, 17, 47, 64, INT_MAX}));
    for (int type : {0, 1, 5, 36, 50, 52, 255})
        EXPECT_EQ(-1, PortMaskBit(type, 0, 0)) << type;
    // The mask is read at the rule's bit.
    EXPECT_EQ((std::vector{1, 0, 1, 0, 1, 0}),
              (std::vector{IsPortConnectedInMask(4, 160, 1u << 8, 1), IsPortConnectedInMask(4, 160, 1u << 8, 2),
                           IsPortConnectedInMask(35, 0, 0x1u, 32), IsPortConnectedInMask(35, 0, 0xFFFFFFFEu, 0),
                           IsPortConnectedInMask(51, 4, 0x4u, 6), IsPortConnectedInMask(7, 0, 0xFFFFFFFFu, 0)}));
}

// Only the digits needed, rounded half away from zero; rates no signal has
// still give a number.
TEST(FrameRateTextTest, WritesOnlyTheDigitsNeeded)
{
    std::vector<std::string> texts;
    for (double rate : {60.0, 59.9, 59.94, 50.05, 23.976, 119.996, 0.0, 0.005, -29.97,
                        std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1e300})
        texts.push_back(FrameRateText(rate));
    EXPECT_EQ((std::vector<std::string>{"60", "59.9", "59.94", "50.05", "23.98", "120", "0", "0.01", "-29.97", "0", "0",
                                        "1000000000000"}),
              texts);
}

TEST(FindDetectedInputTest, MatchesTypePortAndSubIndex)
{
    SDetectSenderData record;
    record.arrInputSignal
        = {{1, 0, 5, 1920, 1080, 60.0, "HDMI1"}, {1, 1, 5, 0, 0, 0.0, "HDMI2"}, {2, 0, 7, 3840, 2160, 30.0, "DP"}};
    const auto find = [&](uint8_t type, int port, int sub) {
        SInputSignalSetting want;
        want.byValue2 = type;
        want.nValue1 = port;
        want.nValue2 = sub;
        const auto* found = FindDetectedInput(record, want);
        return found ? found->strName : "none";
    };
    EXPECT_EQ("HDMI2", find(5, 1, 1));
    EXPECT_EQ("none", find(7, 1, 1));
    EXPECT_EQ("DP", find(7, 2, 0));
}
