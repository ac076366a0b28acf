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
    Invalidate();
}

void CMainViewDlg::ReloadImages() { Invalidate(); }
