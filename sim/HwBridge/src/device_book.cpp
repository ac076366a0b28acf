// Settings kept in the devices.
#include "device_book.h"

namespace sim::hw {

bool DeviceBook::IsSwitchedOff(const std::string& sender, int port) const
{
    auto it = switchedOff.find(sender);
    if (it == switchedOff.end() || port < 0)
        return false;
    const auto byte = static_cast<std::size_t>(port / 8);
    return byte < it->second.size() && (it->second[byte] >> (port % 8) & 1u);
}

} // namespace sim::hw
