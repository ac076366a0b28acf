#pragma once
// CScrollBarDlg: a skinned scroll bar beside the view, horizontal
// (orientation 0) or vertical (1).
#include "controls/base_dlg.h"

class CScrollBarDlg : public CMorvBaseDlg {
public:
    static constexpr int kHorizontal = 0;
    static constexpr int kVertical = 1;

    explicit CScrollBarDlg(CWnd* parent);

    void SetOrientation(int orientation) { m_nOrientation = orientation; }
    int GetOrientation() const { return m_nOrientation; }
    // Redraws the bar for the view's present extent and start point
    // (UPDATE_HSCROLL, UPDATE_VSCROLL).
    void Refresh();
    int GetRefreshCount() const { return m_nRefreshCount; }

protected:
    // The track in the skin's background colour, with a separator on the
    // edge that faces the view.
    void OnPaint(ICanvas& dc, const CRect& dirty) override;

private:
    int m_nOrientation = kHorizontal;
    int m_nRefreshCount = 0;
};
