#include "text_layout.h"

#include <QCoreApplication>
#include <QThread>

namespace plat::detail {

namespace {

constexpr std::size_t kMaxFonts = 32;
constexpr std::size_t kMaxLinesPerFont = 4096;

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

FontLayout::FontLayout(const Font& f) : key(f), font(MakeFont(f)), metrics(font), lineHeight(metrics.height()) {}

const LaidLine& FontLayout::Line(std::string_view text)
{
    if (auto it = m_lines.find(text); it != m_lines.end())
        return it->second;
    if (m_lines.size() >= kMaxLinesPerFont)
        m_lines.clear();
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return m_lines.emplace(std::string(text), LaidLine{MakeStatic(s, font), metrics.horizontalAdvance(s)}).first->second;
}

LaidLine FontLayout::Elided(std::string_view text, int width) const
{
    const QString s = metrics.elidedText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                                         Qt::ElideRight, std::max(width, 0));
    return {MakeStatic(s, font), metrics.horizontalAdvance(s)};
}

FontLayout& TextCache::For(const Font& font)
{
    for (const auto& f : m_fonts) {
        if (f->key == font)
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
