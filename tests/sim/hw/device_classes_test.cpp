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
    for (int output = 0; output < 16; ++output)
        EXPECT_EQ(PortMaskBit(kFiberType, kFiberModel, FiberOutputPort(output)), output) << "the inverse " << output;
}

SenderReading WithPorts(int type, int model, std::vector<bool> connected)
{
    SenderReading s;
    s.nType = type;
    s.nModel = model;
    s.bFiber = type == kFiberType;
    for (const bool c : connected) {
        s.ports.emplace_back();
        s.ports.back().bConnected = c;
    }
    return s;
}

// The fibre sender reports each output at its own bit; as the page reads
// it, port 2p is main output p and 2p + 1 its backup.
TEST(PortMask, SetsTheClassBitOfEachConnectedPort)
{
    EXPECT_EQ(std::tuple(PortMask(WithPorts(35, 0, {true, false, true})),
                         PortMask(WithPorts(51, 1, {false, true, true})), PortMask(WithPorts(20, 0, {true, true}))),
              std::tuple(0x5u, 0x3u, 0u));
    std::vector<bool> outputs(16);
    outputs[0] = outputs[9] = true;
    const uint32_t mask = PortMask(WithPorts(kFiberType, kFiberModel, outputs));
    EXPECT_EQ(mask, 0x201u);
    EXPECT_EQ(std::tuple(IsPortBitSet(kFiberType, kFiberModel, mask, 0), IsPortBitSet(kFiberType, kFiberModel, mask, 3),
                         IsPortBitSet(kFiberType, kFiberModel, mask, 1),
                         IsPortBitSet(kFiberType, kFiberModel, mask, 2)),
              std::tuple(true, true, false, false));
    EXPECT_EQ(
        std::tuple(IsPortBitSet(20, 0, 0xFFFFFFFFu, 0), IsPortBitSet(35, 0, 0x4u, 2), IsPortBitSet(35, 0, 0x4u, 1)),
        std::tuple(false, true, false));
}

} // namespace
} // namespace sim::hw
