#pragma once
// A heartbeat on the user interface thread: a short timer whose lateness
// is how long the thread went without turning its event loop. Counted only
// while armed, so the monkey's own checks between steps are left out.
#include <QElapsedTimer>
#include <QTimer>

namespace app {

class CUiHeartbeat {
public:
    explicit CUiHeartbeat(int intervalMs = 5);

    // Counts pauses from now on.
    void Arm();
    // Stops counting; the time since the last beat counts as a pause.
    void Disarm();
    // The longest time between two turns of the event loop while armed,
    // beyond the timer's interval.
    long LongestPauseMs() const { return m_longest; }

private:
    void Beat();

    int m_interval;
    QTimer m_timer;
    QElapsedTimer m_sinceBeat;
    bool m_armed = false;
    long m_longest = 0;
};

} // namespace app
