// Drifting readings.
#include "drift.h"

namespace sim::hw {

uint64_t Mix(uint64_t a, uint64_t b)
{
    uint64_t z = a ^ (b + 0x9E3779B97F4A7C15ull + (a << 6) + (a >> 2));
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

uint64_t HashText(std::string_view text)
{
    uint64_t h = 0xCBF29CE484222325ull;
    for (unsigned char c : text)
        h = (h ^ c) * 0x100000001B3ull;
    return h;
}

int32_t Wave(uint64_t clock, uint64_t phase, int32_t period, int32_t amplitude)
{
    // A triangle: integer arithmetic, so every platform gives the same values.
    const auto p = static_cast<uint64_t>(period);
    const auto t = static_cast<int64_t>((clock + phase % p) % p);
    const int64_t half = period / 2;
    const int64_t rise = t < half ? t : period - t; // 0 .. half
    return static_cast<int32_t>((rise * 2 * amplitude) / half - amplitude);
}

namespace {

// A small jitter of ±spread that changes every round.
int32_t Jitter(uint64_t key, uint64_t clock, int32_t spread)
{
    return static_cast<int32_t>(Mix(key, clock) % static_cast<uint64_t>(2 * spread + 1)) - spread;
}

int32_t Pick(uint64_t key, int32_t low, int32_t span)
{
    return low + static_cast<int32_t>(key % static_cast<uint64_t>(span));
}

} // namespace

ReceiverValues HealthyReceiver(uint64_t seed, uint64_t cabinet, uint64_t clock)
{
    const uint64_t h = Mix(seed, cabinet);
    ReceiverValues v;
    v.bAnswers = true;
    v.nTemperature10 = Pick(h, 350, 100) + Wave(clock, h >> 8, 240, 30) + Jitter(h ^ 1, clock, 3);
    v.nVoltage1_100 = Pick(h >> 16, 525, 20) + Jitter(h ^ 2, clock, 2);
    const bool monitorCard = (h >> 24) % 8 != 0;
    const bool secondSupply = (h >> 28) % 2 == 0;
    if (monitorCard) {
        v.nHumidity = Pick(h >> 32, 35, 20) + Wave(clock, h >> 36, 600, 5);
        v.nSmoke = 0;
        v.nFanRpm = Pick(h >> 40, 1800, 400) + Jitter(h ^ 3, clock, 30);
        v.nDoor = 0;
        v.nPower1 = 1;
        v.nCable = 0;
    }
    if (secondSupply) {
        v.nVoltage2_100 = Pick(h >> 44, 525, 20) + Jitter(h ^ 4, clock, 2);
        if (monitorCard)
            v.nPower2 = 1;
    }
    return v;
}

SenderClimate HealthySender(uint64_t seed, uint64_t sender, uint64_t clock)
{
    const uint64_t h = Mix(seed, sender);
    return {Pick(h, 380, 60) + Wave(clock, h >> 8, 300, 20), Pick(h >> 20, 2600, 300) + Jitter(h, clock, 40)};
}

} // namespace sim::hw
