#pragma once
// What the monitoring log says about a round: the changes since the round
// before, one readable text per change ("Sender 2 (Stage Arc), port 3,
// receivers 5-9: Over temperature"). Readings are not logged, only changes.
#include "host/vistrano_settings.h"
#include "readings.h"
#include "round_records.h"
#include "warning_texts.h"

#include <string>
#include <vector>

namespace sim::hw {

// "5", "1-4, 7, 9-12" of 0-based indices, shown 1-based.
std::string NumberRanges(const std::vector<int>& sortedIndices);

// The changes from `before` to `after`. A sender or port that is offline
// or not connected is reported as such, without its receivers; when it
// comes back, its receivers' warnings are reported afresh. `now` is the
// round `after` was made from, for the readings of single receivers.
std::vector<std::string> DescribeChanges(const RoundDigest& before, const RoundDigest& after, const HardwareRound& now,
                                         const CMonitorInterfaceData& settings, bool fahrenheit,
                                         const WarningTexts& texts);

} // namespace sim::hw
