// Reading the simulated hardware.
#include "hardware_reader.h"

#include "device_classes.h"
#include "drift.h"
#include "video_catalog.h"

#include <algorithm>

namespace sim::hw {
namespace {

bool IsBackupEnd(const ProjectModel& project, const std::string& id, int port)
{
    const BackupLink* link = FindBackupLink(project, id, port);
    return link && link->backupId == id && link->backupPort == port
        && !(link->sourceId == id && link->sourcePort == port);
}

PortReading ReadPort(const ReadInput& in, int sender, int p, bool online)
{
    const SenderModel& m = in.project.senders[static_cast<std::size_t>(sender)];
    const PortModel& model = HardwarePorts(m)[static_cast<std::size_t>(p)];
    PortReading r;
    const int n = static_cast<int>(model.receivers.size());
    r.receivers.resize(static_cast<std::size_t>(n));
    r.bConnected = online && n > 0 && !in.faults.IsPortDisconnected(m.id, p) && !in.devices.IsSwitchedOff(m.id, p);
    if (!r.bConnected)
        return r;
    const CabinetPort cabinet = CabinetOf(in.project, sender, p);
    const uint64_t base = Mix(HashText(cabinet.strSender), static_cast<uint64_t>(cabinet.nPort));
    const bool faulty = in.faults.HasReceiverFaults(cabinet);
    for (int k = 0; k < n; ++k) {
        ReceiverValues& v = r.receivers[static_cast<std::size_t>(k)];
        v = HealthyReceiver(in.seed, Mix(base, static_cast<uint64_t>(k)), in.clock);
        if (faulty)
            in.faults.ApplyReceiverFaults(cabinet, k, v);
    }
    int first = 0;
    int last = 0;
    if (HasLoopbackPorts(m.deviceType) && in.faults.GetLoopbackBreak(m.id, p, first, last)) {
        r.nLoopFirst = std::clamp(first, 0, n - 1);
        r.nLoopLast = std::clamp(last, r.nLoopFirst, n - 1);
    }
    return r;
}

} // namespace

const std::vector<PortModel>& HardwarePorts(const SenderModel& sender)
{
    return sender.fiber ? sender.fiberPorts : sender.ports;
}

CabinetPort CabinetOf(const ProjectModel& project, int sender, int port)
{
    const SenderModel& m = project.senders[static_cast<std::size_t>(sender)];
    if (m.fiber)
        return {m.id, port % kFiberOutputPairs};
    if (IsBackupEnd(project, m.id, port)) {
        const BackupLink* link = FindBackupLink(project, m.id, port);
        return {link->sourceId, link->sourcePort};
    }
    return {m.id, port};
}

SenderReading ReadSender(const ReadInput& in, int sender)
{
    const SenderModel& m = in.project.senders[static_cast<std::size_t>(sender)];
    SenderReading s;
    s.nIndex = sender;
    s.strId = m.id;
    s.strLabel = m.name;
    auto name = in.devices.names.find(m.id);
    s.strDeviceName = name != in.devices.names.end() ? name->second : m.name;
    s.dwDetectId
        = static_cast<std::size_t>(sender) < in.detectIds.size() ? in.detectIds[static_cast<std::size_t>(sender)] : 0;
    ParseIPv4(m.address, s.dwAddress);
    s.bOnline = !in.faults.HasSenderFault(m.id, SenderFault::Offline);
    s.nType = m.deviceType;
    s.nModel = m.model;
    s.bFiber = m.fiber;
    s.bLoopback = HasLoopbackPorts(m.deviceType);

    const uint64_t h = HashText(m.id);
    const SenderClimate climate = HealthySender(in.seed, h, in.clock);
    s.nTemperature10 = climate.nTemperature10;
    s.nFanRpm = climate.nFanRpm;
    s.nBrightness = in.faults.HasSenderFault(m.id, SenderFault::BrightnessZero) ? 0 : 100;
    s.bLockLost = in.faults.HasSenderFault(m.id, SenderFault::Locked);
    s.bBlack = in.faults.HasSenderFault(m.id, SenderFault::Black);

    s.inputs = ModelInputs(m.deviceType, Mix(in.seed, h));
    const bool noInput = in.faults.HasSenderFault(m.id, SenderFault::NoVideoInput);
    for (std::size_t k = 0; k < s.inputs.size(); ++k) {
        auto set = in.devices.signals.find({m.id, static_cast<int>(k)});
        if (set != in.devices.signals.end())
            s.inputs[k].signal = set->second;
        if (noInput)
            s.inputs[k].signal = {};
    }

    const int portCount = static_cast<int>(HardwarePorts(m).size());
    int primaryOff = 0;
    int backupOff = 0;
    for (int p = 0; p < portCount; ++p) {
        s.ports.push_back(ReadPort(in, sender, p, s.bOnline));
        if (in.devices.IsSwitchedOff(m.id, p))
            ++(IsBackupEnd(in.project, m.id, p) ? backupOff : primaryOff);
    }
    s.bAllPortsOff = portCount > 0 && primaryOff + backupOff == portCount;
    if (primaryOff + backupOff > 0)
        s.nPortOutputMode = primaryOff == 0 ? 1 : (backupOff == 0 ? 2 : 0);
    return s;
}

HardwareRound ReadHardware(const ReadInput& in)
{
    HardwareRound round;
    round.nClock = in.clock;
    for (std::size_t i = 0; i < in.project.senders.size(); ++i)
        round.senders.push_back(ReadSender(in, static_cast<int>(i)));
    return round;
}

} // namespace sim::hw
