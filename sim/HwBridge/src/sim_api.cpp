// The simulated hardware's control API (sim/hardware.h).
#include "sim/hardware.h"

#include "device_classes.h"
#include "hardware_reader.h"
#include "hardware_state.h"
#include "sim/world.h"

namespace sim {

using hw::HardwareLock;
using hw::HardwareState;
using hw::TheHardware;

namespace {

bool ValidSender(const ProjectModel& p, int sender)
{
    return sender >= 0 && sender < static_cast<int>(p.senders.size());
}

const std::vector<PortModel>& PortsOf(const ProjectModel& p, int sender)
{
    return hw::HardwarePorts(p.senders[static_cast<std::size_t>(sender)]);
}

bool ValidPort(const ProjectModel& p, int sender, int port)
{
    return ValidSender(p, sender) && port >= 0 && port < static_cast<int>(PortsOf(p, sender).size());
}

// The ports an address names (port -1: every port) that have the receiver
// (-1: any).
std::vector<int> PortsAt(const ProjectModel& p, int sender, int port, int receiver)
{
    std::vector<int> ports;
    if (!ValidSender(p, sender) || receiver < -1)
        return ports;
    const auto& all = PortsOf(p, sender);
    for (int q = 0; q < static_cast<int>(all.size()); ++q)
        if ((port == -1 || port == q) && receiver < static_cast<int>(all[static_cast<std::size_t>(q)].receivers.size()))
            ports.push_back(q);
    return ports;
}

bool SetReceiverFault(int sender, int port, int receiver, ReceiverFault fault, bool on)
{
    const ProjectModel p = GetProject();
    const std::vector<int> ports = PortsAt(p, sender, port, receiver);
    HardwareLock lock(TheHardware().mutex);
    for (int q : ports)
        TheHardware().faults.SetReceiverFault(hw::CabinetOf(p, sender, q), receiver, fault, on);
    return !ports.empty();
}

// Runs f(state, sender id) for a sender of the project.
template <class F>
bool WithSender(int sender, F f)
{
    const ProjectModel p = GetProject();
    if (!ValidSender(p, sender))
        return false;
    HardwareLock lock(TheHardware().mutex);
    f(TheHardware(), p.senders[static_cast<std::size_t>(sender)].id);
    return true;
}

bool SetPortDisconnected(int sender, int port, bool on)
{
    const ProjectModel p = GetProject();
    if (!ValidPort(p, sender, port))
        return false;
    HardwareLock lock(TheHardware().mutex);
    TheHardware().faults.SetPortDisconnected(p.senders[static_cast<std::size_t>(sender)].id, port, on);
    return true;
}

} // namespace

bool InjectReceiverFault(int sender, int port, int receiver, ReceiverFault fault)
{
    return SetReceiverFault(sender, port, receiver, fault, true);
}

bool ClearReceiverFault(int sender, int port, int receiver, ReceiverFault fault)
{
    return SetReceiverFault(sender, port, receiver, fault, false);
}

bool InjectSenderFault(int sender, SenderFault fault)
{
    return WithSender(sender,
                      [&](HardwareState& hw, const std::string& id) { hw.faults.SetSenderFault(id, fault, true); });
}

bool ClearSenderFault(int sender, SenderFault fault)
{
    return WithSender(sender,
                      [&](HardwareState& hw, const std::string& id) { hw.faults.SetSenderFault(id, fault, false); });
}

bool InjectPortDisconnected(int sender, int port) { return SetPortDisconnected(sender, port, true); }
bool ClearPortDisconnected(int sender, int port) { return SetPortDisconnected(sender, port, false); }

bool InjectLoopbackBreak(int sender, int port, int first, int last)
{
    const ProjectModel p = GetProject();
    if (!ValidPort(p, sender, port) || first < 0 || last < first
        || last >= static_cast<int>(PortsOf(p, sender)[static_cast<std::size_t>(port)].receivers.size()))
        return false;
    const SenderModel& s = p.senders[static_cast<std::size_t>(sender)];
    if (!hw::HasLoopbackPorts(s.deviceType))
        return false;
    HardwareLock lock(TheHardware().mutex);
    TheHardware().faults.SetLoopbackBreak(s.id, port, first, last, true);
    return true;
}

bool ClearLoopbackBreak(int sender, int port)
{
    const ProjectModel p = GetProject();
    if (!ValidPort(p, sender, port))
        return false;
    HardwareLock lock(TheHardware().mutex);
    TheHardware().faults.SetLoopbackBreak(p.senders[static_cast<std::size_t>(sender)].id, port, 0, 0, false);
    return true;
}

void SetMultiSenderCard(bool on)
{
    HardwareLock lock(TheHardware().mutex);
    TheHardware().faults.SetMultiSenderCard(on);
}

void ClearAllFaults()
{
    HardwareLock lock(TheHardware().mutex);
    TheHardware().faults = {};
}

void SetSeed(uint64_t seed)
{
    HardwareLock lock(TheHardware().mutex);
    TheHardware().seed = seed;
}

uint64_t GetSeed()
{
    HardwareLock lock(TheHardware().mutex);
    return TheHardware().seed;
}

uint64_t GetSimulationClock()
{
    HardwareLock lock(TheHardware().mutex);
    return TheHardware().clock;
}

bool ReadReceiverNow(int sender, int port, int receiver, ReceiverValues& values)
{
    hw::SenderReading s;
    if (!hw::ReadSenderNow(sender, s) || port < 0 || port >= static_cast<int>(s.ports.size()))
        return false;
    const auto& receivers = s.ports[static_cast<std::size_t>(port)].receivers;
    if (receiver < 0 || receiver >= static_cast<int>(receivers.size()))
        return false;
    values = receivers[static_cast<std::size_t>(receiver)];
    return true;
}

bool SetVideoSignal(int sender, int input, const VideoSignal& signal)
{
    hw::SenderReading s;
    if (!hw::ReadSenderNow(sender, s) || input < 0 || input >= static_cast<int>(s.inputs.size()))
        return false;
    HardwareLock lock(TheHardware().mutex);
    TheHardware().devices.signals[{s.strId, input}] = signal;
    return true;
}

bool ResetVideoSignal(int sender, int input)
{
    return WithSender(sender, [&](HardwareState& hw, const std::string& id) { hw.devices.signals.erase({id, input}); });
}

AddressSettings GetAddressSettings()
{
    HardwareLock lock(TheHardware().mutex);
    return TheHardware().addresses;
}

void SetAddressSettings(const AddressSettings& settings)
{
    HardwareLock lock(TheHardware().mutex);
    TheHardware().addresses = settings;
}

CardWrite WriteSenderCard(int sender, const std::string& description, const std::string& content)
{
    bool refused = false;
    const int online = hw::WithOnlineSender(sender, [&](HardwareState& hw, const std::string& id) {
        refused = hw.faults.HasSenderFault(id, SenderFault::CardWrite);
        if (!refused)
            hw.devices.cards[id] = {description, content};
    });
    return !online ? CardWrite::NotConnected : refused ? CardWrite::Refused : CardWrite::Written;
}

bool ReadSenderCard(int sender, std::string& content)
{
    bool found = false;
    hw::WithOnlineSender(sender, [&](HardwareState& hw, const std::string& id) {
        if (auto it = hw.devices.cards.find(id); it != hw.devices.cards.end()) {
            content = it->second.strContent;
            found = true;
        }
    });
    return found;
}

int GetCardTransferEndCount()
{
    HardwareLock lock(TheHardware().mutex);
    return TheHardware().cardTransferEnds;
}

std::vector<ReceiverMark> GetDemarcationMarks()
{
    const ProjectModel p = GetProject();
    std::vector<ReceiverMark> marks;
    HardwareLock lock(TheHardware().mutex);
    for (const auto& [id, port, receiver] : TheHardware().marks) {
        const int sender = FindSender(p, id);
        if (sender >= 0)
            marks.push_back({sender, port, receiver});
    }
    return marks;
}

std::vector<uint8_t> GetSwitchedOffPorts(int sender)
{
    std::vector<uint8_t> mask;
    WithSender(sender, [&](HardwareState& hw, const std::string& id) {
        if (auto it = hw.devices.switchedOff.find(id); it != hw.devices.switchedOff.end())
            mask = it->second;
    });
    return mask;
}

void ResetHardware()
{
    HardwareState& hw = TheHardware();
    HardwareLock lock(hw.mutex);
    hw.seed = 1;
    hw.clock = 0;
    hw.faults = {};
    hw.devices = {};
    hw.addresses = {};
    hw.knowledge = {};
    hw.marks.clear();
    hw.cardTransferEnds = 0;
}

} // namespace sim
