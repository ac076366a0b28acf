#pragma once
// CViewMouse: the monitor view's mouse and keyboard work. It hit-tests the
// rectangles the drawing recorded, shows the warning tooltips, turns clicks
// and double clicks into selections and drill-downs, runs the context menu
// (block side, exchange of a pair, demarcation), drags the view in move
// mode, and scrolls and zooms with the wheel. The pane hands it every
// message of its filter.
#include "controls/mouse_move_manager.h"
#include "controls/tooltip.h"
#include "view/hover_debounce.h"
#include "view/view_hit.h"

#include <cstdint>
#include <functional>
#include <optional>

class CWnd;

class CViewMouse {
public:
    // The pane's timer that takes the hover key after a hover notification.
    static constexpr UINT kHoverTimer = 1;
    static constexpr UINT kHoverTimerMs = 200;

    // clock: milliseconds, monotonic; paces the hover debounce.
    explicit CViewMouse(CWnd& pane, std::function<uint32_t()> clock = &plat::GetTickCount);
    CViewMouse(const CViewMouse&) = delete;
    CViewMouse& operator=(const CViewMouse&) = delete;

    // What the view shows changed: the next hit test reads the recorded
    // rectangles again (as it does after every new layout of the drawing).
    void OnLayoutChanged() { m_bIndexDirty = true; }
    // What lies under a point of the pane's client area.
    SViewHit HitTest(const CPoint& client);

    // The pane's message filter before its base: hover and leave tracking,
    // Escape swallowed, the hover timer and debounce, then Route. True when
    // the message was handled.
    bool Filter(const MSG& msg);
    // Timer kHoverTimer elapsed.
    void OnHoverTimer();
    // The wheel over the pane; true when it was used.
    bool OnWheel(UINT flags, short delta);
    // The mouse left the pane.
    void OnLeave();

private:
    bool Route(const MSG& msg);
    // True when the move was the navigation overlay's.
    bool OnMove(const CPoint& pt);
    void UpdateTip(const CPoint& pt);
    // True when the click picked a sender in the navigation overlay.
    bool OnClick(const CPoint& pt);
    void OnDoubleClick(const CPoint& pt);
    void OnContextMenu(const CPoint& pt);
    void StartMoveDrag(UINT button, const CPoint& pt);
    void DebounceHover(const CPoint& pt);
    // Stores a hover key (the page state tells the view) and refreshes the
    // panes that show it.
    void StoreHoverKey(uint32_t key);
    // The overlay rectangle of the navigation overlay under a point, as a
    // sender index; -1 for none.
    int OverlaySenderAt(const CPoint& pt) const;
    void RebuildIndex();

    CWnd& m_pane;
    std::function<uint32_t()> m_clock;
    CViewHitIndex m_index;
    bool m_bIndexDirty = true;
    uint32_t m_nIndexGeneration = 0; // the page state's item generation the index was built from
    CMorvToolTip m_tip;
    SViewHit m_hiddenHit;           // where the tip was last hidden
    SViewHit m_shownHit;            // where it was last shown
    std::optional<CPoint> m_lastPt; // where the last move was handled
    CHoverDebounce m_debounce;
    CMouseDownMoveManager m_drag;
    bool m_bSwallowRightUp = false; // the release of the click that left move mode
};
