#include "panes/pane_paint.h"

#include "controls/skin.h"
#include "module/module_globals.h"

const SSkinColors& PaneColors()
{
    // Before Monitor_Init (a pane made on its own) the library's skin is
    // the same object the handle would give.
    return (g_pSkin ? *g_pSkin : CMorvSkin::Instance()).GetColors();
}

void DrawPaneEdge(ICanvas& dc, const CRect& client, EPaneEdge edge)
{
    if (client.IsRectEmpty())
        return;
    CRect line = client;
    switch (edge) {
    case EPaneEdge::Left: line.right = line.left + 1; break;
    case EPaneEdge::Top: line.bottom = line.top + 1; break;
    case EPaneEdge::Right: line.left = line.right - 1; break;
    case EPaneEdge::Bottom: line.top = line.bottom - 1; break;
    }
    dc.FillRect(line, PaneColors().clrGrid);
}
