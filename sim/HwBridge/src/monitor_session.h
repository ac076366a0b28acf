#pragma once
// The rounds of one monitoring run: each reads the hardware, computes the
// round's records, publishes them into the host's monitor data and logs
// what changed since the round before.
#include "round_records.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sim::hw {

struct MonitorRound {
    RoundRecords records;
    std::vector<std::string> changes;   // log texts
    int32_t nRefreshInterval = 0;       // seconds, from the settings the round used
};

class MonitorSession {
public:
    // Reads the hardware (a round later on the clock) and computes.
    MonitorRound Read();
    // Publishes the records and appends the changes to the day's log.
    static void Publish(const MonitorRound& round);

private:
    RoundDigest m_previous;     // empty at the start: every warning is news
};

} // namespace sim::hw
