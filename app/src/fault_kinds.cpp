#include "hardware.h"

#include <algorithm>

namespace app {

const std::vector<std::string>& FaultKinds()
{
    // Receiver faults, then sender faults, then the port's cable and the loop.
    static const std::vector<std::string> kinds{
        "temperature", "humidity", "smoke",   "fan",    "door",  "power", "power2",    "voltage",   "voltage2", "cable",
        "nodata",      "offline",  "novideo", "locked", "black", "dark",  "cardwrite", "unplugged", "loopback"};
    return kinds;
}

bool IsFaultKind(const std::string& kind)
{
    const auto& kinds = FaultKinds();
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

} // namespace app
