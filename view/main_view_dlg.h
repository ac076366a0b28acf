#pragma once
// CMainViewDlg: the monitor view, the large pane in which the
// installation is drawn.
#include "controls/base_dlg.h"
#include "view/view_mouse.h"

class CMainViewDlg : public CMorvBaseDlg {
public:
    explicit CMainViewDlg(CWnd* parent);

    // Lays the view out and repaints it (UPDATE_VIEW).
    void Refresh();
    // Reloads the skin images the view draws with.
    void ReloadImages();
    int GetRefreshCount() const { return m_nRefreshCount; }

protected:
    // The mouse handler sees every message first.
    bool PreTranslateMessage(MSG* msg) override;
    void OnTimer(UINT id) override;
    bool OnMouseWheel(UINT flags, short delta, CPoint pt) override;
    void OnMouseLeave() override;

private:
    int m_nRefreshCount = 0;
    CViewMouse m_mouse{*this};
};
