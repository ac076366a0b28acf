// Port bits of the detection record per device class, and the mask the
// hardware builds from its connected ports.
#include "detect_records.h"
#include "device_classes.h"

#include <gtest/gtest.h>

namespace sim::hw {
namespace {

TEST(PortMaskBit, PlainClassesUseThePortNumber)
{
    for (int type : {35, 44, 59, 68}) {
        EXPECT_EQ(PortMaskBit(type, 0, 0), 0) << type;
        EXPECT_EQ(PortMaskBit(type, 7, 5), 5) << type << ": the model word plays no part";
        EXPECT_EQ(PortMaskBit(type, 0, 33), 1) << type << ": modulo 32";
    }
}

TEST(PortMaskBit, Class51CountsFromItsModelWord)
{
    EXPECT_EQ(PortMaskBit(51, 4, 6), 2);
    EXPECT_EQ(PortMaskBit(51, 0, 6), 6);
    EXPECT_EQ(PortMaskBit(51, 4, 0), 28) << "below the model word wraps modulo 32";
}

TEST(PortMaskBit, FibreClassPairsMainAndBackupOutputs)
{
    EXPECT_EQ(PortMaskBit(kFiberType, kFiberModel, 1), 8);
    EXPECT_EQ(PortMaskBit(kFiberType, kFiberModel, 2), 1);
    EXPECT_EQ(PortMaskBit(kFiberType, kFiberModel, 0), 0);
    EXPECT_EQ(PortMaskBit(kFiberType, kFiberModel, 15), 15);
}

TEST(PortMaskBit, OtherClassesAndBadPortsReportNothing)
{
    EXPECT_EQ(PortMaskBit(20, 0, 0), -1);
    EXPECT_EQ(PortMaskBit(0, 0, 3), -1);
    EXPECT_EQ(PortMaskBit(35, 0, -1), -1);
    EXPECT_FALSE(IsPortBitSet(20, 0, 0xFFFFFFFFu, 0));
    EXPECT_TRUE(IsPortBitSet(35, 0, 0x4u, 2));
    EXPECT_FALSE(IsPortBitSet(35, 0, 0x4u, 1));
}

TEST(FiberOutputPort, IsTheInverseOfTheFibreBitRule)
{
    for (int output = 0; output < 16; ++output)
        EXPECT_EQ(PortMaskBit(kFiberType, kFiberModel, FiberOutputPort(output)), output) << output;
}

TEST(DeviceClasses, FactsOfTheClasses)
{
    EXPECT_TRUE(IsFiberDevice(4, 160));
    EXPECT_FALSE(IsFiberDevice(4, 0));
    EXPECT_FALSE(IsFiberDevice(35, 160));
    EXPECT_TRUE(HasLoopbackPorts(59));
    EXPECT_FALSE(HasLoopbackPorts(35));
    EXPECT_TRUE(IsVideoSourceType(68));
    EXPECT_TRUE(DoublesPortCount(51));
}

SenderReading WithPorts(int type, int model, bool fiber, std::initializer_list<bool> connected)
{
    SenderReading s;
    s.nType = type;
    s.nModel = model;
    s.bFiber = fiber;
    for (bool c : connected) {
        PortReading p;
        p.bConnected = c;
        s.ports.push_back(p);
    }
    return s;
}

TEST(PortMask, SetsTheClassBitOfEachConnectedPort)
{
    EXPECT_EQ(PortMask(WithPorts(35, 0, false, {true, false, true})), 0x5u);
    EXPECT_EQ(PortMask(WithPorts(51, 1, false, {false, true, true})), 0x3u);
    EXPECT_EQ(PortMask(WithPorts(20, 0, false, {true, true})), 0u);
}

TEST(PortMask, FibreSenderReportsEachOutputAtItsOwnBit)
{
    std::initializer_list<bool> outputs = {true,  false, false, false, false, false, false, false,
                                           false, true,  false, false, false, false, false, false};
    const SenderReading s = WithPorts(kFiberType, kFiberModel, true, outputs);
    const uint32_t mask = PortMask(s);
    EXPECT_EQ(mask, 0x201u);
    // As the page reads it: port 2p is main output p, port 2p + 1 its backup.
    EXPECT_TRUE(IsPortBitSet(kFiberType, kFiberModel, mask, 0));
    EXPECT_TRUE(IsPortBitSet(kFiberType, kFiberModel, mask, 3));
    EXPECT_FALSE(IsPortBitSet(kFiberType, kFiberModel, mask, 1));
    EXPECT_FALSE(IsPortBitSet(kFiberType, kFiberModel, mask, 2));
}

} // namespace
} // namespace sim::hw
