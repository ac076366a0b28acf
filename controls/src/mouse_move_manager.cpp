#include "controls/mouse_move_manager.h"

#include "controls/density.h"
#include "platform/native_qt.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

bool MouseMoveStarts(const CPoint& offset, DWORD elapsedMs, DWORD holdTimeMs, int dragDistance)
{
    return std::abs(offset.x) > dragDistance || std::abs(offset.y) > dragDistance || elapsedMs >= holdTimeMs;
}

namespace {

struct ButtonMessages {
    UINT down;
    UINT up;
};

bool ButtonOf(UINT button, ButtonMessages& out)
{
    switch (button) {
    case MK_LBUTTON: out = {WM_LBUTTONDOWN, WM_LBUTTONUP}; return true;
    case MK_MBUTTON: out = {WM_MBUTTONDOWN, WM_MBUTTONUP}; return true;
    case MK_RBUTTON: out = {WM_RBUTTONDOWN, WM_RBUTTONUP}; return true;
    default: return false;
    }
}

bool IsButtonDown(UINT message)
{
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

} // namespace

struct CMouseDownMoveManager::Impl {
    DWORD holdTime;
    DWORD idleSleep;

    bool tracking = false;
    QPointer<QWidget> widget; // the tracked window, by its widget
    ButtonMessages button{};
    bool hadCapture = false;
    bool moving = false;
    CPoint down;
    CPoint lastReported;
    CPoint lastPolled; // screen coordinates
    uint32_t startTick = 0;
    MoveCallback onMove;
    EndCallback onEnd;
    QTimer idleTimer;

    CWnd* Window() const { return widget ? plat::WindowFromWidget(widget) : nullptr; }

    SMouseMoveInfo Info(const CPoint& cur) const
    {
        SMouseMoveInfo info;
        info.ptDown = down;
        info.ptCur = cur;
        info.ptOffset = cur - down;
        info.dwElapsed = plat::GetTickCount() - startTick;
        return info;
    }

    CPoint ClientOf(CPoint screen) const
    {
        if (CWnd* wnd = Window())
            wnd->ScreenToClient(screen);
        return screen;
    }

    void Move(const CPoint& client)
    {
        if (client == lastReported)
            return;
        const SMouseMoveInfo info = Info(client);
        if (!moving && !MouseMoveStarts(info.ptOffset, info.dwElapsed, holdTime, morv::Scale(kDragDistance)))
            return;
        moving = true;
        lastReported = client;
        if (onMove)
            onMove(info);
    }

    // Stops first and calls back last, so the callback may start again.
    void End(int type, const CPoint& at)
    {
        if (!tracking)
            return;
        const SMouseMoveInfo info = Info(at);
        Stop();
        EndCallback callback = std::move(onEnd);
        onMove = nullptr;
        if (callback)
            callback(type, info);
    }

    void Stop()
    {
        tracking = false;
        idleTimer.stop();
        CWnd* wnd = Window();
        if (wnd && CWnd::GetCapture() == wnd)
            CWnd::ReleaseCapture();
        widget.clear();
    }

    void Poll()
    {
        CWnd* wnd = Window();
        if (!wnd || !wnd->IsWindow() || (hadCapture && CWnd::GetCapture() != wnd)) {
            End(MOUSEMOVE_END_LOST, lastReported);
            return;
        }
        const CPoint cursor = plat::GetCursorPos();
        if (cursor == lastPolled)
            return;
        lastPolled = cursor;
        Move(ClientOf(cursor));
    }
};

CMouseDownMoveManager::CMouseDownMoveManager(DWORD dwHoldTime, DWORD dwIdleSleep) : m_impl(std::make_unique<Impl>())
{
    m_impl->holdTime = dwHoldTime;
    m_impl->idleSleep = dwIdleSleep;
    m_impl->idleTimer.setInterval(static_cast<int>(dwIdleSleep));
    QObject::connect(&m_impl->idleTimer, &QTimer::timeout, [impl = m_impl.get()] { impl->Poll(); });
}

CMouseDownMoveManager::~CMouseDownMoveManager()
{
    if (m_impl->tracking)
        m_impl->Stop();
}

bool CMouseDownMoveManager::Start(CWnd* pWnd, UINT nButton, CPoint ptDown, MoveCallback onMove, EndCallback onEnd)
{
    Impl& d = *m_impl;
    ButtonMessages button{};
    if (d.tracking || !pWnd || !pWnd->IsWindow() || !ButtonOf(nButton, button))
        return false;
    d.tracking = true;
    d.widget = plat::NativeWidget(pWnd);
    d.button = button;
    d.moving = false;
    d.down = ptDown;
    d.lastReported = ptDown;
    d.lastPolled = plat::GetCursorPos();
    d.startTick = plat::GetTickCount();
    d.onMove = std::move(onMove);
    d.onEnd = std::move(onEnd);
    pWnd->SetCapture();
    d.hadCapture = CWnd::GetCapture() == pWnd;
    d.idleTimer.start();
    return true;
}

bool CMouseDownMoveManager::IsTracking() const { return m_impl->tracking; }

bool CMouseDownMoveManager::RouteMessage(const MSG& msg)
{
    Impl& d = *m_impl;
    if (!d.tracking)
        return false;
    if (msg.message == WM_KEYDOWN) {
        if (msg.wParam != VK_ESCAPE)
            return false;
        d.End(MOUSEMOVE_END_ESCAPE, d.lastReported);
        return true;
    }
    if (msg.message < WM_MOUSEFIRST || msg.message > WM_MOUSELAST)
        return false;
    const CPoint client = d.ClientOf(msg.pt);
    if (msg.message == WM_MOUSEMOVE) {
        d.Move(client);
    } else if (msg.message == d.button.up) {
        d.Move(client);
        d.End(MOUSEMOVE_END_BUTTONUP, client);
    } else if (IsButtonDown(msg.message) && msg.message != d.button.down) {
        d.End(MOUSEMOVE_END_OTHERBUTTON, client);
    }
    return true;
}

void CMouseDownMoveManager::Cancel() { m_impl->End(MOUSEMOVE_END_LOST, m_impl->lastReported); }

DWORD CMouseDownMoveManager::GetHoldTime() const { return m_impl->holdTime; }

DWORD CMouseDownMoveManager::GetIdleSleep() const { return m_impl->idleSleep; }
