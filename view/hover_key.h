#pragma once
// The hover key: the port under the mouse, packed into one word of the
// page state. Ethernet: sender << 16 | port; fibre: sender << 24 |
// board << 16 | port.
#include "view/view_hit.h"

#include <cstdint>
#include <optional>

// The key of no port: the page state starts with it, so no cabling path
// is drawn before the mouse rested on a port.
constexpr uint32_t kNoHoverKey = 0xFFFFFFFFu;

// The key of a hit that names a sender and a port; a hit with a board is
// a fibre sender's.
std::optional<uint32_t> HoverKeyOf(const SViewHit& hit);

// The port a key names, read in the form of the sender kind it is read for.
struct SHoverPort {
    int nSender = -1;
    int nBoard = -1; // fibre senders only
    int nPort = -1;
};
SHoverPort ReadHoverKey(uint32_t key, bool fiber);
