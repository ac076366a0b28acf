#include "ui_heartbeat.h"

#include <algorithm>

namespace app {

CUiHeartbeat::CUiHeartbeat(int intervalMs) : m_interval(intervalMs)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(intervalMs);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Beat(); });
    m_timer.start();
}

void CUiHeartbeat::Arm()
{
    m_armed = true;
    m_sinceBeat.start();
}

void CUiHeartbeat::Disarm()
{
    Beat();
    m_armed = false;
}

void CUiHeartbeat::Beat()
{
    if (m_armed)
        m_longest = std::max<long>(m_longest, static_cast<long>(m_sinceBeat.elapsed()) - m_interval);
    m_sinceBeat.start();
}

} // namespace app
