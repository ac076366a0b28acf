// A monitoring run's rounds.
#include "monitor_session.h"

#include "change_log.h"
#include "hardware_state.h"
#include "record_keeper.h"
#include "sim/monitor_feed.h"
#include "sim/world.h"

#include <ctime>

namespace sim::hw {

MonitorRound MonitorSession::Read()
{
    const ProjectModel project = GetProject();
    const bool fahrenheit = GetConfig().fahrenheit;
    const WarningTexts texts = LanguageTexts();
    const HardwareRound hardware = ReadHardwareNow(project, ReadKind::MonitoringRound);
    MonitorRound round{
        ComputeRound(hardware, project.monitor, fahrenheit, texts), {}, {}, project.monitor.nRefreshInterval};
    round.changes = DescribeChanges(m_previous, round.records.digest, hardware, project.monitor, fahrenheit, texts);
    const AlertMail mail = NextAlertMail(m_alert, HasAnyWarning(round.records.digest), project.monitor.emailSetting);
    if (mail == AlertMail::Warning)
        round.mail = AlertMailText(
            mail, DescribeChanges({}, round.records.digest, hardware, project.monitor, fahrenheit, texts));
    else if (mail == AlertMail::BackToNormal)
        round.mail = AlertMailText(mail, {});
    m_previous = std::move(round.records.digest);
    return round;
}

void MonitorSession::Publish(const MonitorRound& round)
{
    const RoundRecords& r = round.records;
    PublishMonitorRound(r.detect, r.warning, r.show, r.tips);
    // Every round writes, so lines kept from a failed write are tried again.
    RecordKeeper::Get().Log(round.changes, std::time(nullptr));
    if (!round.mail.empty())
        RecordKeeper::Get().Mail(round.mail);
}

} // namespace sim::hw
