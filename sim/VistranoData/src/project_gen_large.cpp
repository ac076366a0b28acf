// Large installations for benchmarks.
#include "sim/project_gen.h"
#include "wall_shapes.h"

#include <algorithm>
#include <cmath>

namespace sim {

ProjectModel GenerateProject(const GenerateOptions& options)
{
    const int senders = std::clamp(options.senders, 1, kMaxSenderCount);
    const int ports = std::clamp(options.portsPerSender, 1, kMaxPortsPerSender);
    const int perPort = std::clamp(options.receiversPerPort, 0, kMaxReceiversPerPort);
    const int size = std::clamp(options.cabinetSize, 8, 1024);
    const int large = std::clamp(options.largeSenderReceivers, 0, ports * kMaxReceiversPerPort);

    ProjectModel p;
    p.name = "Generated installation";
    for (int i = 0; i < senders; ++i) {
        const int total = (i == 0 && large > 0) ? large : perPort * ports;
        // Roughly 16:9, wide enough for every cabinet.
        const int cols = std::max(1, static_cast<int>(std::ceil(std::sqrt(total * 16.0 / 9.0))));
        const int rows = total == 0 ? 0 : (total + cols - 1) / cols;
        std::vector<CRect> wall = shapes::RectWall(0, 0, cols, rows, size, size);
        wall.resize(static_cast<std::size_t>(total));
        SenderModel s;
        s.id = FormatGuid((static_cast<uint64_t>(options.seed) << 32) | static_cast<uint64_t>(i), options.seed);
        s.name = "Sender " + std::to_string(i + 1);
        s.address = FormatIPv4(0x0A000000u + static_cast<uint32_t>(i) + 1);
        const int per = std::max(1, (total + ports - 1) / ports);
        s.ports = shapes::SplitIntoPorts(wall, per);
        s.ports.resize(static_cast<std::size_t>(ports));
        p.senders.push_back(std::move(s));
    }
    return p;
}

} // namespace sim
