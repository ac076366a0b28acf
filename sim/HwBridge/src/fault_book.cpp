// Injected faults.
#include "fault_book.h"

namespace sim::hw {
namespace {

uint32_t Bit(ReceiverFault f) { return 1u << static_cast<uint32_t>(f); }
uint32_t Bit(SenderFault f) { return 1u << static_cast<uint32_t>(f); }

uint32_t Switch(uint32_t bits, uint32_t bit, bool on) { return on ? bits | bit : bits & ~bit; }

} // namespace

void FaultBook::SetReceiverFault(const CabinetPort& at, int receiver, ReceiverFault fault, bool on)
{
    PortFaults& p = m_receivers[at];
    if (receiver < 0) {
        p.dwWholePort = Switch(p.dwWholePort, Bit(fault), on);
        if (!on)
            for (auto& [r, bits] : p.receivers)
                bits &= ~Bit(fault);
    } else {
        p.receivers[receiver] = Switch(p.receivers[receiver], Bit(fault), on);
    }
    std::erase_if(p.receivers, [](const auto& entry) { return entry.second == 0; });
    if (p.dwWholePort == 0 && p.receivers.empty())
        m_receivers.erase(at);
}

void FaultBook::SetSenderFault(const std::string& sender, SenderFault fault, bool on)
{
    const uint32_t bits = Switch(m_senders[sender], Bit(fault), on);
    if (bits)
        m_senders[sender] = bits;
    else
        m_senders.erase(sender);
}

void FaultBook::SetPortDisconnected(const std::string& sender, int port, bool on)
{
    if (on)
        m_disconnected.insert({sender, port});
    else
        m_disconnected.erase({sender, port});
}

void FaultBook::SetLoopbackBreak(const std::string& sender, int port, int first, int last, bool on)
{
    if (on)
        m_loopBreaks[{sender, port}] = {first, last};
    else
        m_loopBreaks.erase({sender, port});
}

void FaultBook::ApplyReceiverFaults(const CabinetPort& at, int receiver, ReceiverValues& v) const
{
    auto it = m_receivers.find(at);
    if (it == m_receivers.end())
        return;
    uint32_t bits = it->second.dwWholePort;
    if (auto r = it->second.receivers.find(receiver); r != it->second.receivers.end())
        bits |= r->second;
    const auto has = [bits](ReceiverFault f) { return (bits & Bit(f)) != 0; };
    if (has(ReceiverFault::NoData)) {
        v = ReceiverValues{};
        return;
    }
    // A fault shows as the reading a real card gives in that state; a
    // sensor the card lacks appears with it.
    if (has(ReceiverFault::OverTemperature))
        v.nTemperature10 = 850 + (v.nTemperature10 == ReceiverValues::kNoSensor ? 0 : v.nTemperature10 % 10);
    if (has(ReceiverFault::Humidity))
        v.nHumidity = 95;
    if (has(ReceiverFault::Smoke))
        v.nSmoke = 1;
    if (has(ReceiverFault::Fan))
        v.nFanRpm = 0;
    if (has(ReceiverFault::Door))
        v.nDoor = 1;
    if (has(ReceiverFault::PowerSupply1))
        v.nPower1 = 0;
    if (has(ReceiverFault::PowerSupply2))
        v.nPower2 = 0;
    if (has(ReceiverFault::Voltage1))
        v.nVoltage1_100 = 380;
    if (has(ReceiverFault::Voltage2))
        v.nVoltage2_100 = 380;
    if (has(ReceiverFault::Cable))
        v.nCable = 1;
}

bool FaultBook::HasSenderFault(const std::string& sender, SenderFault fault) const
{
    auto it = m_senders.find(sender);
    return it != m_senders.end() && (it->second & Bit(fault));
}

bool FaultBook::IsPortDisconnected(const std::string& sender, int port) const
{
    return m_disconnected.count({sender, port}) != 0;
}

bool FaultBook::GetLoopbackBreak(const std::string& sender, int port, int& first, int& last) const
{
    auto it = m_loopBreaks.find({sender, port});
    if (it == m_loopBreaks.end())
        return false;
    first = it->second.first;
    last = it->second.second;
    return true;
}

} // namespace sim::hw
