#include "panes/sender_select_dlg.h"

#include "panes/pane_paint.h"

CSenderSelectDlg::CSenderSelectDlg(CWnd* parent) : CMorvBaseDlg(0, parent) {}

void CSenderSelectDlg::Refresh(int nNotify, int /*nSender*/)
{
    ++m_nRefreshCount;
    m_nLastNotify = nNotify;
    Invalidate();
}

void CSenderSelectDlg::ReloadImages() { Invalidate(); }

int CSenderSelectDlg::GetShowSenders(std::vector<int>& senders) const
{
    // No tree yet, so nothing is selected.
    senders.clear();
    return 0;
}

void CSenderSelectDlg::OnPaint(ICanvas& dc, const CRect& dirty)
{
    CMorvBaseDlg::OnPaint(dc, dirty);
    DrawPaneEdge(dc, GetClientRect(), EPaneEdge::Right);
}
