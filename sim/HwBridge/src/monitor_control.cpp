// Control of the monitoring thread (sim/monitor_control.h).
#include "sim/monitor_control.h"

#include "monitor_thread.h"

namespace sim {

void SetMonitorInterval(std::chrono::milliseconds interval) { hw::MonitorThread::Get().SetInterval(interval); }
void SetMonitorStepMode(bool on) { hw::MonitorThread::Get().SetStepMode(on); }
bool RunMonitorRounds(int n) { return hw::MonitorThread::Get().RunRounds(n); }
uint64_t GetMonitorRoundCount() { return hw::MonitorThread::Get().RoundCount(); }

bool WaitForMonitorRounds(uint64_t count, std::chrono::milliseconds timeout)
{
    return hw::MonitorThread::Get().WaitForRounds(count, timeout);
}

void ShutdownMonitoring() { hw::MonitorThread::Get().Shutdown(); }

} // namespace sim
