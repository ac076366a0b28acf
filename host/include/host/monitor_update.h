#pragma once
// IMonitorDataUpdate: the receiver that the monitoring thread calls after
// each round of reading the hardware (CMonitorThreadMgr::AddMonitorUpdateTarget).
class IMonitorDataUpdate {
public:
    // Runs on the monitoring thread.
    virtual void OnMonitorDataUpdate() = 0;

protected:
    // Receivers belong to whoever registered them.
    ~IMonitorDataUpdate() = default;
};
