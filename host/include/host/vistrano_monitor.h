#pragma once
// Monitor data and the monitoring thread, as the page sees them.
#include <string>

class CMonitorDetectData;
class CMonitorInterfaceData;
class CMonitorWarningData;
class CMonitorRcvShowData;
class CMonitorTipsData;
class IMonitorDataUpdate;

// The monitor data the monitoring thread last produced. Every getter copies
// a whole record into the caller's object under the host's own lock, so it
// may be called from any thread.
class CMonitorData {
public:
    virtual void GetDetectData(CMonitorDetectData& out) const = 0;
    virtual void GetInterfaceData(CMonitorInterfaceData& out) const = 0;
    virtual void GetWarningData(CMonitorWarningData& out) const = 0;
    virtual void GetRcvShowData(CMonitorRcvShowData& out) const = 0;
    virtual void GetTipData(CMonitorTipsData& out) const = 0;
    // Stores the monitoring settings of the project.
    virtual void SetInterfaceData(const CMonitorInterfaceData& data) = 0;
    // Sends an alert mail with the stored e-mail settings to every
    // recipient; text is the message body. Nonzero when it was sent.
    virtual int SendMailToEmail(const std::string& text) = 0;

protected:
    virtual ~CMonitorData() = default;
};

class CMonitorThreadMgr {
public:
    virtual int IsMonitoring() const = 0;
    // Nonzero while monitoring is paused (for a detection, a demarcation ...).
    virtual int IsPausing() const = 0;
    // After each round of reading, the monitoring thread calls
    // OnMonitorDataUpdate of every target, on the monitoring thread.
    // Adding a target twice keeps one entry.
    virtual void AddMonitorUpdateTarget(IMonitorDataUpdate* target) = 0;
    // Returns only when no call into the target is running.
    virtual void RemoveMonitorUpdateTarget(IMonitorDataUpdate* target) = 0;

protected:
    virtual ~CMonitorThreadMgr() = default;
};
