#pragma once
// CToolBarDlg: the strip of buttons along the top of the monitoring page.
// The page creates it, lays it out on resize and asks it to refresh its
// states whenever the monitoring state, the selection or the zoom may
// have changed.
#include "controls/base_dlg.h"

class CToolBarDlg : public CMorvBaseDlg {
public:
    explicit CToolBarDlg(CWnd* parent);

    // Places the bar's items in the client area and sets their images
    // (also how the page reloads the skin images).
    void Layout();
    // Brings the items' states up to date (UPDATE_TOOLBAR).
    void RefreshStates();
    // How many refreshes the page has asked for.
    int GetRefreshCount() const { return m_nRefreshCount; }

protected:
    // The skin, then a double line along the lower edge.
    void OnPaint(ICanvas& dc, const CRect& dirty) override;

private:
    int m_nRefreshCount = 0;
};
