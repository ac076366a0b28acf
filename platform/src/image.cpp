// Images decoded from PNG files, or made of one colour.
#include "image_impl.h"

#include "platform/native_qt.h"

#include <QImageReader>
#include <QTransform>

Image::Impl::Impl(QImage decoded, std::string from)
    : image(decoded.convertToFormat(QImage::Format_ARGB32_Premultiplied)), path(std::move(from))
{}

const QImage& Image::Impl::Turned(int quarterTurns) const
{
    const int turns = plat::detail::NormalizeTurns(quarterTurns);
    if (turns == 0)
        return image;
    std::lock_guard lock(m_mutex);
    QImage& turned = m_turned[turns - 1];
    if (turned.isNull())
        turned = image.transformed(QTransform().rotate(90.0 * turns));
    return turned;
}

Image::Image(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}
Image::~Image() = default;

std::shared_ptr<const Image> Image::Load(const std::string& path)
{
    QImageReader reader(QString::fromStdString(path));
    QImage decoded = reader.read();
    if (decoded.isNull())
        return nullptr;
    return std::make_shared<const Image>(std::make_unique<Impl>(std::move(decoded), path));
}

std::shared_ptr<const Image> Image::Solid(int width, int height, Color color)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return nullptr;
    image.fill(plat::ToQColor(color));
    return std::make_shared<const Image>(std::make_unique<Impl>(std::move(image), std::string()));
}

int Image::Width() const { return m_impl->image.width(); }
int Image::Height() const { return m_impl->image.height(); }
const std::string& Image::Path() const { return m_impl->path; }
