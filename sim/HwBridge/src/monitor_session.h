#pragma once
// The rounds of one monitoring run: each reads the hardware, computes the
// round's records, publishes them into the host's monitor data, logs what
// changed since the round before and sends the alert mail it calls for.
#include "alert_mail.h"
#include "round_records.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sim::hw {

struct MonitorRound {
    RoundRecords records;
    std::vector<std::string> changes; // log texts
    std::string mail;                 // an alert mail to send; empty for none
    int32_t nRefreshInterval = 0;     // seconds, from the settings the round used
};

class MonitorSession {
public:
    // Reads the hardware (a round later on the clock) and computes.
    MonitorRound Read();
    // Publishes the records, appends the changes to the day's log, sends
    // the mail (through RecordKeeper, which keeps what cannot be written).
    static void Publish(const MonitorRound& round);

private:
    RoundDigest m_previous; // empty at the start: every warning is news
    AlertState m_alert;
};

} // namespace sim::hw
