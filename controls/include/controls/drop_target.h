#pragma once
// Drag and drop between the application's own windows, in the desktop's
// shape: a data object carrying clipboard formats, a drop target that a
// window registers with five callbacks (enter, over, drop with effect,
// drop, leave), and a data source that starts the drag.
//
// There is no blocking drag loop. DoDragDrop starts a drag session and
// returns at once; the window the drag started from hands the session its
// mouse and key messages (the sender tree does this itself), and the
// session calls the drop targets under the mouse in the desktop's order:
// enter, over on every move, then drop with effect (and drop when that
// answers -1) at a release over a target that accepts, or leave when the
// mouse leaves the target, at a release over a refusing target, on Escape
// and on a press of another button.
#include "platform/window.h"

#include <map>
#include <memory>
#include <string>

using DROPEFFECT = DWORD;
constexpr DROPEFFECT DROPEFFECT_NONE = 0;
constexpr DROPEFFECT DROPEFFECT_COPY = 1;
constexpr DROPEFFECT DROPEFFECT_MOVE = 2;
constexpr DROPEFFECT DROPEFFECT_LINK = 4;
// OnDropEx's answer for "not handled here: call OnDrop".
constexpr DROPEFFECT DROPEFFECT_NOTHANDLED = static_cast<DROPEFFECT>(-1);

// Clipboard formats, with the desktop's numbers.
using CLIPFORMAT = WORD;
constexpr CLIPFORMAT CF_TEXT = 1; // multibyte (here UTF-8) text
constexpr CLIPFORMAT CF_UNICODETEXT = 13;

// What a drag carries: bytes per clipboard format.
class COleDataObject {
public:
    bool IsDataAvailable(CLIPFORMAT format) const;
    // The bytes of a format; empty when the format is not offered.
    std::string GetData(CLIPFORMAT format) const;

protected:
    std::map<CLIPFORMAT, std::string> m_formats;
};

// The data of a drag about to start.
class COleDataSource : public COleDataObject {
public:
    void CacheData(CLIPFORMAT format, std::string bytes);
    void Empty();
    // Starts a drag of a copy of this data from pSource with the effects
    // allowed. Answers DROPEFFECT_NONE at once; the session runs on the
    // source's messages. Nothing starts (and false is kept by IsDragging)
    // while another drag runs, without a source window or without effects.
    DROPEFFECT DoDragDrop(CWnd* pSource, DROPEFFECT dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK);
};

// A window's part in drags: register it on the window; the callbacks get
// points in the window's client coordinates. The defaults refuse: enter
// and over answer DROPEFFECT_NONE, drop with effect answers
// DROPEFFECT_NOTHANDLED, drop answers 0.
class COleDropTarget {
public:
    COleDropTarget();
    virtual ~COleDropTarget();
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;

    // One window per target; answers false when the target is registered
    // already or the window does not exist.
    bool Register(CWnd* pWnd);
    void Revoke();
    CWnd* GetWindow() const;

    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault, DROPEFFECT dropList,
                                CPoint point);
    virtual int OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// The five drop callbacks as an interface, in slot order.
class IOleDropTargetEvent {
public:
    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) = 0;
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) = 0;
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault, DROPEFFECT dropList,
                                CPoint point)
        = 0;
    virtual int OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) = 0;
    virtual void OnDragLeave(CWnd* pWnd) = 0;

protected:
    ~IOleDropTargetEvent() = default;
};

// A drop target that hands each callback to an event sink when one is set,
// and otherwise behaves as COleDropTarget.
class COleDropTargetEx : public COleDropTarget {
public:
    void SetEventSink(IOleDropTargetEvent* pSink) { m_pSink = pSink; }
    IOleDropTargetEvent* GetEventSink() const { return m_pSink; }

    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault, DROPEFFECT dropList,
                        CPoint point) override;
    int OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;
    void OnDragLeave(CWnd* pWnd) override;

private:
    IOleDropTargetEvent* m_pSink = nullptr;
};

// The drag session as the source window sees it.
namespace morv::drag {

// A drag is running.
bool IsDragging();
// A message of the source window, as its window procedure gets it (points
// in the window's client coordinates). Answers true when the session took
// it: every mouse message and Escape while a drag from this window runs.
bool RouteMessage(CWnd* pSource, UINT message, WPARAM wParam, LPARAM lParam);
// Ends a running drag as cancelled (leave is called on the current target).
void Cancel();
// The effect the last finished drag ended with (DROPEFFECT_NONE when it was
// cancelled or refused).
DROPEFFECT LastResult();

} // namespace morv::drag
