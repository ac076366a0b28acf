#pragma once
// CWnd: a window in the desktop sense. It owns one toolkit widget (hidden
// behind a pointer to an implementation), carries numbered messages, timers
// by id and the message filter chain, and leaves all drawing to OnPaint on
// a canvas. Coordinates are device pixels: the module scales by its own
// density factor, the toolkit does not scale on top of it.
#include "platform/geometry.h"
#include "platform/wintypes.h"

#include <memory>
#include <string>

class ICanvas;

// A message as the filter chain sees it: the window it is for, its number,
// its two words and the cursor position in screen coordinates.
struct MSG {
    class CWnd* hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    CPoint pt;
};

// Cursor shapes the panes ask for.
enum class ECursor { Arrow, Hand, SizeAll, Grab, Grabbing, Wait, IBeam, Cross, No, SizeWE, SizeNS };

// How a window is created.
enum class EWindowKind {
    Child,  // borderless child inside its parent
    Dialog, // top-level window with a frame, owned by the parent (modal or not)
    Popup,  // top-level window without a frame (tooltips, drop-downs)
};

struct TRACKMOUSEEVENT {
    DWORD dwFlags = 0;    // TME_HOVER | TME_LEAVE | TME_CANCEL
    UINT dwHoverTime = 0; // milliseconds before WM_MOUSEHOVER
};

