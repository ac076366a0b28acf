// Port bits of the detection record per device class, and the mask the
// hardware builds from its connected ports.
#include "detect_records.h"
#include "device_classes.h"

#include <gtest/gtest.h>

#include <tuple>

namespace sim::hw {
namespace {

// Plain classes use the port number modulo 32, whatever the model word;
// class 51 counts from its model word; the fibre class pairs main and
// backup outputs; other classes and bad ports have no bit.
TEST(PortMaskBit, FollowsTheDeviceClass)
{
    const std::tuple<int, int, int, int> cases[] = {
        {35, 0, 0, 0},
        {44, 7, 5, 5},
        {59, 0, 33, 1},
        {68, 7, 5, 5},
        {51, 4, 6, 2},
        {51, 0, 6, 6},
        {51, 4, 0, 28},
        {kFiberType, kFiberModel, 1, 8},
        {kFiberType, kFiberModel, 2, 1},
        {kFiberType, kFiberModel, 0, 0},
        {kFiberType, kFiberModel, 15, 15},
        {20, 0, 0, -1},
        {0, 0, 3, -1},
        {35, 0, -1, -1},
    };
    for (const auto& [type, model, port, bit] : cases)
        EXPECT_EQ(PortMaskBit(type, model, port), bit) << "class " << type << " model " << model << " port " << port;
    EXPECT_FALSE(IsPortBitSet(20, 0, 0xFFFFFFFFu, 0));
    EXPECT_TRUE(IsPortBitSet(35, 0, 0x4u, 2));
    EXPECT_FALSE(IsPortBitSet(35, 0, 0x4u, 1));
}

TEST(FiberOutputPort, IsTheInverseOfTheFibreBitRule)
{
    for (int output = 0; output < 16; ++output)
        EXPECT_EQ(PortMaskBit(kFiberType, kFiberModel, FiberOutputPort(output)), output) << output;
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
