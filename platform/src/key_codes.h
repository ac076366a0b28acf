#pragma once
// Toolkit input as the desktop numbers it: virtual-key codes, the key-state
// flags of mouse messages and the lParam of key messages.
#include "platform/wintypes.h"

#include <Qt>

namespace plat::detail {

// The virtual-key code of a toolkit key (US layout for punctuation and
// shifted digits), 0 when the desktop has none.
UINT VirtualKeyFromQt(int key, bool keypad);

// lParam of a key message: repeat count 1, the previous-state bit for
// auto-repeat and key-up, the context bit when Alt is held, the transition
// bit for key-up.
LPARAM KeyMessageLParam(bool down, bool autoRepeat, bool alt);

} // namespace plat::detail
