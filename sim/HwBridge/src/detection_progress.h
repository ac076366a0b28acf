#pragma once
// Progress of a detection, reported to the calling window when it is a
// progress watcher of the control library and a range was given.
class CWnd;
class IProgressWatcherEx2;

namespace sim::hw {

class DetectionProgress {
public:
    DetectionProgress(CWnd* wnd, int begin, int end);
    // Step `done` of `total` is complete.
    void Step(int done, int total);

private:
    IProgressWatcherEx2* m_watcher = nullptr;
    int m_begin = 0;
    int m_end = 0;
};

// The steps a detection takes, so a progress window moves through them.
constexpr int kDetectionSteps = 5;

} // namespace sim::hw
