#pragma once
// The host's common kit: a monotonic stopwatch in microseconds.
#include "host/host_api.h"

#include <cstdint>

class HOST_API MicrosecondTimer {
public:
    // Starts counting from now (also done at construction).
    MicrosecondTimer();
    void start();
    // Microseconds since the last start.
    int64_t GetCurTime() const;

private:
    int64_t m_startUs;
};
