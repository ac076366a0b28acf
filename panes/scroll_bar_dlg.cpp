#include "panes/scroll_bar_dlg.h"

#include "controls/skin.h"
#include "panes/pane_paint.h"

CScrollBarDlg::CScrollBarDlg(CWnd* parent) : CMorvBaseDlg(0, parent)
{
    SetBackgroundColor(PaneColors().clrBackground);
}

void CScrollBarDlg::Refresh()
{
    ++m_nRefreshCount;
    Invalidate();
}

void CScrollBarDlg::OnPaint(ICanvas& dc, const CRect& dirty)
{
    CMorvBaseDlg::OnPaint(dc, dirty);
    DrawPaneEdge(dc, GetClientRect(), m_nOrientation == kVertical ? EPaneEdge::Left : EPaneEdge::Top);
}
