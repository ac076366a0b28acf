#pragma once
// What every pane tells the host: which panes to refresh, that the project
// was changed, and monitoring settings the user changed.
#include <cstdint>

struct CMonitorInterfaceData;

// Hands an update mask to the host (which passes it back to every page);
// nothing without a host.
void NotifyHost(int32_t mask, int32_t word1 = 0, int32_t word2 = 0, int32_t word3 = 0);

// Records one project modification in the host's undo record.
void MarkProjectModified();

// Stores `edited` as the host's monitoring settings and marks the project
// modified, once, when it differs from what the host holds; an unchanged
// record is neither stored again nor marked. True when stored.
bool StoreMonitorRecord(const CMonitorInterfaceData& edited);
