#pragma once
// The progress watcher: long operations (detection) report through it, and
// the dialog that implements it shows a progress window over the
// application while they run, keeping the windows painted.
#include <string>

struct SProgressInfo {
    std::string strTitle; // window title
    std::string strText;  // line above the bar (may be empty)
    int nMin = 0;
    int nMax = 100;
};

class IProgressWatcherEx2 {
public:
    // 0 when the progress began; -1 when it is refused (another progress is
    // running, or a script refused it). Only a begun progress takes the
    // other calls; they do nothing otherwise.
    virtual int BeginProgress(const SProgressInfo& info) = 0;
    virtual void SetProgressRange(int nMin, int nMax) = 0;
    virtual void SetProgressPos(int nPos) = 0;
    virtual void SetProgressText(const std::string& text) = 0;
    virtual void EndProgress() = 0;
    virtual bool IsProgressRunning() const = 0;

protected:
    ~IProgressWatcherEx2() = default;
};
