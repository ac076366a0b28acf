#pragma once
// CCurSorManager: the mouse cursor of the windows that share the host's
// special operation mode (normal select mode, move mode, the add-tile state
// of the host's layout page). Windows hand it their mouse moves, hovers and
// leaves; it sets the shape for the mode on the window under the mouse.
//
// The library knows nothing of the host: the host (or the module) installs
// a reader of its special operation type with SetOpTypeSource.
#include "platform/window.h"

#include <functional>
#include <memory>

// The host's special operation types the cursor depends on.
constexpr int CURSOR_OP_NORMAL = 0;
constexpr int CURSOR_OP_MOVE = 3;

// The application's cursor resource that panes ask for by number: the
// closed hand of a move-mode drag.
constexpr UINT IDC_CURSOR_GRAB = 1103;

// The shape of a cursor resource of the application; the arrow for a
// number the application does not have.
ECursor CursorFromResource(UINT resourceId);

// The shape for a state, by precedence: a grab in progress, the add-tile
// state, then the special operation type (move mode: the open hand).
ECursor ChooseCursor(int opType, bool addTileState, bool grabbing);

class CCurSorManager {
public:
    CCurSorManager();
    ~CCurSorManager();
    CCurSorManager(const CCurSorManager&) = delete;
    CCurSorManager& operator=(const CCurSorManager&) = delete;

    // Reader of the host's special operation type; an empty function means
    // normal mode throughout.
    void SetOpTypeSource(std::function<int()> source);
    int GetOpType() const;

    // Mouse input of a window whose cursor follows the mode. The window
    // becomes the one under the mouse and gets the mode's shape.
    void OnMouseMove(CWnd* pWnd, UINT nFlags, CPoint point);
    void OnMouseHover(CWnd* pWnd, UINT nFlags, CPoint point);
    // The mouse left the window: it is no longer the one under the mouse.
    void OnMouseLeave(CWnd* pWnd);
    // Sets the shape again on the window under the mouse, after the mode
    // changed.
    void AutoSelectCursor();

    // A move-mode drag: the window shows the grab cursor (resource 1103)
    // until EndGrab, whatever the mouse does meanwhile.
    void BeginGrab(CWnd* pWnd);
    void EndGrab();
    bool IsGrabbing() const;

    // The add-tile state of the host's layout page: a cross cursor until
    // the user does something else.
    void SetAddTileState(bool on);
    bool GetAddTileState() const;
    // Offered every message of a pane before the pane handles it. While the
    // add-tile state is on, a mouse button press or the Escape key ends it
    // and the cursor returns to the mode's shape; Escape and the right
    // button, which only serve to cancel, are consumed (answers true), a
    // left or middle press goes on to the pane.
    bool AutoInvalidAddTileState(const MSG* pMsg);

    // The window under the mouse as far as the manager knows, or null, and
    // the shape it last set there.
    CWnd* GetHoverWindow() const;
    ECursor GetCurrentCursor() const;

private:
    void Apply();

    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// The cursor manager of a kind: 0 is the one the whole application shares;
// there are no others (null). Call it as ::GetCursorManager inside a class
// that has a member of the same name.
CCurSorManager* GetCursorManager(int nKind);
