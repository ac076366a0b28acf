#pragma once
// The keyboard and mouse state as the input filter last saw it, for
// GetKeyState and the key-state flags of synthesised messages.
#include "platform/wintypes.h"

namespace plat::detail {

// Whether a virtual key (mouse buttons included) is down now.
bool IsKeyDown(UINT vk);

} // namespace plat::detail
