#include "panes/target_select_dlg.h"

#include "panes/pane_paint.h"

CTargetSelectDlg::CTargetSelectDlg(CWnd* parent) : CMorvBaseDlg(0, parent) {}

void CTargetSelectDlg::Layout()
{
    ++m_nRefreshCount;
    Invalidate();
}

void CTargetSelectDlg::OnPaint(ICanvas& dc, const CRect& dirty)
{
    CMorvBaseDlg::OnPaint(dc, dirty);
    DrawPaneEdge(dc, GetClientRect(), EPaneEdge::Left);
}
