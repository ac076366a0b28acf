#pragma once
// The monkey's checks on what one step made the page do, read from the
// calls it made into the host during the step, apart from any window so
// they can be tested on their own.
#include "sim/call_log.h"

#include <string>
#include <vector>

namespace app {

// The first call that names a sender outside a project of `senders`
// senders, as "operation(arguments)"; empty when none does. -1 is the
// page asking about no sender, which the host answers with nothing.
std::string SenderOutsideProject(const std::vector<sim::LoggedCall>& calls, int senders);

// Every change of the monitoring settings the page stored during a step was
// stored once (the host logs a store of the record as it was "unchanged")
// and marked the project modified once, before the next store; empty when
// so, else why not.
std::string SettingsStoreFault(const std::vector<sim::LoggedCall>& calls);

// The tree's selection as the page told the host (node type and index,
// a port told as its sender) and the sender the page made current.
struct SSelectionState {
    int treeType = 0;
    int treeIndex = 0;
    int currentSender = 0;
    int senders = 0;
};

// Where the tree shows a sender selected, it is the current sender, one of
// the project's; empty when so, else why not.
std::string SelectionDisagreement(const SSelectionState& state);

} // namespace app
