#pragma once
// When the monitoring sends alert mail: once warnings have lasted the
// configured number of rounds ("send after N warnings"), and, when asked
// for, once the installation is back to normal after such a mail. A pure
// rule over the rounds of one monitoring run.
#include "host/vistrano_settings.h"
#include "round_records.h"

#include <string>
#include <vector>

namespace sim::hw {

enum class AlertMail { None, Warning, BackToNormal };

struct AlertState {
    int nWarningRounds = 0; // rounds in a row with a warning
    bool bSent = false;     // a warning mail went out for them
};

// The mail this round calls for, given whether it has any warning.
AlertMail NextAlertMail(AlertState& state, bool anyWarning, const SEmailSetting& mail);

// The round has a warning of a sender, a port or a receiver.
bool HasAnyWarning(const RoundDigest& digest);

// The body of the mail: the warnings now present, one per line, or the
// all-clear.
std::string AlertMailText(AlertMail kind, const std::vector<std::string>& warnings);

} // namespace sim::hw
