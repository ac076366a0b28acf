#pragma once
// CTargetSelectDlg: the narrow pane beside the view that chooses the
// quantity the view shows. The page lays it out on resize and after a
// settings change, and starts its blink timer (1, 50 ms).
#include "controls/base_dlg.h"

class CTargetSelectDlg : public CMorvBaseDlg {
public:
    // The blink timer the page starts.
    static constexpr UINT kBlinkTimer = 1;
    static constexpr UINT kBlinkPeriodMs = 50;

    explicit CTargetSelectDlg(CWnd* parent);

    // Builds the buttons and their warning marks (UPDATE_TARGET).
    void Layout();
    int GetRefreshCount() const { return m_nRefreshCount; }

protected:
    // The skin, with a separator towards the view on the left.
    void OnPaint(ICanvas& dc, const CRect& dirty) override;

private:
    int m_nRefreshCount = 0;
};
