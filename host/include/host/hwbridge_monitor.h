#pragma once
// The hardware bridge's monitoring commands.
class CWnd;

class IMonitorLogic {
public:
    // Starts the monitoring thread; wnd is the window that started it.
    virtual int StartMonitor(CWnd* wnd) = 0;
    virtual int StopMonitor() = 0;
    // Holds the thread between rounds, and lets it go on.
    virtual int PauseMonitor() = 0;
    virtual int ResumeMonitor() = 0;
    // Pauses the thread, detects senders and receivers again, and resumes.
    virtual int PauseForDetection() = 0;

protected:
    virtual ~IMonitorLogic() = default;
};
