#pragma once
// Control of the monitoring thread beyond IMonitorLogic, for tests, scripts
// and demonstrations: a shorter refresh interval, a step mode in which
// rounds run only on request, and waits on the rounds. Thread-safe.
//
// Do not call the waiting operations while holding a lock that an update
// target's OnMonitorDataUpdate takes: the round they wait for calls it.
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

namespace sim {

// Time between rounds; zero (the default) uses the project's refresh
// interval in seconds.
void SetMonitorInterval(std::chrono::milliseconds interval);
// In step mode rounds run only through RunMonitorRounds.
void SetMonitorStepMode(bool on);

// While monitoring runs and is not paused: has the monitoring thread run n
// more rounds now (publish, log, update targets) and waits for them; false
// when monitoring stopped or paused meanwhile, or when called on the
// monitoring thread. While monitoring is off: moves the simulation clock
// by n rounds and answers true.
bool RunMonitorRounds(int n);

// Rounds the monitoring threads completed (targets called) since the
// library was loaded.
uint64_t GetMonitorRoundCount();
// Waits until that count reaches `count`; false after the timeout.
bool WaitForMonitorRounds(uint64_t count, std::chrono::milliseconds timeout);

// Told once when the monitoring log or the alert mail cannot be written
// (the message says which and why; it also goes to standard error), and
// again only after writing has worked in between. What was not written is
// kept and written once it can be. Called on the monitoring thread or on
// a thread that starts or stops monitoring.
void SetRecordTroubleHandler(std::function<void(const std::string& message)> handler);

// Stops monitoring and waits until every monitoring thread has ended, also
// those that a stop left finishing a call into an update target. Interval
// and step mode go back to their defaults.
void ShutdownMonitoring();

} // namespace sim
