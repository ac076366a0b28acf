#pragma once
// Drawing of control-table entries from the skin.
#include "controls/control_table.h"

class ICanvas;

namespace morv::detail {

struct SControlLook {
    bool bHovered = false;
    bool bPressed = false;
};

void DrawControl(ICanvas& dc, const SMorvControl& control, const SControlLook& look);

// The font an entry's text is drawn in.
Font ControlFont(const SMorvControl& control);

} // namespace morv::detail
