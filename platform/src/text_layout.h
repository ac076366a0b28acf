#pragma once
// Text laid out once and drawn many times: per font, each line's
// QStaticText and width are kept, so the panes' many short labels (numbers,
// values) cost a lookup after their first paint.
#include "platform/canvas.h"
#include "text_lines.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QStaticText>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace plat::detail {

struct LaidLine {
    LaidLine() = default;
    LaidLine(QStaticText laid, int advance) : text(std::move(laid)), width(advance) {}
    QStaticText text;
    int width = 0;
    // The line drawn once into an image in one colour, kept for the next
    // time (FontLayout::Glyphs).
    mutable QImage glyphs;
    mutable QRgb glyphsColor = 0;
};

class FontLayout {
public:
    explicit FontLayout(const Font& key);
    const Font key;
    const QFont font;
    const QFontMetrics metrics;
    const int lineHeight;

    const LaidLine& Line(std::string_view text);
    // The line cut with an ellipsis to fit width (not kept).
    LaidLine Elided(std::string_view text, int width) const;
    // A kept line's glyphs in a colour as an image, to be drawn with its
    // top-left corner GlyphMargin() pixels left of the line's start; null
    // once the font's images reached their budget.
    const QImage* Glyphs(const LaidLine& line, QRgb color) const;
    int GlyphMargin() const { return lineHeight / 4 + 1; }

private:
    mutable std::size_t m_imageBytes = 0;
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
    };
    std::unordered_map<std::string, LaidLine, Hash, std::equal_to<>> m_lines;
};

// The fonts in use with their laid-out lines, bounded in size.
class TextCache {
public:
    FontLayout& For(const Font& font);
    // The cache of the toolkit's main thread; null on other threads (they
    // keep their own, see PainterCanvas).
    static TextCache* Shared();

private:
    std::vector<std::unique_ptr<FontLayout>> m_fonts;
};

} // namespace plat::detail
