#pragma once
// The records of the last monitoring round, the thread's state and the
// update targets. The records have their own lock, apart from the world's,
// because the monitoring thread copies them while the page works.
#include "host/monitor_records.h"
#include "host/monitor_update.h"

#include <atomic>
#include <mutex>
#include <vector>

namespace sim::detail {

struct MonitorState {
    std::mutex dataMutex;
    CMonitorDetectData detect;
    CMonitorWarningData warning;
    CMonitorRcvShowData show;
    CMonitorTipsData tips;

    std::atomic<bool> monitoring{false};
    std::atomic<bool> pausing{false};

    // Held while targets are called; recursive so that a target may remove
    // itself from inside its call.
    std::recursive_mutex targetsMutex;
    std::vector<IMonitorDataUpdate*> targets;
};

MonitorState& TheMonitorState();
// Records emptied, monitoring stopped; the targets stay.
void ResetMonitorState();

} // namespace sim::detail
