#pragma once
// The warning rules: what a reading means under the monitoring settings.
// Pure functions.
#include "host/vistrano_settings.h"
#include "host/vistrano_show.h"
#include "readings.h"

#include <cstdint>

namespace sim::hw {

// A fan turning slower than this has failed.
constexpr int32_t kFanFailureRpm = 500;

// The receiver's warning word (WARNING_* bits): no data when it does not
// answer; otherwise each enabled check whose reading is out of bounds.
// Temperatures and the threshold are in Celsius; a reading above the
// threshold warns. A sensor the card lacks never warns.
uint32_t ReceiverWarningWord(const ReceiverValues& v, const SRecevierSetting& s);

// The sender's warning word (SENDER_WARNING_* bits): offline alone when
// it does not answer; otherwise each enabled signal check that fails.
uint32_t SenderWarningWord(const SenderReading& sender, const SSenderSetting& s);

// A video input fault: with inputs configured for the sender (entries of
// its index), one of them has no signal or, with its resolution check on,
// another format; with none configured, no input has a signal.
bool HasVideoInputFault(const SenderReading& sender, const SSenderSetting& s);

// The warning bits the settings switch on; no data and offline always.
uint32_t EnabledReceiverBits(const SRecevierSetting& s);
uint32_t EnabledSenderBits(const SSenderSetting& s);

// What the view writes on the receiver.
SRcvShowValue ShowValue(const ReceiverValues& v);

} // namespace sim::hw
