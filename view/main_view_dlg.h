#pragma once
// CMainViewDlg: the monitor view, the large pane in which the
// installation is drawn.
#include "controls/base_dlg.h"

class CMainViewDlg : public CMorvBaseDlg {
public:
    explicit CMainViewDlg(CWnd* parent);

    // Lays the view out and repaints it (UPDATE_VIEW).
    void Refresh();
    // Reloads the skin images the view draws with.
    void ReloadImages();
    int GetRefreshCount() const { return m_nRefreshCount; }

private:
    int m_nRefreshCount = 0;
};
