#pragma once
// Readings that drift with the simulation clock: a pure function of the
// seed, the device's identity and the clock, so a run repeats exactly.
#include "sim/hardware.h"

#include <cstdint>
#include <string_view>

namespace sim::hw {

// Well-mixed 64-bit hash of two words.
uint64_t Mix(uint64_t a, uint64_t b);
uint64_t HashText(std::string_view text);

// A slow wave between -amplitude and +amplitude with a period of `period`
// rounds, its phase taken from `phase`.
int32_t Wave(uint64_t clock, uint64_t phase, int32_t period, int32_t amplitude);

// The healthy readings of the cabinet `cabinet` at `clock`: every card has
// temperature and the first supply's voltage; most have a monitoring card
// (humidity, smoke, fan, door, first power supply, cable); about half have
// a second supply (second voltage; its power supply state where a
// monitoring card watches it).
ReceiverValues HealthyReceiver(uint64_t seed, uint64_t cabinet, uint64_t clock);

// A sender's own temperature and fan speed.
struct SenderClimate {
    int32_t nTemperature10 = 0;
    int32_t nFanRpm = 0;
};
SenderClimate HealthySender(uint64_t seed, uint64_t sender, uint64_t clock);

} // namespace sim::hw
