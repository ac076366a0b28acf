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
    struct Reading {
        ReceiverFault fault;
        int32_t ReceiverValues::*value;
        int32_t reading;
    };
    static constexpr Reading kReadings[] = {
        {ReceiverFault::Humidity, &ReceiverValues::nHumidity, 95},
        {ReceiverFault::Smoke, &ReceiverValues::nSmoke, 1},
        {ReceiverFault::Fan, &ReceiverValues::nFanRpm, 0},
        {ReceiverFault::Door, &ReceiverValues::nDoor, 1},
        {ReceiverFault::PowerSupply1, &ReceiverValues::nPower1, 0},
        {ReceiverFault::PowerSupply2, &ReceiverValues::nPower2, 0},
        {ReceiverFault::Voltage1, &ReceiverValues::nVoltage1_100, 380},
        {ReceiverFault::Voltage2, &ReceiverValues::nVoltage2_100, 380},
        {ReceiverFault::Cable, &ReceiverValues::nCable, 1},
    };
    for (const Reading& r : kReadings)
        if (has(r.fault))
            v.*r.value = r.reading;
    if (has(ReceiverFault::OverTemperature)) // 85 °C and a little of the drift
        v.nTemperature10 = 850 + (v.nTemperature10 == ReceiverValues::kNoSensor ? 0 : v.nTemperature10 % 10);
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
