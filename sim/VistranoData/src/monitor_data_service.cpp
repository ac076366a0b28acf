// CMonitorData: the records of the last round, copied whole under the
// monitor data lock, and the project's monitoring settings.
#include "host/vistrano_data.h"
#include "monitor_state.h"
#include "sim/call_log.h"
#include "sim/monitor_feed.h"
#include "world_state.h"

namespace sim {
namespace {

// Copies one record of the last round under the monitor data lock.
template <class T>
void CopyRecord(T detail::MonitorState::*record, T& out)
{
    detail::MonitorState& m = detail::TheMonitorState();
    std::lock_guard lock(m.dataMutex);
    out = m.*record;
}

// Takes the project's monitoring settings and says what became of them, for
// the call log: "changed", "unchanged" (stored again as they were) or
// "refused". Settings a project file could not hold are refused, so that a
// saved project always opens again.
const char* StoreInterfaceData(const CMonitorInterfaceData& data)
{
    detail::World& w = detail::TheWorld();
    detail::WorldLock lock(w.mutex);
    ProjectModel check;
    check.monitor = data;
    if (!ValidateProject(check).empty())
        return "refused";
    if (!(w.project.monitor != data))
        return "unchanged";
    w.project.monitor = data;
    w.modified = true;
    return "changed";
}

class MonitorDataService final : public CMonitorData {
public:
    void GetDetectData(CMonitorDetectData& out) const override
    {
        Log("CMonitorData::GetDetectData");
        CopyRecord(&detail::MonitorState::detect, out);
    }
    void GetInterfaceData(CMonitorInterfaceData& out) const override
    {
        Log("CMonitorData::GetInterfaceData");
        out = GetMonitorSettings();
    }
    void GetWarningData(CMonitorWarningData& out) const override
    {
        Log("CMonitorData::GetWarningData");
        CopyRecord(&detail::MonitorState::warning, out);
    }
    void GetRcvShowData(CMonitorRcvShowData& out) const override
    {
        Log("CMonitorData::GetRcvShowData");
        CopyRecord(&detail::MonitorState::show, out);
    }
    void GetTipData(CMonitorTipsData& out) const override
    {
        Log("CMonitorData::GetTipData");
        CopyRecord(&detail::MonitorState::tips, out);
    }
    void SetInterfaceData(const CMonitorInterfaceData& data) override
    {
        Log("CMonitorData::SetInterfaceData", StoreInterfaceData(data));
    }
    int SendMailToEmail(const std::string& text) override
    {
        Log("CMonitorData::SendMailToEmail", text);
        return SendAlertMail(text);
    }
};

} // namespace
} // namespace sim

CMonitorData* GetMonitorData()
{
    static sim::MonitorDataService* service = new sim::MonitorDataService;
    sim::Log("GetMonitorData");
    return service;
}
