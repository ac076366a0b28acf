#pragma once
// The log of calls the page makes into the host's services: operation name
// ("CSender::SetMonitorRenderRelativePos") and arguments as text ("2"), in
// call order, process-wide and thread-safe. Tests read it to see what the
// page did; the host's simulated libraries all log through it.
#include "platform/geometry.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

struct LoggedCall {
    std::string operation;
    std::string arguments; // comma-separated; texts quoted
};

// Oldest entries are dropped beyond this many.
constexpr std::size_t kCallLogCapacity = 200000;

std::vector<LoggedCall> GetCallLog();
// Calls logged since the process started (dropped ones included), and the
// calls logged after the first `since` of them that the log still holds:
// a reader that keeps the count reads only what is new.
uint64_t CallLogTotal();
std::vector<LoggedCall> GetCallsSince(uint64_t since);
void ClearCallLog();
// On by default; benchmarks switch it off.
void SetCallLogEnabled(bool enabled);
bool IsCallLogEnabled();
// Number of logged calls of one operation.
int CountCalls(std::string_view operation);

void LogCall(std::string operation, std::string arguments);

// Argument texts.
std::string ArgText(int v);
std::string ArgText(unsigned v);
std::string ArgText(double v);
std::string ArgText(bool v);
std::string ArgText(const char* v);
std::string ArgText(const std::string& v);
std::string ArgText(const CRect& v);
std::string ArgText(const CPoint& v);
std::string ArgText(const CSize& v);
std::string ArgText(const void* v); // "null" or "ptr"

// Logs one call with its arguments, formatting them only when the log is on.
template <class... Args>
void Log(const char* operation, const Args&... args)
{
    if (!IsCallLogEnabled())
        return;
    std::string text;
    ((text += (text.empty() ? "" : ", ") + ArgText(args)), ...);
    LogCall(operation, std::move(text));
}

} // namespace sim
