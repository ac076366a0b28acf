#pragma once
// What the hardware bridge last learnt from the hardware: the detection
// record of each sender and which receivers answered, by sender identifier,
// with the sender order of the project at that time. The sender logic
// answers from it while monitoring is off.
#include "host/vistrano_detect.h"
#include "readings.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace sim::hw {

struct KnownSender {
    bool bOnline = false;
    uint32_t dwDetectId = 0;
    SDetectSenderData record;
    std::vector<std::vector<uint8_t>> answered; // per port, by connection index; empty: not read yet
};

class Knowledge {
public:
    // A sender detection (withReceivers false) or a whole read.
    void Remember(const HardwareRound& round, bool withReceivers);
    // A receiver detection of one port; sender or port -1: all.
    void RememberReceivers(const HardwareRound& round, int sender, int port);

    bool HasDetected() const { return m_detected; }
    // The sender at a project index as of the last detection; null when
    // unknown or not answering.
    const KnownSender* Online(int index) const;
    const KnownSender* Known(int index) const;
    int DetectedCount() const;
    // Project index of the answering sender with the lowest detection id; -1 none.
    int LowestIdSender() const;
    // Identifier of the sender at a project index, empty when unknown.
    std::string IdAt(int index) const;

private:
    bool m_detected = false;
    std::vector<std::string> m_ids;
    std::map<std::string, KnownSender> m_senders;
};

} // namespace sim::hw
