// Rules for a sender's detection record: port bits by type code, frame
// rate texts, matching a configured input with a detected one.
#include "host/vistrano_detect.h"
#include "host/vistrano_settings.h"
#include "module/sender_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

TEST(PortMaskBitTest, PlainTypesTestTheirPortBit)
{
    for (int type : {35, 44, 59, 68}) {
        EXPECT_EQ(0, PortMaskBit(type, 0, 0)) << type;
        EXPECT_EQ(31, PortMaskBit(type, 0, 31)) << type;
        EXPECT_EQ(0, PortMaskBit(type, 0, 32)) << type;  // modulo 32
        EXPECT_EQ(7, PortMaskBit(type, 99, 39)) << type; // the model plays no part
    }
}

TEST(PortMaskBitTest, Type51CountsFromTheModelWord)
{
    EXPECT_EQ(0, PortMaskBit(51, 8, 8));
    EXPECT_EQ(3, PortMaskBit(51, 8, 11));
    EXPECT_EQ(31, PortMaskBit(51, 8, 7));      // -1 modulo 32
    EXPECT_EQ(1, PortMaskBit(51, INT_MIN, 1)); // no overflow on the way
}

TEST(PortMaskBitTest, Type4InterleavesMainAndBackupPorts)
{
    EXPECT_EQ(0, PortMaskBit(4, 160, 0));
    EXPECT_EQ(8, PortMaskBit(4, 160, 1));
    EXPECT_EQ(1, PortMaskBit(4, 160, 2));
    EXPECT_EQ(9, PortMaskBit(4, 160, 3));
    EXPECT_EQ(15, PortMaskBit(4, 160, 15));
    EXPECT_EQ(16, PortMaskBit(4, 160, 17));
    EXPECT_EQ(31, PortMaskBit(4, 160, 47));
    EXPECT_EQ(0, PortMaskBit(4, 160, 64));
    EXPECT_EQ(((INT_MAX + 15LL) / 2) & 31, PortMaskBit(4, 160, INT_MAX));
}

TEST(PortMaskBitTest, OtherTypesHaveNoBit)
{
    for (int type : {0, 1, 5, 36, 50, 52, 255})
        EXPECT_EQ(-1, PortMaskBit(type, 0, 0)) << type;
}

TEST(PortConnectedTest, ReadsTheMaskAtTheRuleBit)
{
    // Type 4: port 1 is bit 8, port 2 bit 1.
    EXPECT_EQ(1, IsPortConnectedInMask(4, 160, 1u << 8, 1));
    EXPECT_EQ(0, IsPortConnectedInMask(4, 160, 1u << 8, 2));
    EXPECT_EQ(1, IsPortConnectedInMask(4, 160, 1u << 1, 2));
    EXPECT_EQ(1, IsPortConnectedInMask(35, 0, 0x80000000u, 31));
    EXPECT_EQ(1, IsPortConnectedInMask(35, 0, 0x1u, 32));
    EXPECT_EQ(0, IsPortConnectedInMask(35, 0, 0xFFFFFFFEu, 0));
    EXPECT_EQ(1, IsPortConnectedInMask(51, 4, 0x4u, 6));
    EXPECT_EQ(0, IsPortConnectedInMask(7, 0, 0xFFFFFFFFu, 0));
}

TEST(FrameRateTextTest, WritesOnlyTheDigitsNeeded)
{
    EXPECT_EQ("60", FrameRateText(60.0));
    EXPECT_EQ("59.9", FrameRateText(59.9));
    EXPECT_EQ("59.94", FrameRateText(59.94));
    EXPECT_EQ("50.05", FrameRateText(50.05));
    EXPECT_EQ("23.98", FrameRateText(23.976));
    EXPECT_EQ("120", FrameRateText(119.996)); // rounds up to a whole number
    EXPECT_EQ("0", FrameRateText(0.0));
    EXPECT_EQ("0.01", FrameRateText(0.005)); // half away from zero
    EXPECT_EQ("-29.97", FrameRateText(-29.97));
}

TEST(FrameRateTextTest, SurvivesRatesNoSignalHas)
{
    EXPECT_EQ("0", FrameRateText(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ("0", FrameRateText(std::numeric_limits<double>::infinity()));
    EXPECT_EQ("1000000000000", FrameRateText(1e300));
}

TEST(FindDetectedInputTest, MatchesTypePortAndSubIndex)
{
    SDetectSenderData record;
    record.arrInputSignal.resize(3);
    record.arrInputSignal[0] = {1, 0, 5, 1920, 1080, 60.0, "HDMI1"};
    record.arrInputSignal[1] = {1, 1, 5, 0, 0, 0.0, "HDMI2"};
    record.arrInputSignal[2] = {2, 0, 7, 3840, 2160, 30.0, "DP"};
    SInputSignalSetting want;
    want.byValue2 = 5;
    want.nValue1 = 1;
    want.nValue2 = 1;
    ASSERT_NE(nullptr, FindDetectedInput(record, want));
    EXPECT_EQ("HDMI2", FindDetectedInput(record, want)->strName);
    want.byValue2 = 7;
    EXPECT_EQ(nullptr, FindDetectedInput(record, want));
    want.nValue1 = 2;
    want.nValue2 = 0;
    ASSERT_NE(nullptr, FindDetectedInput(record, want));
    EXPECT_EQ("DP", FindDetectedInput(record, want)->strName);
}
