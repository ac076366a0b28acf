#pragma once
// CToolBarDlg: the strip of buttons along the top of the monitoring page.
// The page creates it, lays it out on resize and asks it to refresh its
// states whenever the monitoring state, the selection or the zoom may
// have changed.
#include "controls/base_dlg.h"

class CToolBarDlg : public CMorvBaseDlg {
public:
    // Polls the page state for new monitor data.
    static constexpr UINT kDataPollTimer = 1;
    static constexpr UINT kDataPollPeriodMs = 10;

    explicit CToolBarDlg(CWnd* parent);

    // Places the bar's items in the client area and sets their images
    // (also how the page reloads the skin images).
    void Layout();
    // Brings the items' states up to date (UPDATE_TOOLBAR).
    void RefreshStates();
    // How many refreshes the page has asked for.
    int GetRefreshCount() const { return m_nRefreshCount; }

protected:
    int InitControls() override;
    // While monitoring runs, new monitor data in the page state ends the
    // wait cursor and asks the host to refresh the whole page.
    void OnTimer(UINT id) override;
    // The skin, then a double line along the lower edge.
    void OnPaint(ICanvas& dc, const CRect& dirty) override;

private:
    int m_nRefreshCount = 0;
};
