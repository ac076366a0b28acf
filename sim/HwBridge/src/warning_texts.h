#pragma once
// The texts of warnings, for tooltips and the monitoring log: names of
// warning bits, one receiver's warnings with their readings, a port's
// summary and a sender's warnings. Temperatures in the user's unit.
#include "host/vistrano_settings.h"
#include "host/vistrano_show.h"
#include "sim/hardware.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sim::hw {

// Receiver warning bits (WARNING_*) in the order texts list them.
const std::vector<uint32_t>& ReceiverWarningBits();
// Sender warning bits (SENDER_WARNING_*) in the order texts list them.
const std::vector<uint32_t>& SenderWarningBits();

// "Over temperature", "Cable fault" ...; empty for an unknown bit.
std::string ReceiverWarningName(uint32_t bit);
std::string SenderWarningName(uint32_t bit);

// "85.0℃", or "185.0℉" with fahrenheit.
std::string TemperatureText(int32_t tenthsCelsius, bool fahrenheit);

// One line per bit of the receiver's word, with the reading where it has
// one: "Over temperature: 85.0℃ (limit 60℃)".
std::vector<STipLine> ReceiverTipLines(const ReceiverValues& v, uint32_t word, const SRecevierSetting& s,
                                       bool fahrenheit);
std::vector<STipLine> SenderTipLines(uint32_t word);

// A port's summary: "Not connected", the broken loop, and per warning bit
// the number of receivers that have it ("Over temperature on 3 receivers").
// loopFirst -1: the loop is whole.
std::vector<STipLine> PortTipLines(bool connected, const std::vector<uint32_t>& receiverWords, int loopFirst,
                                   int loopLast);

} // namespace sim::hw
