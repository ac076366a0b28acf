#pragma once
// The monkey's random steps, apart from any window so they can be checked
// on their own: each step is one action in the scenario language (input,
// monitoring, a round, a fault, a resize, a save and reopen) with the modal
// answers it queues before it, a switch of the page shown, or the monitor
// page released and created again. The same seed and the same scenes give
// the same steps.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace app {

// What a step may aim at, read from the host before each step.
struct SMonkeyScene {
    int width = 0; // page area client size
    int height = 0;
    int senders = 0; // senders of the project
    int pages = 0;   // pages of the host
    int currentPage = 0;
    bool monitoring = false;
    bool soak = false;                  // monitoring free-running: a stop is followed by a start
    std::vector<unsigned> menuCommands; // menu commands seen so far
    std::vector<std::string> targets;   // named things the page shows (monkey_targets.h)
    std::string projectCopy;            // the file the monkey saves to and reopens
};

struct SMonkeyStep {
    std::vector<std::string> lines; // scenario lines, answers first
    int page = -1;                  // >= 0: show this page instead
    bool recreatePage = false;      // release the monitor page and create it again instead
};

// Draws one step.
SMonkeyStep NextMonkeyStep(std::mt19937& rng, const SMonkeyScene& scene);

// The step as one line for messages: its lines joined by " | ".
std::string MonkeyStepText(const SMonkeyStep& step);

} // namespace app
