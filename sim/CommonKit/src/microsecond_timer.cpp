// A stopwatch on the monotonic clock.
#include "host/commonkit.h"

#include <chrono>

namespace {

int64_t NowUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

MicrosecondTimer::MicrosecondTimer() : m_startUs(NowUs()) {}

void MicrosecondTimer::start() { m_startUs = NowUs(); }

int64_t MicrosecondTimer::GetCurTime() const { return NowUs() - m_startUs; }
