#pragma once
// The monkey: a seeded run of random steps (monkey_steps.h) against the
// running host through the scenario runner, modal windows answered at
// random, with the host's invariants checked after every step. A failure
// names the seed and the step, so `--monkey <steps> --seed <seed>` replays
// it exactly. A soak runs the same with the monitoring thread reading as
// fast as it can, and samples the process's memory as it goes.
#include "scenario_runner.h"
#include "soak_samples.h"

#include <QJsonObject>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace app {

struct SMonkeyRun {
    uint32_t seed = 0;
    int steps = 0;
    std::string folder;  // where the project copy and the dump are written
    int soakSeconds = 0; // > 0: a soak, ended after the steps or this long
    // The dump without the host's call log, which grows with the run, and
    // without the panes' drawing (painted all the same): what every step
    // reads its checks and targets from. The full dump is written when a
    // step fails.
    std::function<QJsonObject()> stateDump;
    // Releases the monitor page and creates it again; false with a message.
    std::function<bool(std::string&)> recreatePage;
};

// What a finished run reports.
struct SMonkeyReport {
    int steps = 0;                    // steps run
    long longestStepMs = 0;           // the longest step, rounds and waits included
    long longestPause = 0;            // ms: the user interface thread's longest pause inside a step
    std::string longestPauseStep;     // the step it happened in
    uint64_t rounds = 0;              // monitoring rounds during the run
    std::vector<SSoakSample> samples; // a soak's, about every two seconds
};

// Plays the run; false with "seed S, step N: <step>: <why>" on the first
// failing step or broken invariant.
bool RunMonkey(const SScenarioEnv& env, const SMonkeyRun& run, SMonkeyReport& report, std::string& error);

} // namespace app