class CWnd {
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Creates the window, hidden. The id names the window (its template or
    // control id); it does not lay anything out. Answers false when the
    // window exists already or the parent of a child has no window.
    bool CreateEx(CWnd* parent, const CRect& rect, UINT id, EWindowKind kind = EWindowKind::Child,
                  const std::string& title = {});
    // Destroys the window (children first); the object stays. Calls OnDestroy.
    bool DestroyWindow();
    // The window exists.
    bool IsWindow() const;
    UINT GetDlgCtrlID() const;
    CWnd* GetParent() const;
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;

    // Geometry. Window rectangles are in screen coordinates; MoveWindow and
    // SetWindowPos take coordinates relative to the parent's client area.
    CRect GetClientRect() const;
    CRect GetWindowRect() const;
    bool MoveWindow(const CRect& rect, bool repaint = true);
    bool SetWindowPos(int x, int y, int cx, int cy, UINT flags);
    void ScreenToClient(CPoint& p) const;
    void ScreenToClient(CRect& r) const;
    void ClientToScreen(CPoint& p) const;
    void ClientToScreen(CRect& r) const;
    // Centres a top-level window on its parent, or on the screen without one.
    void CenterWindow();

    // Visibility. ShowWindow answers whether the window was visible before.
    bool ShowWindow(int cmd);
    bool IsWindowVisible() const;
    void EnableWindow(bool enable);
    bool IsWindowEnabled() const;

    // Painting. SetRedraw(false) suspends painting until SetRedraw(true).
    void Invalidate();
    void InvalidateRect(const CRect& rect);
    void UpdateWindow();
    void SetRedraw(bool redraw);
    bool IsRedrawSuspended() const;

    // Messages. SendMessage runs WindowProc now and answers its result;
    // PostMessage queues the message for the event loop (answers false when
    // the window does not exist). Posted messages keep their order.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Timers by id: setting an id again restarts it. WM_TIMER reaches
    // OnTimer through the filter chain and WindowProc.
    bool SetTimer(UINT id, UINT elapseMs);
    bool KillTimer(UINT id);
    bool HasTimer(UINT id) const;

    // Mouse tracking: one WM_MOUSEHOVER after the mouse rests for the hover
    // time, one WM_MOUSELEAVE when it leaves; each request is one-shot.
    bool TrackMouseEvent(const TRACKMOUSEEVENT& tme);
    void SetCapture();
    static void ReleaseCapture();
    static CWnd* GetCapture();
    void SetFocus();
    bool HasFocus() const;
    static CWnd* GetFocus();
    // Cursor shape while the mouse is over this window.
    void SetCursor(ECursor shape);

    // Runs the filter chain for a message as if the system had delivered it:
    // PreTranslateMessage of this window and then of each parent; when none
    // swallows it, WindowProc. Used for synthetic input in tests and
    // scenario scripts; real input takes the same road.
    LRESULT DeliverMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The window object whose widget is under a screen point (deepest), or null.
    static CWnd* WindowFromPoint(const CPoint& screen);

    // Toolkit-side implementation; see platform/native_qt.h.
    struct Impl;
    Impl* GetImpl() const { return m_impl.get(); }

protected:
    // Message dispatch. The default routes the standard messages to the
    // handlers below and answers DefWindowProc for the rest; a window with
    // messages of its own overrides it and calls the base for the others.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Sees keyboard, mouse, hover, leave and timer messages of this window
    // and of its descendants before they are dispatched; true swallows.
    virtual bool PreTranslateMessage(MSG* msg);

    virtual void OnCreate() {}
    virtual void OnDestroy() {}
    virtual void OnPaint(ICanvas& dc, const CRect& dirty);
    virtual void OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) {}
    virtual void OnMove(int /*x*/, int /*y*/) {}
    virtual void OnTimer(UINT /*id*/) {}
    virtual void OnMouseMove(UINT /*flags*/, CPoint /*pt*/) {}
    virtual void OnLButtonDown(UINT /*flags*/, CPoint /*pt*/) {}
    virtual void OnLButtonUp(UINT /*flags*/, CPoint /*pt*/) {}
    virtual void OnLButtonDblClk(UINT /*flags*/, CPoint /*pt*/) {}
    virtual void OnRButtonDown(UINT /*flags*/, CPoint /*pt*/) {}
    virtual void OnRButtonUp(UINT /*flags*/, CPoint /*pt*/) {}
    virtual void OnMButtonDown(UINT /*flags*/, CPoint /*pt*/) {}
    virtual void OnMButtonUp(UINT /*flags*/, CPoint /*pt*/) {}
    // Point in screen coordinates, as the desktop system gives it.
    virtual bool OnMouseWheel(UINT /*flags*/, short /*delta*/, CPoint /*pt*/) { return false; }
    virtual void OnMouseHover(UINT /*flags*/, CPoint /*pt*/) {}
    virtual void OnMouseLeave() {}
    virtual void OnKeyDown(UINT /*vk*/, UINT /*repeat*/, UINT /*flags*/) {}
    virtual void OnKeyUp(UINT /*vk*/, UINT /*repeat*/, UINT /*flags*/) {}
    virtual void OnChar(UINT /*ch*/, UINT /*repeat*/, UINT /*flags*/) {}
    virtual void OnSetFocus() {}
    virtual void OnKillFocus() {}
    virtual void OnShowWindow(bool /*show*/) {}
    // WM_CLOSE from the frame; the default destroys the window.
    virtual void OnClose();

private:
    friend struct Impl;
    std::unique_ptr<Impl> m_impl;
};

namespace plat {

// Whether a virtual key is down now, with the desktop result shape: the
// high bit set (negative) when down.
short GetKeyState(UINT vk);
// The mouse cursor in screen coordinates; SetCursorPos moves it (tests,
// scripts).
CPoint GetCursorPos();
void SetCursorPos(const CPoint& p);
// Milliseconds since an arbitrary start, monotonic.
uint32_t GetTickCount();
// Work area of the primary screen.
CRect GetScreenWorkArea();
// Where the top-left corner of a top-level window of `size`, wanted at
// `at`, goes so that the whole window lies on the work area where it fits:
// moved in as little as needed, never resized; the left and top edges win
// over the right and bottom ones when it is larger.
CPoint KeepOnWorkArea(CPoint at, CSize size);
// The primary screen's density factor (1.0 at 96 dots per inch, 1.5 at
// 144, 2.5 at 240): its logical dots per inch over 96.
double GetScreenDensity();
// The application's wait cursor over every window, counted.
void BeginWaitCursor();
void EndWaitCursor();
// Runs the pending events of the event loop once (tests, scripts).
void ProcessEvents();

} // namespace plat
