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

// A step that changed the stored monitoring settings through a store of
// the page marked the project modified; empty when so, else why not.
std::string SettingsStoredUnmarked(const std::vector<sim::LoggedCall>& calls, bool settingsChanged);

} // namespace app
