// The monitoring round's records and the thread's side of them.
#include "monitor_state.h"

#include "sim/monitor_feed.h"
#include "world_state.h"

namespace sim {
namespace detail {

MonitorState& TheMonitorState()
{
    static MonitorState* state = new MonitorState; // the monitoring thread may outlive static teardown
    return *state;
}

void ResetMonitorState()
{
    MonitorState& m = TheMonitorState();
    {
        std::lock_guard lock(m.dataMutex);
        m.detect = {};
        m.warning = {};
        m.show = {};
        m.tips = {};
    }
    m.monitoring = false;
    m.pausing = false;
}

} // namespace detail

void SetMonitorThreadState(bool monitoring, bool pausing)
{
    detail::MonitorState& m = detail::TheMonitorState();
    m.monitoring = monitoring;
    m.pausing = pausing;
}

void PublishMonitorRound(const CMonitorDetectData& detect, const CMonitorWarningData& warning,
                         const CMonitorRcvShowData& show, const CMonitorTipsData& tips)
{
    detail::MonitorState& m = detail::TheMonitorState();
    std::lock_guard lock(m.dataMutex);
    m.detect = detect;
    m.warning = warning;
    m.show = show;
    m.tips = tips;
}

CMonitorInterfaceData GetMonitorSettings()
{
    detail::WorldLock lock(detail::TheWorld().mutex);
    return detail::TheWorld().project.monitor;
}

} // namespace sim
