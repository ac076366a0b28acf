// The process-wide call log.
#include "sim/call_log.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <deque>
#include <mutex>

namespace sim {
namespace {

struct CallLog {
    std::mutex mutex;
    std::deque<LoggedCall> calls;
    uint64_t total = 0;
    std::atomic<bool> enabled{true};
};

CallLog& TheLog()
{
    static CallLog* log = new CallLog; // lives to the end of the process: calls may come during teardown
    return *log;
}

} // namespace

std::vector<LoggedCall> GetCallLog()
{
    std::lock_guard lock(TheLog().mutex);
    return {TheLog().calls.begin(), TheLog().calls.end()};
}

uint64_t CallLogTotal()
{
    std::lock_guard lock(TheLog().mutex);
    return TheLog().total;
}

std::vector<LoggedCall> GetCallsSince(uint64_t since)
{
    const CallLog& log = TheLog();
    std::lock_guard lock(TheLog().mutex);
    const uint64_t newer = log.total > since ? log.total - since : 0;
    const std::size_t kept = static_cast<std::size_t>(std::min<uint64_t>(newer, log.calls.size()));
    return {log.calls.end() - static_cast<std::ptrdiff_t>(kept), log.calls.end()};
}

void ClearCallLog()
{
    std::lock_guard lock(TheLog().mutex);
    TheLog().calls.clear();
}

void SetCallLogEnabled(bool enabled) { TheLog().enabled = enabled; }
bool IsCallLogEnabled() { return TheLog().enabled; }

int CountCalls(std::string_view operation)
{
    std::lock_guard lock(TheLog().mutex);
    int n = 0;
    for (const LoggedCall& c : TheLog().calls)
        n += c.operation == operation;
    return n;
}

void LogCall(std::string operation, std::string arguments)
{
    CallLog& log = TheLog();
    std::lock_guard lock(log.mutex);
    if (log.calls.size() >= kCallLogCapacity)
        log.calls.pop_front();
    log.calls.push_back({std::move(operation), std::move(arguments)});
    ++log.total;
}

std::string ArgText(int v) { return std::to_string(v); }
std::string ArgText(unsigned v) { return std::to_string(v); }
std::string ArgText(bool v) { return v ? "true" : "false"; }
std::string ArgText(const char* v) { return ArgText(std::string(v ? v : "")); }
std::string ArgText(const std::string& v) { return "\"" + v + "\""; }
std::string ArgText(const void* v) { return v ? "ptr" : "null"; }

std::string ArgText(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

std::string ArgText(const CRect& v)
{
    return "(" + std::to_string(v.left) + ", " + std::to_string(v.top) + ", " + std::to_string(v.right) + ", "
        + std::to_string(v.bottom) + ")";
}

std::string ArgText(const CPoint& v) { return "(" + std::to_string(v.x) + ", " + std::to_string(v.y) + ")"; }
std::string ArgText(const CSize& v) { return "(" + std::to_string(v.cx) + " x " + std::to_string(v.cy) + ")"; }

} // namespace sim
