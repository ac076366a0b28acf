// Off-screen surfaces. An opaque fill gives an image without alpha: drawing
// only ever blends onto it, so it stays opaque and copies to a window as a
// plain block copy.
#include "canvas_painter.h"
#include "image_impl.h"
#include "platform/native_qt.h"

#include <algorithm>

namespace {

QImage MakeSurfaceImage(int width, int height, Color fill)
{
    QImage image(std::max(width, 0), std::max(height, 0),
                 fill.a == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    if (!image.isNull())
        image.fill(plat::ToQColor(fill));
    return image;
}

} // namespace

Surface::Surface(int width, int height, Color fill) : m_impl(std::make_unique<Impl>())
{
    m_impl->fill = fill;
    m_impl->image = MakeSurfaceImage(width, height, fill);
}

Surface::~Surface() = default;

int Surface::Width() const { return m_impl->image.width(); }
int Surface::Height() const { return m_impl->image.height(); }

void Surface::Resize(int width, int height)
{
    if (width == Width() && height == Height())
        return;
    m_impl->image = MakeSurfaceImage(width, height, m_impl->fill);
}

std::unique_ptr<ICanvas> Surface::BeginPaint() { return std::make_unique<plat::detail::PainterCanvas>(m_impl->image); }

Color Surface::PixelAt(int x, int y) const
{
    if (!m_impl->image.valid(x, y))
        return {0, 0, 0, 0};
    return plat::ToColor(m_impl->image.pixelColor(x, y));
}

bool Surface::SavePng(const std::string& path) const
{
    return !m_impl->image.isNull() && m_impl->image.save(QString::fromStdString(path), "PNG");
}
