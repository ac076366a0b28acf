// Control of the monitoring thread (sim/monitor_control.h).
#include "sim/monitor_control.h"

#include "monitor_thread.h"
#include "record_keeper.h"

namespace sim {

void SetMonitorInterval(std::chrono::milliseconds interval) { hw::MonitorThread::Get().SetInterval(interval); }
void SetMonitorStepMode(bool on) { hw::MonitorThread::Get().SetStepMode(on); }
bool RunMonitorRounds(int n) { return hw::MonitorThread::Get().RunRounds(n); }
uint64_t GetMonitorRoundCount() { return hw::MonitorThread::Get().RoundCount(); }

bool WaitForMonitorRounds(uint64_t count, std::chrono::milliseconds timeout)
{
    return hw::MonitorThread::Get().WaitForRounds(count, timeout);
}

void SetRecordTroubleHandler(std::function<void(const std::string& message)> handler)
{
    hw::RecordKeeper::Get().SetTroubleHandler(std::move(handler));
}

void ShutdownMonitoring() { hw::MonitorThread::Get().Shutdown(); }

} // namespace sim
