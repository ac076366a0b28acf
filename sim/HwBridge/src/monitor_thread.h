#pragma once
// The monitoring thread: a std::thread per monitoring run that, every
// refresh interval, reads the hardware, publishes the round, logs the
// changes and calls the update targets. IMonitorLogic and
// sim/monitor_control.h drive it.
//
// Locking: one mutex guards the runs and their phases. It is never held
// while the thread reads the hardware, publishes or calls the targets, so
// a target may take any lock. A stop joins the thread, except while the
// thread is inside the targets' calls (or the stop comes from a target):
// then the thread is handed to a list of finished runs and joined later,
// because a target may be waiting for a lock that the stopping thread
// holds. Such a thread only completes its calls and ends; it reads,
// publishes and calls nothing more.
#include "monitor_session.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace sim::hw {

class MonitorThread {
public:
    static MonitorThread& Get();

    // IMonitorLogic. Start answers 1 also when monitoring runs already, 0
    // when the system gives no thread; the others answer 0 when monitoring
    // does not run.
    int Start();
    int Stop();
    // Returns once a read in progress has ended: the hardware is then left
    // alone until the last pause is resumed.
    int Pause();
    int Resume();
    // While monitoring: the thread detects before its next round; pausing
    // is reported until then. Otherwise detects at once.
    int PauseForDetection();

    void SetInterval(std::chrono::milliseconds interval);
    void SetStepMode(bool on);
    bool RunRounds(int n);
    uint64_t RoundCount();
    bool WaitForRounds(uint64_t count, std::chrono::milliseconds timeout);
    void Shutdown();

private:
    struct Run {
        std::thread thread;
        MonitorSession session;
        bool stop = false;
        bool inRead = false;      // reading the hardware
        bool inCallbacks = false; // calling the update targets
        bool finished = false;
        int requested = 0; // rounds asked for by RunRounds
        uint64_t rounds = 0;
        int32_t refreshSeconds = 0; // from the last round's settings
        std::chrono::steady_clock::time_point lastRound;
    };
    using RunPtr = std::shared_ptr<Run>;

    void Loop(Run* run);
    // Waits for the next thing to do; false when the run is to end.
    bool WaitForWork(std::unique_lock<std::mutex>& lock, Run& run);
    std::chrono::steady_clock::duration Interval(const Run& run) const;
    void PublishState();
    void JoinFinished();
    bool OnMonitorThread() const;

    std::mutex m_mutex;
    std::condition_variable m_cv;
    RunPtr m_run;
    std::vector<RunPtr> m_finishing; // stopped while calling targets
    int m_pauses = 0;
    bool m_detectRequested = false;
    uint64_t m_totalRounds = 0;
    std::chrono::milliseconds m_interval{0};
    bool m_stepMode = false;
};

} // namespace sim::hw
