#pragma once
// Where the page's six panes go, and which panes an update mask refreshes.
#include "platform/geometry.h"

#include <cstdint>
#include <vector>

// The six panes of the page.
enum class EPane { ToolBar, TargetSelect, SenderPanel, MainView, VScroll, HScroll };

// The panes' rectangles in the page's client area, in placing order:
// toolbar, target selection, sender panel, view, vertical and horizontal
// scroll bar.
struct SPanePlace {
    EPane ePane;
    CRect rect;
};
// client: the page's client rectangle; scale: the density factor, every
// design length multiplied by it and truncated toward zero; expanded: the
// sender panel is shown wide.
std::vector<SPanePlace> ComputePaneLayout(const CRect& client, double scale, bool expanded);

// The panes an update mask names, in refresh order: sender panel, target
// selection, view, toolbar, horizontal and vertical scroll bar.
std::vector<EPane> PanesToRefresh(uint32_t mask);
