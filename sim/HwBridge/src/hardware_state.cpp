// The hardware's state and reading it.
#include "hardware_state.h"

#include "hardware_reader.h"
#include "host/host_enums.h"
#include "sim/world.h"

namespace sim::hw {

HardwareState& TheHardware()
{
    static HardwareState* state = new HardwareState; // a monitoring thread may outlive static teardown
    return *state;
}

namespace {

// The key under which the page looks up each sender's detection record.
std::vector<uint32_t> DetectIds(const ProjectModel& project)
{
    int addressMode = 0;
    {
        HardwareLock lock(TheHardware().mutex);
        addressMode = TheHardware().addresses.nAddressMode;
    }
    const bool notSpecified = addressMode != 0 && GetConfig().detectStrategy != DETECT_STRATEGY_SPECIFIED_IP;
    std::vector<uint32_t> ids;
    for (std::size_t i = 0; i < project.senders.size(); ++i) {
        const int index = static_cast<int>(i);
        ids.push_back(notSpecified ? SenderIdByIndexForNotSpecifyIP(index) : SenderIdByIndex(index));
    }
    return ids;
}

} // namespace

HardwareRound ReadHardwareNow(ReadKind kind, int sender, int port)
{
    return ReadHardwareNow(GetProject(), kind, sender, port);
}

HardwareRound ReadHardwareNow(const ProjectModel& project, ReadKind kind, int sender, int port)
{
    const std::vector<uint32_t> ids = DetectIds(project);
    HardwareState& hw = TheHardware();
    HardwareLock lock(hw.mutex);
    if (kind == ReadKind::MonitoringRound)
        ++hw.clock;
    HardwareRound round = ReadHardware({project, hw.faults, hw.devices, ids, hw.seed, hw.clock});
    switch (kind) {
    case ReadKind::SenderDetection: hw.knowledge.Remember(round, false); break;
    case ReadKind::ReceiverDetection:
        if (hw.knowledge.HasDetected()) {
            hw.knowledge.RememberReceivers(round, sender, port);
            break;
        }
        [[fallthrough]]; // nothing known yet: the senders too
    case ReadKind::Detection:
    case ReadKind::MonitoringRound: hw.knowledge.Remember(round, true); break;
    }
    return round;
}

void EnsureDetected()
{
    {
        HardwareLock lock(TheHardware().mutex);
        if (TheHardware().knowledge.HasDetected())
            return;
    }
    ReadHardwareNow(ReadKind::Detection);
}

bool ReadSenderNow(int sender, SenderReading& reading)
{
    const ProjectModel project = GetProject();
    if (sender < 0 || sender >= static_cast<int>(project.senders.size()))
        return false;
    const std::vector<uint32_t> ids = DetectIds(project);
    HardwareState& hw = TheHardware();
    HardwareLock lock(hw.mutex);
    reading = ReadSender({project, hw.faults, hw.devices, ids, hw.seed, hw.clock}, sender);
    return true;
}

void AdvanceClock(uint64_t n)
{
    HardwareLock lock(TheHardware().mutex);
    TheHardware().clock += n;
}

} // namespace sim::hw
