// IMonitorLogic: the page's commands to the monitoring thread.
#include "bridge_logic.h"

#include "monitor_thread.h"
#include "sim/call_log.h"

namespace sim::hw {
namespace {

class MonitorLogic final : public IMonitorLogic {
public:
    int StartMonitor(CWnd* wnd) override
    {
        Log("IMonitorLogic::StartMonitor", static_cast<const void*>(wnd));
        return MonitorThread::Get().Start();
    }
    int StopMonitor() override
    {
        Log("IMonitorLogic::StopMonitor");
        return MonitorThread::Get().Stop();
    }
    int PauseMonitor() override
    {
        Log("IMonitorLogic::PauseMonitor");
        return MonitorThread::Get().Pause();
    }
    int ResumeMonitor() override
    {
        Log("IMonitorLogic::ResumeMonitor");
        return MonitorThread::Get().Resume();
    }
    int PauseForDetection() override
    {
        Log("IMonitorLogic::PauseForDetection");
        return MonitorThread::Get().PauseForDetection();
    }
};

} // namespace

IMonitorLogic& TheMonitorLogic()
{
    static MonitorLogic* logic = new MonitorLogic;
    return *logic;
}

} // namespace sim::hw
