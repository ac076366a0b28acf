// CMonitorThreadMgr: the monitoring thread's state and its update targets.
// The thread itself belongs to the hardware simulation, which drives this
// through sim/monitor_feed.h.
#include "host/vistrano_data.h"
#include "monitor_state.h"
#include "sim/call_log.h"
#include "sim/monitor_feed.h"

#include <algorithm>

namespace sim {
namespace {

bool Contains(const std::vector<IMonitorDataUpdate*>& targets, IMonitorDataUpdate* t)
{
    return std::find(targets.begin(), targets.end(), t) != targets.end();
}

class ThreadMgrService final : public CMonitorThreadMgr {
public:
    int IsMonitoring() const override
    {
        Log("CMonitorThreadMgr::IsMonitoring");
        return detail::TheMonitorState().monitoring ? 1 : 0;
    }
    int IsPausing() const override
    {
        Log("CMonitorThreadMgr::IsPausing");
        return detail::TheMonitorState().pausing ? 1 : 0;
    }
    void AddMonitorUpdateTarget(IMonitorDataUpdate* target) override
    {
        Log("CMonitorThreadMgr::AddMonitorUpdateTarget", static_cast<const void*>(target));
        detail::MonitorState& m = detail::TheMonitorState();
        std::lock_guard lock(m.targetsMutex);
        if (target && !Contains(m.targets, target))
            m.targets.push_back(target);
    }
    void RemoveMonitorUpdateTarget(IMonitorDataUpdate* target) override
    {
        Log("CMonitorThreadMgr::RemoveMonitorUpdateTarget", static_cast<const void*>(target));
        detail::MonitorState& m = detail::TheMonitorState();
        std::lock_guard lock(m.targetsMutex);
        m.targets.erase(std::remove(m.targets.begin(), m.targets.end(), target), m.targets.end());
    }
};

} // namespace

void NotifyMonitorUpdateTargets()
{
    detail::MonitorState& m = detail::TheMonitorState();
    std::lock_guard lock(m.targetsMutex);
    const std::vector<IMonitorDataUpdate*> targets = m.targets;
    for (IMonitorDataUpdate* t : targets)
        if (Contains(m.targets, t))
            t->OnMonitorDataUpdate();
}

int GetMonitorUpdateTargetCount()
{
    detail::MonitorState& m = detail::TheMonitorState();
    std::lock_guard lock(m.targetsMutex);
    return static_cast<int>(m.targets.size());
}

} // namespace sim

CMonitorThreadMgr* GetMonitorThreadMgr()
{
    static sim::ThreadMgrService* service = new sim::ThreadMgrService;
    sim::Log("GetMonitorThreadMgr");
    return service;
}
