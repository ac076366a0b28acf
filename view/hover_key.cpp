#include "view/hover_key.h"

std::optional<uint32_t> HoverKeyOf(const SViewHit& hit)
{
    if ((hit.nKind != VIEW_HIT_PORT && hit.nKind != VIEW_HIT_RECEIVER) || hit.nSender < 0 || hit.nPort < 0)
        return std::nullopt;
    const uint32_t port = static_cast<uint32_t>(hit.nPort) & 0xFFFFu;
    if (hit.nBoard >= 0)
        return (static_cast<uint32_t>(hit.nSender) & 0xFFu) << 24 | (static_cast<uint32_t>(hit.nBoard) & 0xFFu) << 16
            | port;
    return (static_cast<uint32_t>(hit.nSender) & 0xFFFFu) << 16 | port;
}

SHoverPort ReadHoverKey(uint32_t key, bool fiber)
{
    if (key == kNoHoverKey)
        return {};
    if (fiber)
        return {static_cast<int>(key >> 24), static_cast<int>(key >> 16 & 0xFFu), static_cast<int>(key & 0xFFFFu)};
    return {static_cast<int>(key >> 16), -1, static_cast<int>(key & 0xFFFFu)};
}
