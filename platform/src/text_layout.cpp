#include "text_layout.h"

#include <QCoreApplication>
#include <QPainter>
#include <QThread>

namespace plat::detail {

namespace {

constexpr std::size_t kMaxFonts = 32;
constexpr std::size_t kMaxLinesPerFont = 4096;
// Bytes of glyph images one font keeps.
constexpr std::size_t kMaxImageBytesPerFont = 2u << 20;

QFont MakeFont(const Font& f)
{
    QFont font;
    if (!f.family.empty())
        font.setFamily(QString::fromStdString(f.family));
    font.setPixelSize(std::max(f.pixelSize, 1));
    font.setBold(f.bold);
    return font;
}

QStaticText MakeStatic(const QString& text, const QFont& font)
{
    QStaticText laid(text);
    laid.setTextFormat(Qt::PlainText);
    laid.setPerformanceHint(QStaticText::AggressiveCaching);
    laid.prepare(QTransform(), font);
    return laid;
}

TextCache* g_shared = nullptr;

} // namespace

const QImage* FontLayout::Glyphs(const LaidLine& line, QRgb color) const
{
    if (!line.glyphs.isNull() && line.glyphsColor == color)
        return &line.glyphs;
    const int margin = GlyphMargin();
    QImage image(line.width + 2 * margin, lineHeight, QImage::Format_ARGB32_Premultiplied);
    const auto bytes = static_cast<std::size_t>(image.sizeInBytes());
    if (image.isNull() || m_imageBytes + bytes > kMaxImageBytesPerFont)
        return nullptr;
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QColor::fromRgba(color));
    painter.drawStaticText(QPointF(margin, 0), line.text);
    painter.end();
    m_imageBytes += line.glyphs.isNull() ? bytes : 0;
    line.glyphs = std::move(image);
    line.glyphsColor = color;
    return &line.glyphs;
}

FontLayout::FontLayout(const Font& f) : key(f), font(MakeFont(f)), metrics(font), lineHeight(metrics.height()) {}

const LaidLine& FontLayout::Line(std::string_view text)
{
    if (auto it = m_lines.find(text); it != m_lines.end())
        return it->second;
    if (m_lines.size() >= kMaxLinesPerFont) {
        m_lines.clear();
        m_imageBytes = 0;
    }
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return m_lines.emplace(std::string(text), LaidLine(MakeStatic(s, font), metrics.horizontalAdvance(s)))
        .first->second;
}

LaidLine FontLayout::Elided(std::string_view text, int width) const
{
    const QString s = metrics.elidedText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                                         Qt::ElideRight, std::max(width, 0));
    return LaidLine(MakeStatic(s, font), metrics.horizontalAdvance(s));
}

FontLayout& TextCache::For(const Font& font)
{
    // The size first: it tells most fonts apart without comparing families.
    for (const auto& f : m_fonts) {
        if (f->key.pixelSize == font.pixelSize && f->key == font)
            return *f;
    }
    if (m_fonts.size() >= kMaxFonts)
        m_fonts.clear();
    m_fonts.push_back(std::make_unique<FontLayout>(font));
    return *m_fonts.back();
}

TextCache* TextCache::Shared()
{
    if (!qApp || QThread::currentThread() != qApp->thread())
        return nullptr;
    if (!g_shared) {
        g_shared = new TextCache;
        // Fonts must go while the application still runs.
        qAddPostRoutine([] {
            delete g_shared;
            g_shared = nullptr;
        });
    }
    return g_shared;
}

} // namespace plat::detail
