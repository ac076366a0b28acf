#pragma once
// The faults injected into the simulated hardware, kept by sender
// identifier, and how they change what the hardware reads.
#include "sim/hardware.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace sim::hw {

// Where a port's receivers sit: the sender and port that own the cabinets
// (the source end of a backup pair, the main output of a fibre pair).
struct CabinetPort {
    std::string strSender;
    int nPort = 0;
    auto operator<=>(const CabinetPort&) const = default;
};

class FaultBook {
public:
    // receiver -1: the whole port.
    void SetReceiverFault(const CabinetPort& at, int receiver, ReceiverFault fault, bool on);
    void SetSenderFault(const std::string& sender, SenderFault fault, bool on);
    void SetPortDisconnected(const std::string& sender, int port, bool on);
    void SetLoopbackBreak(const std::string& sender, int port, int first, int last, bool on);
    void SetMultiSenderCard(bool on) { m_multiSenderCard = on; }

    // Changes a healthy reading into what the faults make of it.
    void ApplyReceiverFaults(const CabinetPort& at, int receiver, ReceiverValues& values) const;
    // The faults of a port, for a quick skip of ports without any.
    bool HasReceiverFaults(const CabinetPort& at) const { return m_receivers.count(at) != 0; }
    bool HasSenderFault(const std::string& sender, SenderFault fault) const;
    bool IsPortDisconnected(const std::string& sender, int port) const;
    // First and last receiver of a broken loop; false when the loop is whole.
    bool GetLoopbackBreak(const std::string& sender, int port, int& first, int& last) const;
    bool IsMultiSenderCard() const { return m_multiSenderCard; }

private:
    struct PortFaults {
        uint32_t dwWholePort = 0;          // fault bits on every receiver
        std::map<int, uint32_t> receivers; // fault bits by connection index
    };
    std::map<CabinetPort, PortFaults> m_receivers;
    std::map<std::string, uint32_t> m_senders;
    std::set<std::pair<std::string, int>> m_disconnected;
    std::map<std::pair<std::string, int>, std::pair<int, int>> m_loopBreaks;
    bool m_multiSenderCard = false;
};

} // namespace sim::hw
