#include "view/hover_debounce.h"

std::optional<uint32_t> CHoverDebounce::OnMove(uint32_t key, uint32_t nowMs, uint32_t current)
{
    if (!m_bArmed) {
        m_bArmed = true;
        m_dwStart = nowMs;
        m_dwKey = key;
    }
    if (key != m_dwKey) {
        m_bArmed = false;
        return std::nullopt;
    }
    if (nowMs - m_dwStart >= kDelayMs && key != current)
        return key;
    return std::nullopt;
}
