#pragma once
// What the user set in the devices, kept by sender identifier: names,
// live signals that differ from an input's default, ports switched off,
// and the project stored on each sender's card.
#include "sim/hardware.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace sim::hw {

struct CardImage {
    std::string strDescription;
    std::string strContent;
};

struct DeviceBook {
    std::map<std::string, std::string> names;
    std::map<std::pair<std::string, int>, VideoSignal> signals; // (sender, input)
    std::map<std::string, std::vector<uint8_t>> switchedOff;    // port bit masks
    std::map<std::string, CardImage> cards;

    bool IsSwitchedOff(const std::string& sender, int port) const;
};

} // namespace sim::hw
