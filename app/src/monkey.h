#pragma once
// The monkey: a seeded run of random steps (monkey_steps.h) against the
// running host through the scenario runner, modal windows answered at
// random, with the host's invariants checked after every step. A failure
// names the seed and the step, so `--monkey <steps> --seed <seed>` replays
// it exactly.
#include "scenario_runner.h"

#include <cstdint>
#include <string>

namespace app {

struct SMonkeyRun {
    uint32_t seed = 0;
    int steps = 0;
    std::string folder;     // where the project copy and the dump are written
};

// What a finished run reports.
struct SMonkeyReport {
    int steps = 0;          // steps run
    long longestStepMs = 0; // the longest step, rounds and waits included
};

// Plays the run; false with "seed S, step N: <step>: <why>" on the first
// failing step or broken invariant.
bool RunMonkey(const SScenarioEnv& env, const SMonkeyRun& run, SMonkeyReport& report, std::string& error);

} // namespace app
