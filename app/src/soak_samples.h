#pragma once
// What a soak samples as it goes (time, steps, monitoring rounds, resident
// memory) and the memory growth worked out from the samples.
#include <cstdint>
#include <string>
#include <vector>

namespace app {

struct SSoakSample {
    double seconds = 0;
    int steps = 0;
    uint64_t rounds = 0;
    long residentKb = 0;
};

// The process's resident memory; 0 where the system does not tell.
long ResidentKilobytes();

// Resident memory growth per 10,000 rounds after warm-up (the first
// quarter of the samples left out): the slope of a least-squares line
// through the rest. 0 with fewer than two samples or rounds that did not
// advance.
double GrowthKbPer10kRounds(const std::vector<SSoakSample>& samples);

// One sample as a line of the samples file (seconds,steps,rounds,kB).
std::string SoakSampleLine(const SSoakSample& sample);

} // namespace app
