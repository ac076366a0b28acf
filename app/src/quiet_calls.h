#pragma once
// The call log records what the page asks of the host's services. While the
// host itself calls them (starting monitoring, painting the page for a
// dump) the log is paused, so it never shows calls the page did not make.
#include "sim/call_log.h"

namespace app {

class CQuietCalls {
public:
    CQuietCalls() : m_was(sim::IsCallLogEnabled()) { sim::SetCallLogEnabled(false); }
    ~CQuietCalls() { sim::SetCallLogEnabled(m_was); }
    CQuietCalls(const CQuietCalls&) = delete;
    CQuietCalls& operator=(const CQuietCalls&) = delete;

private:
    bool m_was;
};

} // namespace app
