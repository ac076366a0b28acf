#pragma once
// The two things every pane tells the host: which panes to refresh, and
// that the project was changed.
#include <cstdint>

// Hands an update mask to the host (which passes it back to every page);
// nothing without a host.
void NotifyHost(int32_t mask, int32_t word1 = 0, int32_t word2 = 0, int32_t word3 = 0);

// Records one project modification in the host's undo record.
void MarkProjectModified();
