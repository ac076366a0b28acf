#pragma once
// The hover debounce of the view: a hover key becomes the page's hover key
// only after the mouse has stayed on it for a while.
#include <cstdint>
#include <optional>

class CHoverDebounce {
public:
    static constexpr uint32_t kDelayMs = 301;

    // One mouse move onto `key` at `nowMs`. Answers the key to store when
    // the mouse has been on it since the wait began at least kDelayMs ago
    // and it differs from the stored key `current`. A different key ends
    // the wait; the next move begins a new one.
    std::optional<uint32_t> OnMove(uint32_t key, uint32_t nowMs, uint32_t current);
    void Reset() { m_bArmed = false; }

private:
    bool m_bArmed = false;
    uint32_t m_dwStart = 0;
    uint32_t m_dwKey = 0;
};
