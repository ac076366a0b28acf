#pragma once
// Toolkit access for the control library and the host application only.
// Never included by the module's folders.
#include "platform/canvas.h"
#include "platform/window.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>

#include <algorithm>

class QWidget;

namespace plat {

// The widget a window owns (null while it has no window), and the window
// object that owns a widget or its nearest owning ancestor.
QWidget* NativeWidget(const CWnd* wnd);
CWnd* WindowFromWidget(const QWidget* widget);

// Creates a window as a child of a plain toolkit widget (the host's page
// area, a test's container), hidden, with the rectangle relative to it.
// Answers false when the window exists already or there is no parent.
bool CreateChildInWidget(CWnd& wnd, QWidget* parent, const CRect& rect, UINT id);

// A canvas drawing with the given painter (owned by the caller).
std::unique_ptr<ICanvas> MakePainterCanvas(QPainter& painter);

// Our desktop-style types and the toolkit's. A CRect's right and bottom
// lie outside it; QRect::right() is the last pixel inside, so only width
// and height ever cross the border.
// MK_* flags of a mouse message for the buttons held and the modifiers.
UINT MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

inline QRect ToQRect(const CRect& r) { return QRect(r.left, r.top, std::max(r.Width(), 0), std::max(r.Height(), 0)); }
inline CRect ToCRect(const QRect& r) { return CRect(CPoint(r.x(), r.y()), CSize(r.width(), r.height())); }
inline CPoint ToCPoint(const QPoint& p) { return {p.x(), p.y()}; }
inline QColor ToQColor(const Color& c) { return QColor(c.r, c.g, c.b, c.a); }
inline Color ToColor(const QColor& c)
{
    return {static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue()),
            static_cast<uint8_t>(c.alpha())};
}

const QImage& NativeImage(const Image& image);
std::shared_ptr<const Image> ImageFromNative(QImage image, std::string path = {});
QImage& NativeSurface(Surface& surface);

} // namespace plat
