// Alert mail rule.
#include "alert_mail.h"

#include "sim/one_line.h"

#include <algorithm>

namespace sim::hw {

AlertMail NextAlertMail(AlertState& state, bool anyWarning, const SEmailSetting& mail)
{
    if (!anyWarning) {
        const bool announce = state.bSent && mail.bEnable && mail.bReturnToWork;
        state = {};
        return announce ? AlertMail::BackToNormal : AlertMail::None;
    }
    ++state.nWarningRounds;
    if (state.bSent || !mail.bEnable || state.nWarningRounds < std::max(1, mail.nWarningNum))
        return AlertMail::None;
    state.bSent = true;
    return AlertMail::Warning;
}

bool HasAnyWarning(const RoundDigest& digest)
{
    for (const SenderDigest& s : digest.senders) {
        if (s.dwWord)
            return true;
        for (const PortDigest& p : s.ports)
            if (p.dwWord || p.nLoopFirst >= 0
                || std::any_of(p.receivers.begin(), p.receivers.end(), [](uint32_t w) { return w != 0; }))
                return true;
    }
    return false;
}

std::string AlertMailText(AlertMail kind, const std::vector<std::string>& warnings)
{
    if (kind == AlertMail::BackToNormal)
        return "The installation is back to normal.";
    std::string text = "The monitoring reports:";
    for (const std::string& w : warnings)
        text += "\n" + OneLine(w); // a name with a line break must not forge a line
    return text;
}

} // namespace sim::hw
