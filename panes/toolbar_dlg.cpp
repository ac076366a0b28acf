#include "panes/toolbar_dlg.h"

#include "controls/skin.h"
#include "panes/pane_paint.h"

CToolBarDlg::CToolBarDlg(CWnd* parent) : CMorvBaseDlg(0, parent) {}

void CToolBarDlg::Layout() { Invalidate(); }

void CToolBarDlg::RefreshStates()
{
    ++m_nRefreshCount;
    Invalidate();
}

void CToolBarDlg::OnPaint(ICanvas& dc, const CRect& dirty)
{
    CMorvBaseDlg::OnPaint(dc, dirty);
    const CRect client = GetClientRect();
    if (client.Height() < 2)
        return;
    // Upper line in the first toolbar line colour, lower line in the second.
    const SSkinColors& colors = PaneColors();
    dc.FillRect({client.left, client.bottom - 2, client.right, client.bottom - 1}, colors.clrToolbarLine1);
    dc.FillRect({client.left, client.bottom - 1, client.right, client.bottom}, colors.clrToolbarLine2);
}
