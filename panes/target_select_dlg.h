#pragma once
// CTargetSelectDlg: the narrow pane beside the view that chooses the
// quantity the view shows. Each target is a button; beside each shown
// button a warning mark blinks while anything in the current scope has a
// warning of that kind. The page lays it out on resize and after a
// settings change, and starts its blink timer (1, 50 ms).
#include "controls/base_dlg.h"
#include "controls/button_bar.h"
#include "host/commonkit.h"

#include <array>

class CTargetSelectDlg : public CMorvBaseDlg {
public:
    // The blink timer the page starts.
    static constexpr UINT kBlinkTimer = 1;
    static constexpr UINT kBlinkPeriodMs = 50;
    // The marks flip after this long.
    static constexpr int64_t kBlinkHalfPeriodUs = 500000;

    explicit CTargetSelectDlg(CWnd* parent);

    // Builds the buttons and their warning marks (UPDATE_TARGET).
    void Layout();

protected:
    void OnBarItemClick(CMorvButtonBar& bar, int item) override;
    void OnTimer(UINT id) override;
    bool PreTranslateMessage(MSG* msg) override;
    // The skin, with a separator towards the view on the left.
    void OnPaint(ICanvas& dc, const CRect& dirty) override;

private:
    void SetTooltips();
    // Marks from the warning data (phase on), or all off (phase off).
    void UpdateMarks(bool on);
    void ChooseTarget(int item);

    CMorvButtonBar m_bar;
    MicrosecondTimer m_blinkClock;
    int m_bBlinkOn = 1;
};
