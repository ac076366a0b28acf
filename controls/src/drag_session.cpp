// The one drag session of the application: started by DoDragDrop, fed by
// the source window's messages, calling the drop targets under the mouse.
#include "controls/drop_target.h"

#include "drop_target_registry.h"
#include "platform/native_qt.h"

#include <QPointer>
#include <QWidget>

namespace {

struct Session {
    bool active = false;
    QPointer<QWidget> source;
    COleDataObject data;
    DROPEFFECT allowed = DROPEFFECT_NONE;
    COleDropTarget* target = nullptr;
    DROPEFFECT effect = DROPEFFECT_NONE;
    bool hasPoint = false;
    CPoint lastScreen;
    DROPEFFECT lastResult = DROPEFFECT_NONE;
};

Session& Current()
{
    static Session session;
    return session;
}

CWnd* SourceWindow() { return plat::WindowFromWidget(Current().source); }

CPoint ClientOf(CWnd* wnd, CPoint screen)
{
    if (wnd)
        wnd->ScreenToClient(screen);
    return screen;
}

void ShowEffect()
{
    if (CWnd* source = SourceWindow())
        source->SetCursor(Current().effect == DROPEFFECT_NONE ? ECursor::No : ECursor::Arrow);
}

// Takes the session down before the last callback, which may start a new
// drag or destroy the source.
COleDataObject Finish(DROPEFFECT result)
{
    Session& s = Current();
    if (CWnd* source = SourceWindow())
        source->SetCursor(ECursor::Arrow);
    COleDataObject data = std::move(s.data);
    s = Session{};
    s.lastResult = result;
    return data;
}

// Follows the mouse to a screen point: leave and enter when the target
// changes, over when it stays.
void Update(const CPoint& screen, DWORD keyState)
{
    Session& s = Current();
    if (s.hasPoint && screen == s.lastScreen)
        return;
    s.hasPoint = true;
    s.lastScreen = screen;
    COleDropTarget* target = morv::drag::TargetAt(screen);
    if (target != s.target) {
        COleDropTarget* old = s.target;
        s.target = nullptr;
        s.effect = DROPEFFECT_NONE;
        if (old)
            old->OnDragLeave(old->GetWindow());
        if (!s.active)
            return;
        s.target = target;
        if (target) {
            CWnd* wnd = target->GetWindow();
            const DROPEFFECT effect = target->OnDragEnter(wnd, &s.data, keyState, ClientOf(wnd, screen));
            if (!s.active)
                return;
            s.effect = effect & s.allowed;
        }
    } else if (target) {
        CWnd* wnd = target->GetWindow();
        const DROPEFFECT effect = target->OnDragOver(wnd, &s.data, keyState, ClientOf(wnd, screen));
        if (!s.active)
            return;
        s.effect = effect & s.allowed;
    }
    ShowEffect();
}

void Drop(const CPoint& screen, DWORD keyState)
{
    Update(screen, keyState);
    Session& s = Current();
    if (!s.active)
        return;
    COleDropTarget* target = s.target;
    const DROPEFFECT effect = s.effect;
    const DROPEFFECT allowed = s.allowed;
    if (!target || effect == DROPEFFECT_NONE) {
        Finish(DROPEFFECT_NONE);
        if (target)
            target->OnDragLeave(target->GetWindow());
        return;
    }
    CWnd* wnd = target->GetWindow();
    const CPoint client = ClientOf(wnd, screen);
    COleDataObject data = Finish(DROPEFFECT_NONE);
    DROPEFFECT result = target->OnDropEx(wnd, &data, effect, allowed, client);
    if (result == DROPEFFECT_NOTHANDLED)
        result = target->OnDrop(wnd, &data, effect, client) ? effect : DROPEFFECT_NONE;
    if (!Current().active)
        Current().lastResult = result;
}

// A drag whose source window went away can never end by itself.
void DropOrphan()
{
    if (Current().active && !SourceWindow())
        morv::drag::Cancel();
}

bool IsButtonUp(UINT message) { return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP; }
bool IsButtonDown(UINT message)
{
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

} // namespace

DROPEFFECT COleDataSource::DoDragDrop(CWnd* pSource, DROPEFFECT dwEffects)
{
    DropOrphan();
    Session& s = Current();
    if (s.active || !pSource || !pSource->IsWindow() || dwEffects == DROPEFFECT_NONE)
        return DROPEFFECT_NONE;
    s = Session{};
    s.active = true;
    s.source = plat::NativeWidget(pSource);
    s.data = *this;
    s.allowed = dwEffects;
    return DROPEFFECT_NONE;
}

namespace morv::drag {

bool IsDragging()
{
    DropOrphan();
    return Current().active;
}

bool RouteMessage(CWnd* pSource, UINT message, WPARAM wParam, LPARAM lParam)
{
    Session& s = Current();
    if (!s.active || !pSource || SourceWindow() != pSource)
        return false;
    if (message == WM_KEYDOWN) {
        if (wParam != VK_ESCAPE)
            return false;
        Cancel();
        return true;
    }
    if (message < WM_MOUSEFIRST || message > WM_MOUSELAST)
        return false;
    CPoint screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (message == WM_MOUSEWHEEL || message == WM_MOUSEHWHEEL)
        return true; // wheel points are in screen coordinates; a wheel does not move a drag
    pSource->ClientToScreen(screen);
    const DWORD keyState = static_cast<DWORD>(wParam & 0xFFFF);
    if (message == WM_MOUSEMOVE)
        Update(screen, keyState);
    else if (IsButtonUp(message))
        Drop(screen, keyState);
    else if (IsButtonDown(message))
        Cancel();
    return true;
}

void Cancel()
{
    Session& s = Current();
    if (!s.active)
        return;
    COleDropTarget* target = s.target;
    Finish(DROPEFFECT_NONE);
    if (target)
        target->OnDragLeave(target->GetWindow());
}

DROPEFFECT LastResult() { return Current().lastResult; }

void ForgetTarget(COleDropTarget* target)
{
    Session& s = Current();
    if (s.target == target) {
        s.target = nullptr;
        s.effect = DROPEFFECT_NONE;
    }
}

} // namespace morv::drag
