#include "view/main_view_dlg.h"

#include "controls/skin.h"
#include "panes/pane_paint.h"

CMainViewDlg::CMainViewDlg(CWnd* parent) : CMorvBaseDlg(0, parent)
{
    // The view's background, RGB 241, 247, 255.
    SetBackgroundColor(PaneColors().clrBackground);
}

void CMainViewDlg::Refresh()
{
    ++m_nRefreshCount;
    m_mouse.OnLayoutChanged();
    Invalidate();
}

void CMainViewDlg::ReloadImages() { Invalidate(); }

bool CMainViewDlg::PreTranslateMessage(MSG* msg)
{
    return m_mouse.Filter(*msg) || CMorvBaseDlg::PreTranslateMessage(msg);
}

void CMainViewDlg::OnTimer(UINT id)
{
    if (id == CViewMouse::kHoverTimer)
        m_mouse.OnHoverTimer();
}

bool CMainViewDlg::OnMouseWheel(UINT flags, short delta, CPoint /*pt*/) { return m_mouse.OnWheel(flags, delta); }

void CMainViewDlg::OnMouseLeave() { m_mouse.OnLeave(); }
