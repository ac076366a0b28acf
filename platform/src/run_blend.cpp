#include "run_blend.h"

#include <QRgb>

#include <algorithm>

namespace plat::detail {

namespace {

// x * a / 255 on the four channels at once, rounded as the raster engine
// rounds.
inline uint32_t ByteMul(uint32_t x, uint32_t a)
{
    uint32_t t = (x & 0xff00ff) * a;
    t = (t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8;
    t &= 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = (x + ((x >> 8) & 0xff00ff) + 0x800080);
    x &= 0xff00ff00;
    return x | t;
}

} // namespace

bool CanBlendRuns(const QImage& image)
{
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32_Premultiplied;
}

void BlendRuns(QImage& image, const std::vector<CRect>& runs, const QRect& clip, Color color)
{
    const QRect bounds = clip.intersected(image.rect());
    if (bounds.isEmpty() || color.a == 0)
        return;
    const uint32_t source = qPremultiply(qRgba(color.r, color.g, color.b, color.a));
    const uint32_t inverse = 255 - color.a;
    const bool opaqueTarget = image.format() == QImage::Format_RGB32;
    const int left = bounds.left(), top = bounds.top(), right = left + bounds.width(), bottom = top + bounds.height();
    for (const CRect& r : runs) {
        const int x0 = std::max(r.left, left), x1 = std::min(r.right, right);
        const int y0 = std::max(r.top, top), y1 = std::min(r.bottom, bottom);
        for (int y = y0; y < y1; ++y) {
            auto* line = reinterpret_cast<uint32_t*>(image.scanLine(y));
            for (int x = x0; x < x1; ++x) {
                uint32_t d = inverse ? source + ByteMul(line[x], inverse) : source;
                line[x] = opaqueTarget ? (d | 0xff000000) : d;
            }
        }
    }
}

} // namespace plat::detail
