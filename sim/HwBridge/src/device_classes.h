#pragma once
// What the device class (type code) and model word of a sender say about
// its hardware: how its port bit mask is numbered, fibre outputs,
// loop-back ports, port output switching, video-source devices.
#include <cstdint>

namespace sim::hw {

constexpr int kFiberType = 4;
constexpr int kFiberModel = 160;
// Fibre output pairs a fibre sender shows in the sender tree.
constexpr int kFiberOutputPairs = 8;

bool IsFiberDevice(int type, int model);
// Senders of these classes have a second row of ports that closes each
// port's receiver chain into a loop.
bool HasLoopbackPorts(int type);
bool CanSwitchPortOutput(int type);
bool IsVideoSourceType(int type);
bool DoublesPortCount(int type);

// Bit of the detection record's port mask that stands for port n, or -1
// when the class does not report its ports: classes 35, 44, 59, 68 use bit
// n; 51 bit n - model; the fibre class 4 bit n / 2 for even n (a main
// output) and (n + 15) / 2 for odd n (its backup). Bit numbers are taken
// modulo 32.
int PortMaskBit(int type, int model, int port);
bool IsPortBitSet(int type, int model, uint32_t mask, int port);

// The port number under which a fibre sender reports fibre output
// `output` (0-7 main, 8-15 backups): 2 × output for a main output,
// 2 × (output − 8) + 1 for a backup.
int FiberOutputPort(int output);

} // namespace sim::hw
