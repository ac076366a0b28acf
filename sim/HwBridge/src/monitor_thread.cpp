// The monitoring thread.
#include "monitor_thread.h"

#include "hardware_state.h"
#include "record_keeper.h"
#include "sim/monitor_feed.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <system_error>

namespace sim::hw {
namespace {

using Clock = std::chrono::steady_clock;

// Set on every monitoring thread: calls from an update target must not
// wait for the thread they run on.
thread_local bool t_onMonitorThread = false;

void LogEvent(const char* text) { RecordKeeper::Get().Log({text}, std::time(nullptr)); }

// Ends the monitoring threads when the process ends or the library is
// unloaded, before any static they might read is destroyed, whatever the
// order of destruction: registered when the first run starts, the handler
// runs before the destructors of every static that existed then (the
// page's state among them), and what a round uses besides is constant or
// never destroyed.
void EndRunsAtExit() { MonitorThread::Get().Shutdown(); }

} // namespace

MonitorThread& MonitorThread::Get()
{
    static MonitorThread* thread = new MonitorThread; // used by EndRunsAtExit during teardown
    return *thread;
}

bool MonitorThread::OnMonitorThread() const { return t_onMonitorThread; }

void MonitorThread::PublishState()
{
    SetMonitorThreadState(m_run != nullptr, m_run && (m_pauses > 0 || m_detectRequested));
}

void MonitorThread::JoinFinished()
{
    std::erase_if(m_finishing, [](const RunPtr& run) {
        if (!run->finished)
            return false;
        run->thread.join(); // it has left its loop: this returns at once
        return true;
    });
}

int MonitorThread::Start()
{
    std::lock_guard lock(m_mutex);
    JoinFinished();
    if (m_run)
        return 1;
    static const bool endsAtExit = std::atexit(EndRunsAtExit) == 0;
    if (!endsAtExit)
        return 0; // a run that could outlive the statics it reads is not started
    m_pauses = 0;
    m_detectRequested = false;
    auto run = std::make_shared<Run>();
    try {
        run->thread = std::thread(&MonitorThread::Loop, this, run.get());
    } catch (const std::system_error&) {
        return 0; // no thread to be had: monitoring stays off
    }
    m_run = std::move(run);
    LogEvent("Monitoring started");
    PublishState();
    return 1;
}

int MonitorThread::Stop()
{
    RunPtr joinNow;
    {
        std::lock_guard lock(m_mutex);
        JoinFinished();
        if (!m_run)
            return 0;
        m_run->stop = true;
        if (m_run->inCallbacks || OnMonitorThread())
            m_finishing.push_back(m_run);
        else
            joinNow = m_run;
        m_run.reset();
        m_pauses = 0;
        m_detectRequested = false;
        PublishState();
        m_cv.notify_all();
    }
    if (joinNow)
        joinNow->thread.join();
    LogEvent("Monitoring stopped");
    return 1;
}

int MonitorThread::Pause()
{
    std::unique_lock lock(m_mutex);
    if (!m_run)
        return 0;
    ++m_pauses;
    PublishState();
    if (!OnMonitorThread()) {
        RunPtr run = m_run;
        m_cv.wait(lock, [&] { return !run->inRead; });
    }
    return 1;
}

int MonitorThread::Resume()
{
    std::lock_guard lock(m_mutex);
    if (!m_run)
        return 0;
    m_pauses = std::max(0, m_pauses - 1);
    PublishState();
    m_cv.notify_all();
    return 1;
}

int MonitorThread::PauseForDetection()
{
    {
        std::lock_guard lock(m_mutex);
        if (m_run) {
            m_detectRequested = true;
            PublishState();
            m_cv.notify_all();
            return 1;
        }
    }
    ReadHardwareNow(ReadKind::Detection);
    return 1;
}

void MonitorThread::SetInterval(std::chrono::milliseconds interval)
{
    std::lock_guard lock(m_mutex);
    m_interval = std::max(interval, std::chrono::milliseconds(0));
    m_cv.notify_all();
}

void MonitorThread::SetStepMode(bool on)
{
    std::lock_guard lock(m_mutex);
    m_stepMode = on;
    m_cv.notify_all();
}

bool MonitorThread::RunRounds(int n)
{
    if (n <= 0)
        return true;
    std::unique_lock lock(m_mutex);
    if (!m_run) {
        lock.unlock();
        AdvanceClock(static_cast<uint64_t>(n));
        return true;
    }
    if (OnMonitorThread() || m_pauses > 0)
        return false;
    RunPtr run = m_run;
    const uint64_t target = run->rounds + static_cast<uint64_t>(run->requested + n);
    run->requested += n;
    m_cv.notify_all();
    m_cv.wait(lock, [&] { return run->rounds >= target || run->stop || m_pauses > 0; });
    return run->rounds >= target;
}

uint64_t MonitorThread::RoundCount()
{
    std::lock_guard lock(m_mutex);
    return m_totalRounds;
}

bool MonitorThread::WaitForRounds(uint64_t count, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    return m_cv.wait_for(lock, timeout, [&] { return m_totalRounds >= count; });
}

void MonitorThread::Shutdown()
{
    Stop();
    if (OnMonitorThread())
        return; // its own thread cannot be joined from here; a later stop or start does it
    std::vector<RunPtr> finishing;
    {
        std::lock_guard lock(m_mutex);
        finishing.swap(m_finishing);
        m_interval = std::chrono::milliseconds(0);
        m_stepMode = false;
    }
    for (const RunPtr& run : finishing)
        run->thread.join();
}

Clock::duration MonitorThread::Interval(const Run& run) const
{
    if (m_interval.count() > 0)
        return m_interval;
    return std::chrono::seconds(std::max(1, run.refreshSeconds));
}

bool MonitorThread::WaitForWork(std::unique_lock<std::mutex>& lock, Run& run)
{
    while (!run.stop) {
        if (m_detectRequested)
            return true;
        if (m_pauses == 0 && run.requested > 0)
            return true;
        if (m_pauses == 0 && !m_stepMode) {
            const Clock::time_point due = run.lastRound + Interval(run);
            if (run.lastRound == Clock::time_point{} || Clock::now() >= due)
                return true;
            m_cv.wait_until(lock, due);
            continue;
        }
        m_cv.wait(lock);
    }
    return false;
}

void MonitorThread::Loop(Run* run)
{
    t_onMonitorThread = true;
    std::unique_lock lock(m_mutex);
    while (WaitForWork(lock, *run)) {
        run->inRead = true;
        if (m_detectRequested) {
            lock.unlock();
            ReadHardwareNow(ReadKind::Detection);
            lock.lock();
            run->inRead = false;
            m_detectRequested = false;
            run->lastRound = {}; // a fresh round follows
            PublishState();
            m_cv.notify_all();
            continue;
        }
        lock.unlock();
        MonitorRound round = run->session.Read();
        lock.lock();
        run->inRead = false;
        m_cv.notify_all();
        if (run->stop)
            break;
        lock.unlock();
        MonitorSession::Publish(round);
        lock.lock();
        if (run->stop)
            break;
        run->inCallbacks = true;
        lock.unlock();
        NotifyMonitorUpdateTargets();
        const int32_t refresh = round.nRefreshInterval;
        round = {}; // a large round is freed outside the lock
        lock.lock();
        run->inCallbacks = false;
        ++run->rounds;
        ++m_totalRounds;
        run->requested = std::max(0, run->requested - 1);
        run->refreshSeconds = refresh;
        run->lastRound = Clock::now();
        m_cv.notify_all();
    }
    run->finished = true;
    m_cv.notify_all();
}

} // namespace sim::hw
