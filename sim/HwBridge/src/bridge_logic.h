#pragma once
// The bridge's logic objects, one each for the process, and the port
// switch that the sender and video-source logic share.
#include "host/hwbridge.h"

#include <cstdint>
#include <vector>

namespace sim::hw {

ISenderLogic& TheSenderLogic();
IReceiverLogic& TheReceiverLogic();
IVideoSourceLogic& TheVideoSourceLogic();
IMonitorLogic& TheMonitorLogic();

// Switches off the ports whose bits are set (port 0 in bit 0 of byte 0);
// an empty or all-zero mask switches every port on. 0 when the sender does
// not answer.
int SwitchOffPorts(int sender, const std::vector<uint8_t>& mask);

} // namespace sim::hw
