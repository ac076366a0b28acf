#pragma once
// Detection records from what the hardware read.
#include "host/vistrano_detect.h"
#include "readings.h"

#include <cstdint>

namespace sim::hw {

// Bit per connected port, numbered by the sender's device class (fibre
// senders: per fibre output).
uint32_t PortMask(const SenderReading& sender);

// The record of an answering sender.
SDetectSenderData SenderRecord(const SenderReading& sender);

// The record of one receiver; inBrokenLoop: reached only through the
// loop's other end.
SDetectReceiverData ReceiverRecord(int sender, int port, int receiver, const ReceiverValues& v, uint32_t word,
                                   bool inBrokenLoop);

} // namespace sim::hw
