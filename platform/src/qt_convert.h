#pragma once
// Conversions between our desktop-style types and the toolkit's. A CRect's
// right and bottom lie outside it; QRect::right() is the last pixel inside,
// so only width and height ever cross the border.
#include "platform/canvas.h"
#include "platform/geometry.h"

#include <QColor>
#include <QPoint>
#include <QRect>

#include <algorithm>

namespace plat {

inline QRect ToQRect(const CRect& r)
{
    return QRect(r.left, r.top, std::max(r.Width(), 0), std::max(r.Height(), 0));
}
inline CRect ToCRect(const QRect& r) { return CRect(CPoint(r.x(), r.y()), CSize(r.width(), r.height())); }
inline CPoint ToCPoint(const QPoint& p) { return {p.x(), p.y()}; }
inline QColor ToQColor(const Color& c) { return QColor(c.r, c.g, c.b, c.a); }
inline Color ToColor(const QColor& c)
{
    return {static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue()),
            static_cast<uint8_t>(c.alpha())};
}

} // namespace plat
