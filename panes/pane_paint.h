#pragma once
// Small drawing helpers the page's panes share.
#include "platform/canvas.h"

struct SSkinColors;

// The skin's colours (the control library's skin object).
const SSkinColors& PaneColors();

// A one-pixel separator along one edge of a pane's client area, in the
// skin's grid colour.
enum class EPaneEdge { Left, Top, Right, Bottom };
void DrawPaneEdge(ICanvas& dc, const CRect& client, EPaneEdge edge);
