#pragma once
// CScrollBarDlg: a skinned scroll bar beside the view, horizontal
// (orientation 0) or vertical (1). It shows which part of the design area
// is visible and moves the design background's view start point on arrow
// presses, track presses, thumb drags and the wheel. The bar is drawn into
// an off-screen bitmap on layout and on every change and copied to the
// window on paint.
#include "controls/base_dlg.h"
#include "controls/mouse_move_manager.h"
#include "controls/tooltip.h"
#include "panes/scroll_geometry.h"
#include "platform/canvas.h"

#include <cstdint>
#include <functional>
#include <memory>

class CScrollBarDlg : public CMorvBaseDlg {
public:
    static constexpr int kHorizontal = 0;
    static constexpr int kVertical = 1;
    // Design length of an arrow (square) and of the corner the horizontal
    // bar leaves under the vertical one.
    static constexpr int kArrowLength = 14;
    // Thumb drags tell the view at most this often.
    static constexpr uint32_t kDragNotifyPeriodMs = 30;

    // clock: milliseconds, monotonic; paces the drag's notifications.
    explicit CScrollBarDlg(CWnd* parent, std::function<uint32_t()> clock = &plat::GetTickCount);

    void SetOrientation(int orientation);
    int GetOrientation() const { return m_nOrientation; }
    // Redraws the bar for the view's present extent and start point
    // (UPDATE_HSCROLL, UPDATE_VSCROLL).
    void Refresh();

    // The bar's lengths and the view's along this bar's axis, as now.
    SScrollInput CurrentInput() const;
    // Draws the bar (track, arrows, thumb) into a canvas of the client's size.
    void DrawBar(ICanvas& dc) const;

protected:
    bool PreTranslateMessage(MSG* msg) override;
    void OnPaint(ICanvas& dc, const CRect& dirty) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnMouseMove(UINT flags, CPoint pt) override;
    void OnMouseLeave() override;
    bool OnMouseWheel(UINT flags, short delta, CPoint pt) override;

private:
    bool IsVertical() const { return m_nOrientation == kVertical; }
    int Along(const CPoint& pt) const { return IsVertical() ? pt.y : pt.x; }
    // Recreates the off-screen bitmap at the client size and redraws it.
    void Layout();
    void Redraw();
    void OnPress(const CPoint& pt);
    void StartDrag(const CPoint& pt, const SScrollInput& in, const SScrollGeometry& g);
    // Moves the view start along this bar's axis; nonzero when it moved.
    int ApplyStart(int start);
    void ShowTip(EScrollPart part, const CPoint& pt);

    int m_nOrientation = kHorizontal;
    float m_fScale = 1.0f;
    std::function<uint32_t()> m_clock;
    std::unique_ptr<Surface> m_surface;
    CMorvToolTip m_tip;
    std::string m_strTip;
    CMouseDownMoveManager m_tracker;
    CNotifyThrottle m_throttle{kDragNotifyPeriodMs};
    EScrollPart m_eHover = EScrollPart::None;
    bool m_bDragging = false;
    bool m_bTrackingLeave = false;
};
