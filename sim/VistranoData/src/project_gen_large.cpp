// Large installations for benchmarks.
#include "sim/project_gen.h"
#include "wall_shapes.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace sim {
namespace {

// The device class and model of the hardware's fibre senders.
constexpr int kFiberDeviceType = 4;
constexpr int kFiberModel = 160;

struct Range {
    const char* name; // the generator's option without its dashes
    int GenerateOptions::*field;
    int min, max;
};

std::vector<Range> Ranges(const GenerateOptions& o)
{
    const int ports = std::clamp(o.portsPerSender, 1, kMaxPortsPerSender);
    return {{"senders", &GenerateOptions::senders, 1, kMaxSenderCount},
            {"ports", &GenerateOptions::portsPerSender, 1, kMaxPortsPerSender},
            {"receivers", &GenerateOptions::receiversPerPort, 0, kMaxReceiversPerPort},
            {"large", &GenerateOptions::largeSenderReceivers, 0, ports * kMaxReceiversPerPort},
            {"cabinet", &GenerateOptions::cabinetSize, 8, 1024},
            {"fibre", &GenerateOptions::fiberSenders, 0, kMaxSenderCount}};
}

// Roughly 16:9, wide enough for every cabinet.
int WallColumns(int cabinets) { return std::max(1, static_cast<int>(std::ceil(std::sqrt(cabinets * 16.0 / 9.0)))); }

} // namespace

std::string GenerateOptionsFault(const GenerateOptions& options)
{
    for (const Range& r : Ranges(options))
        if (options.*r.field < r.min || options.*r.field > r.max)
            return std::string(r.name) + " must be from " + std::to_string(r.min) + " to " + std::to_string(r.max);
    const int cabinets = std::max(options.largeSenderReceivers, options.portsPerSender * options.receiversPerPort);
    if (static_cast<int64_t>(WallColumns(cabinets)) * options.cabinetSize > kMaxCoordinate)
        return "cabinet: a wall of " + std::to_string(cabinets) + " cabinets of " + std::to_string(options.cabinetSize)
            + " pixels is wider than a project allows (" + std::to_string(kMaxCoordinate) + " pixels)";
    return {};
}

ProjectModel GenerateProject(const GenerateOptions& options)
{
    GenerateOptions held = options;
    for (const Range& r : Ranges(options))
        held.*r.field = std::clamp(options.*r.field, r.min, r.max);
    const int senders = held.senders, ports = held.portsPerSender, perPort = held.receiversPerPort;
    const int size = held.cabinetSize, large = held.largeSenderReceivers;

    ProjectModel p;
    p.name = "Generated installation";
    for (int i = 0; i < senders; ++i) {
        const int total = (i == 0 && large > 0) ? large : perPort * ports;
        const int cols = WallColumns(total);
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
        if (i < held.fiberSenders) {
            // The main outputs take the ports' receivers; the backups feed the same cabinets.
            s.fiber = true;
            s.deviceType = kFiberDeviceType;
            s.model = kFiberModel;
            s.ports.resize(kFiberOutputs / 2);
            s.fiberPorts = s.ports;
            s.fiberPorts.insert(s.fiberPorts.end(), s.ports.begin(), s.ports.end());
            s.ports.clear();
        }
        p.senders.push_back(std::move(s));
    }
    return p;
}

} // namespace sim
