#include "hardware.h"

#include <algorithm>

namespace app {

const std::vector<std::string>& FaultKinds()
{
    static const std::vector<std::string> kinds{"temperature", "humidity", "smoke", "fan",     "door",    "power",
                                                "voltage",     "cable",    "loopback", "offline", "novideo"};
    return kinds;
}

bool IsFaultKind(const std::string& kind)
{
    const auto& kinds = FaultKinds();
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

} // namespace app
