#pragma once
// Painting of one sender tree row on a canvas: state background, expand
// chevron, icon, label in the online or offline colour, warning mark.
#include "platform/canvas.h"
#include "sender_tree_rules.h"

#include <string>

namespace morv::tree {

struct STreeLook {
    Color clrPanel;
    Color clrSelection;
    Color clrHover;
    Color clrTextOnline;
    Color clrTextOffline;
    Color clrTextOnSelection;
    Color clrWarning;
    Font font;
    double density = 1.0;
    std::string strFrameFolder; // state images behind the rows; empty: colours
};
STreeLook LookFromSkin();

struct STreeRow {
    std::string strText;
    const Image* pIcon = nullptr;
    bool bOnline = true;
    bool bWarning = false;
    bool bHasChildren = false;
    bool bExpanded = false;
    bool bSelected = false;
    bool bHovered = false;
    bool bPressed = false;
    bool bEnabled = true;
};
void PaintRow(ICanvas& dc, const SRowLayout& layout, const STreeRow& row, const STreeLook& look);

} // namespace morv::tree
