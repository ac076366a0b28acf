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

// The skinned face of a text button, fill and frame by state; a primary
// button is filled with the selection colour.
void DrawButtonFace(ICanvas& dc, const CRect& rect, bool enabled, bool hovered, bool pressed, bool primary = false);

// The font an entry's text is drawn in.
Font ControlFont(const SMorvControl& control);

} // namespace morv::detail
