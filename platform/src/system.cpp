// System-wide queries: key state, cursor, clock, screen, wait cursor.
#include "platform/window.h"

#include "input_filter.h"
#include "platform/native_qt.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <chrono>

namespace plat {

namespace {
int g_waitCursorCount = 0;
} // namespace

short GetKeyState(UINT vk) { return detail::IsKeyDown(vk) ? static_cast<short>(0x8000) : 0; }

CPoint GetCursorPos() { return ToCPoint(QCursor::pos()); }

void SetCursorPos(const CPoint& p) { QCursor::setPos(p.x, p.y); }

uint32_t GetTickCount()
{
    // Wraps after 49.7 days, as the desktop's does.
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

CRect GetScreenWorkArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? ToCRect(screen->availableGeometry()) : CRect();
}

CPoint KeepOnWorkArea(CPoint at, CSize size)
{
    const CRect area = GetScreenWorkArea();
    at.x = std::max(area.left, std::min(at.x, area.right - size.cx));
    at.y = std::max(area.top, std::min(at.y, area.bottom - size.cy));
    return at;
}

double GetScreenDensity()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() / 96.0 : 1.0;
}

void BeginWaitCursor()
{
    if (g_waitCursorCount++ == 0)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void EndWaitCursor()
{
    if (g_waitCursorCount == 0)
        return;
    if (--g_waitCursorCount == 0)
        QGuiApplication::restoreOverrideCursor();
}

void ProcessEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

} // namespace plat
