#pragma once
// The monitoring thread's side of the host's data: it sets the state that
// CMonitorThreadMgr reports, publishes each round's records (which
// CMonitorData then hands out), calls the registered update targets, and
// sends alert mail. Thread-safe; nothing here is logged as a call of the page.
#include "host/monitor_records.h"

#include <string>
#include <vector>

namespace sim {

// What CMonitorThreadMgr::IsMonitoring and IsPausing answer.
void SetMonitorThreadState(bool monitoring, bool pausing);

// Replaces the records of a round, each copied under the monitor data lock.
void PublishMonitorRound(const CMonitorDetectData& detect, const CMonitorWarningData& warning,
                         const CMonitorRcvShowData& show, const CMonitorTipsData& tips);

// Calls OnMonitorDataUpdate of every registered target on the calling
// thread, in the order they were added. A target removed meanwhile is not
// called; RemoveMonitorUpdateTarget waits for a call in progress.
void NotifyMonitorUpdateTargets();
int GetMonitorUpdateTargetCount();

// The monitoring settings of the project.
CMonitorInterfaceData GetMonitorSettings();

// Writes an alert mail to the outbox (as CMonitorData::SendMailToEmail):
// 1 when written, 0 when it could not be or mail is not set up.
int SendAlertMail(const std::string& text);
// The same, telling why a mail could not be written. NotConfigured: no
// account, server or recipient; nothing is written.
enum class MailResult { Sent, NotConfigured, Failed };
MailResult WriteAlertMail(const std::string& text, std::string& error);
// <configuration folder>/Outbox/: one text file per message sent.
std::string GetOutboxFolder();

} // namespace sim
