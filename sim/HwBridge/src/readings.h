#pragma once
// What one read of the simulated hardware gives: per project sender its
// state, its video inputs and, per port, its receivers' values in cabling
// order. Plain data, the input of the round's computation.
#include "sim/hardware.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sim::hw {

// One video input of a sender as the hardware lists it.
struct InputReading {
    uint32_t dwPort = 0; // port word
    uint32_t dwSubIndex = 0;
    uint8_t byType = 0; // input type code
    std::string strName;
    VideoSignal signal; // width 0: no signal
};

struct PortReading {
    bool bConnected = false; // the port has receivers and carries data
    int32_t nLoopFirst = -1; // receivers reached only through the loop's other end; -1 none
    int32_t nLoopLast = -1;
    std::vector<ReceiverValues> receivers;
};

struct SenderReading {
    int nIndex = 0;            // project index
    std::string strId;         // project identifier
    std::string strLabel;      // how texts name the sender
    std::string strDeviceName; // name stored in the device
    uint32_t dwDetectId = 0;   // key of its detection record
    uint32_t dwAddress = 0;
    bool bOnline = false;
    int nType = 0; // device class
    int nModel = 0;
    bool bFiber = false;    // ports are the 16 fibre outputs
    bool bLoopback = false; // the device class has loop-back ports
    int nBrightness = 100;  // percent
    bool bLockLost = false; // the output is not locked to its input
    bool bBlack = false;
    int nTemperature10 = 0;
    int nFanRpm = 0;
    int nPortOutputMode = 0;   // 0 automatic, 1 primary only, 2 backup only
    bool bAllPortsOff = false; // every output switched off: feeds no receiver
    std::vector<InputReading> inputs;
    std::vector<PortReading> ports;
};

struct HardwareRound {
    uint64_t nClock = 0;
    std::vector<SenderReading> senders; // by project index
};

} // namespace sim::hw
