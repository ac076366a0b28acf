// The sample installation that ships with the program.
#include "sim/project_gen.h"
#include "wall_shapes.h"

namespace sim {
namespace {

// Identifiers that stay the same from build to build.
std::string SampleId(uint64_t n) { return FormatGuid(0x5A3E1E0000000000ull | n, 0x5A3E1E00ull + n); }

SenderModel Sender(int n, const std::string& name, const std::string& group, int deviceType,
                   std::vector<PortModel> ports)
{
    SenderModel s;
    s.id = SampleId(100 + static_cast<uint64_t>(n));
    s.name = name;
    s.groupId = group;
    s.address = "192.168.0." + std::to_string(10 + n);
    s.deviceType = deviceType;
    s.ports = std::move(ports);
    return s;
}

} // namespace

ProjectModel MakeSampleProject()
{
    using namespace shapes;
    ProjectModel p;
    p.name = "Sample installation";
    const GroupModel hallA{SampleId(1), "Hall A", true};
    const GroupModel hallB{SampleId(2), "Hall B", true};
    p.groups = {hallA, hallB};

    // Hall A: the main wall, 36 × 20 cabinets on 24 ports, and its backup
    // sender feeding the same cabinets.
    const std::vector<CRect> mainWall = RectWall(0, 0, 36, 20, 96, 96);
    p.senders.push_back(Sender(0, "Main Wall", hallA.id, 59, SplitIntoPorts(mainWall, 30)));
    p.senders.push_back(Sender(1, "Main Wall Backup", hallA.id, 59, SplitIntoPorts(mainWall, 30)));
    for (int port = 0; port < 24; ++port)
        p.backups.push_back({p.senders[0].id, port, p.senders[1].id, port});

    // Hall B: an L-shaped wall round a corner, and a curved stage strip.
    p.senders.push_back(
        Sender(2, "Corner Wall", hallB.id, 35, SplitIntoPorts(LWall(0, 0, 10, 24, 28, 10, 80, 80), 40)));
    p.senders.push_back(
        Sender(3, "Stage Arc", hallB.id, 35, SplitIntoPorts(CurvedStrip(0, 0, 120, 64, 128, 12030, 40), 30)));

    // Ungrouped: a fibre tower, a lobby mosaic and two stage side blocks.
    SenderModel tower = Sender(4, "Fibre Tower", {}, 4, {});
    tower.model = 160;
    tower.fiber = true;
    const std::vector<PortModel> outputs = SplitIntoPorts(RectWall(0, 0, 8, 16, 128, 128), 16);
    tower.fiberPorts = outputs;                                                      // main outputs 0-7
    tower.fiberPorts.insert(tower.fiberPorts.end(), outputs.begin(), outputs.end()); // backups 8-15
    p.senders.push_back(std::move(tower));

    p.senders.push_back(Sender(5, "Lobby Mosaic", {}, 44, SplitIntoPorts(Mosaic(0, 0, 14, 9, 112, 112, 72, 7), 32)));
    std::vector<CRect> sides = RectWall(0, 0, 5, 6, 128, 128);
    const std::vector<CRect> right = RectWall(1600, 0, 5, 6, 128, 128);
    sides.insert(sides.end(), right.begin(), right.end());
    p.senders.push_back(Sender(6, "Stage Sides", {}, 35, SplitIntoPorts(sides, 30)));
    return p;
}

} // namespace sim
