#pragma once
// CMouseDownMoveManager: follows the mouse after a button press on a window
// until the press ends, reporting each move to a callback and the end with
// one of four end types.
//
// The desktop original ran a blocking loop that slept while idle. Here the
// tracker is a state machine driven by the window's own messages: Start
// captures the mouse and returns at once, and the window offers every
// message it filters to RouteMessage (from its PreTranslateMessage) while
// IsTracking answers true. Two timings remain from the loop:
// - the hold time: until it has passed since the press, moves that stay
//   within the drag distance of the press point are held back, so a click
//   with a trembling hand moves nothing; a move beyond that distance, or
//   any move after the hold time, starts the reports;
// - the idle period: how often the tracker reads the cursor itself while no
//   message comes, so the drag follows the pointer even when its moves go
//   to another window, and notices a lost capture or a destroyed window.
#include "platform/window.h"

#include <functional>
#include <memory>

// How a tracking ended.
enum EMouseMoveEnd : int {
    MOUSEMOVE_END_BUTTONUP = 1,    // the button that started it was released
    MOUSEMOVE_END_OTHERBUTTON = 2, // another mouse button was pressed (cancel)
    MOUSEMOVE_END_ESCAPE = 3,      // the Escape key (cancel)
    MOUSEMOVE_END_LOST = 4,        // capture lost, window destroyed or Cancel()
};

// Positions in client coordinates of the tracked window.
struct SMouseMoveInfo {
    CPoint ptDown;       // where the button went down
    CPoint ptCur;        // where the mouse is now
    CPoint ptOffset;     // ptCur - ptDown
    DWORD dwElapsed = 0; // milliseconds since the press
};

// Whether a move is reported while the tracker has not reported one yet:
// once the pointer is farther than the drag distance from the press point
// on either axis, or once the hold time has passed.
bool MouseMoveStarts(const CPoint& offset, DWORD elapsedMs, DWORD holdTimeMs, int dragDistance);

class CMouseDownMoveManager {
public:
    using MoveCallback = std::function<void(const SMouseMoveInfo&)>;
    using EndCallback = std::function<void(int nEndType, const SMouseMoveInfo&)>;

    static constexpr DWORD kDefaultHoldTime = 300;
    static constexpr DWORD kDefaultIdleSleep = 10;
    // Design length; scaled by the density factor.
    static constexpr int kDragDistance = 4;

    explicit CMouseDownMoveManager(DWORD dwHoldTime = kDefaultHoldTime, DWORD dwIdleSleep = kDefaultIdleSleep);
    // A tracking still running is stopped without calling back: its owner
    // is going away.
    ~CMouseDownMoveManager();
    CMouseDownMoveManager(const CMouseDownMoveManager&) = delete;
    CMouseDownMoveManager& operator=(const CMouseDownMoveManager&) = delete;

    // Starts following the mouse for the button (MK_LBUTTON, MK_MBUTTON or
    // MK_RBUTTON) pressed at ptDown (client coordinates of pWnd). Answers
    // false, changing nothing, when a tracking runs already, the window does
    // not exist or the button is not one of the three.
    bool Start(CWnd* pWnd, UINT nButton, CPoint ptDown, MoveCallback onMove, EndCallback onEnd);
    bool IsTracking() const;
    // A message of the tracked window or of a window inside it, as its
    // filter sees it. Answers true when the tracker took it: every mouse
    // message and the Escape key while tracking; nothing otherwise.
    bool RouteMessage(const MSG& msg);
    // Ends a running tracking with MOUSEMOVE_END_LOST.
    void Cancel();

    DWORD GetHoldTime() const;
    DWORD GetIdleSleep() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
