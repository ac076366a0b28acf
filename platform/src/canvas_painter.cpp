#include "canvas_painter.h"

#include "dash_runs.h"
#include "image_impl.h"
#include "nine_part.h"
#include "platform/native_qt.h"
#include "run_blend.h"

#include <QPainterPath>

namespace plat::detail {

namespace {

QPen MakeQPen(const Pen& pen)
{
    const int width = std::max(pen.width, 1);
    QPen q(ToQColor(pen.color), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (!pen.dash.empty()) {
        // The toolkit counts dashes in pen widths; ours are pixels.
        QList<qreal> pattern;
        for (int v : pen.dash)
            pattern.push_back(std::max(v, 0) / static_cast<qreal>(width));
        if (pattern.size() % 2 == 1)
            pattern += QList<qreal>(pattern);
        q.setDashPattern(pattern);
    }
    return q;
}

} // namespace

PainterCanvas::PainterCanvas(QPainter& painter) : m_painter(&painter) { Begin(); }

PainterCanvas::PainterCanvas(QImage& image)
{
    if (!image.isNull() && !image.paintingActive()) {
        m_owned = std::make_unique<QPainter>(&image);
        m_painter = m_owned.get();
        if (CanBlendRuns(image))
            m_image = &image;
    }
    Begin();
}

void PainterCanvas::Begin()
{
    m_active = m_painter && m_painter->isActive();
    if (m_active)
        m_painter->save();
}

PainterCanvas::~PainterCanvas()
{
    if (!m_active)
        return;
    for (std::size_t i = 0; i < m_savedClips.size(); ++i)
        m_painter->restore();
    m_painter->restore();
}

void PainterCanvas::FillRect(const CRect& rect, Color color)
{
    if (m_active && !rect.IsRectEmpty() && color.a != 0)
        m_painter->fillRect(ToQRect(rect), ToQColor(color));
}

void PainterCanvas::FillRuns(Color color)
{
    if (m_image && m_runs.size() > 4) {
        // Our own surface, no transform, our own clip: many short runs
        // (dashes) are blended straight into it.
        BlendRuns(*m_image, m_runs, m_clip.value_or(m_image->rect()), color);
        return;
    }
    const QColor c = ToQColor(color);
    for (const CRect& r : m_runs)
        m_painter->fillRect(ToQRect(r), c);
}

void PainterCanvas::DrawRect(const CRect& rect, const Pen& pen)
{
    if (!m_active || pen.color.a == 0)
        return;
    m_runs.clear();
    OutlineRuns(rect, pen.width, pen.dash, m_runs);
    FillRuns(pen.color);
}

void PainterCanvas::DrawPoints(const CPoint* points, std::size_t count, const Pen& pen)
{
    if (!m_active || count < 2 || pen.color.a == 0)
        return;
    m_runs.clear();
    if (AxisPolylineRuns(points, count, pen.width, pen.dash, m_runs)) {
        FillRuns(pen.color);
        return;
    }
    // Slanted lines are smoothed; the line runs through pixel centres for
    // odd widths so that it keeps the width asked for.
    const qreal offset = std::max(pen.width, 1) % 2 == 1 ? 0.5 : 0.0;
    QPainterPath path(QPointF(points[0].x + offset, points[0].y + offset));
    for (std::size_t i = 1; i < count; ++i)
        path.lineTo(points[i].x + offset, points[i].y + offset);
    m_painter->save();
    m_painter->setRenderHint(QPainter::Antialiasing, true);
    m_painter->strokePath(path, MakeQPen(pen));
    m_painter->restore();
}

void PainterCanvas::DrawLine(const CPoint& from, const CPoint& to, const Pen& pen)
{
    const CPoint points[] = {from, to};
    DrawPoints(points, 2, pen);
}

void PainterCanvas::DrawPolyline(const std::vector<CPoint>& points, const Pen& pen)
{
    DrawPoints(points.data(), points.size(), pen);
}

void PainterCanvas::FillEllipse(const CRect& rect, Color color)
{
    if (!m_active || rect.IsRectEmpty() || color.a == 0)
        return;
    m_painter->save();
    m_painter->setRenderHint(QPainter::Antialiasing, true);
    m_painter->setPen(Qt::NoPen);
    m_painter->setBrush(ToQColor(color));
    m_painter->drawEllipse(QRectF(ToQRect(rect)));
    m_painter->restore();
}

void PainterCanvas::DrawImage(const Image& image, const CRect& dest, int quarterTurns)
{
    if (!m_active || dest.IsRectEmpty())
        return;
    const QImage& turned = image.GetImpl().Turned(quarterTurns);
    if (turned.width() == dest.Width() && turned.height() == dest.Height()) {
        m_painter->drawImage(QPoint(dest.left, dest.top), turned);
        return;
    }
    const bool smooth = m_painter->testRenderHint(QPainter::SmoothPixmapTransform);
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    m_painter->drawImage(ToQRect(dest), turned);
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

void PainterCanvas::DrawImageAt(const Image& image, const CPoint& topLeft)
{
    if (m_active)
        m_painter->drawImage(QPoint(topLeft.x, topLeft.y), image.GetImpl().image);
}

void PainterCanvas::DrawImageNinePart(const Image& image, const CRect& dest, const Margins& margins, int quarterTurns)
{
    if (!m_active)
        return;
    const QImage& turned = image.GetImpl().Turned(quarterTurns);
    if (turned.width() == dest.Width() && turned.height() == dest.Height()) {
        // Nothing to stretch: the nine pieces would land where they are.
        m_painter->drawImage(QPoint(dest.left, dest.top), turned);
        return;
    }
    const NinePieces layout = NinePartLayout(CSize(turned.width(), turned.height()), dest, margins);
    // Frames' edges are uniform along their stretch: sampling without
    // smoothing looks the same, keeps the seams between pieces crisp and
    // costs far less.
    for (int i = 0; i < layout.count; ++i) {
        const NinePiece& piece = layout.pieces[i];
        if (piece.source.Size() == piece.dest.Size())
            m_painter->drawImage(QPoint(piece.dest.left, piece.dest.top), turned, ToQRect(piece.source));
        else
            m_painter->drawImage(ToQRect(piece.dest), turned, ToQRect(piece.source));
    }
}

FontLayout& PainterCanvas::Layout(const Font& font)
{
    if (TextCache* shared = TextCache::Shared())
        return shared->For(font);
    if (!m_ownTextCache)
        m_ownTextCache = std::make_unique<TextCache>();
    return m_ownTextCache->For(font);
}

void PainterCanvas::DrawText(const std::string& text, const CRect& rect, const Font& font, Color color, unsigned align)
{
    if (!m_active || text.empty() || color.a == 0)
        return;
    FontLayout& layout = Layout(font);
    const std::vector<std::string_view> lines = SplitLines(text);
    const int height = layout.lineHeight * static_cast<int>(lines.size());
    int y = rect.top;
    if (align & AlignBottom)
        y = rect.bottom - height;
    else if (align & AlignVCenter)
        y = rect.top + (rect.Height() - height) / 2;

    // Static text is drawn with the painter's font, whatever it was laid
    // out with; font and pen are set only when a line is drawn that way.
    bool penSet = false;
    const auto drawStatic = [&](const QPointF& at, const QStaticText& laid) {
        if (!penSet) {
            m_painter->setFont(layout.font);
            m_painter->setPen(ToQColor(color));
            penSet = true;
        }
        m_painter->drawStaticText(at, laid);
    };
    // Text stays inside its rectangle, as the desktop's does; the clip is
    // only set up when some of it would stick out.
    const bool tooHigh = height > rect.Height();
    for (std::size_t i = 0; i < lines.size(); ++i, y += layout.lineHeight) {
        if (lines[i].empty())
            continue;
        const LaidLine* line = &layout.Line(lines[i]);
        LaidLine elided;
        if ((align & ElideRight) && line->width > rect.Width()) {
            elided = layout.Elided(lines[i], rect.Width());
            line = &elided;
        }
        int x = rect.left;
        if (align & AlignRight)
            x = rect.right - line->width;
        else if (align & AlignHCenter)
            x = rect.left + (rect.Width() - line->width) / 2;
        if (tooHigh || line->width > rect.Width()) {
            m_painter->save();
            m_painter->setClipRect(ToQRect(rect), Qt::IntersectClip);
            drawStatic(QPointF(x, y), line->text);
            m_painter->restore();
            penSet = false; // the restore took them back
        } else if (const QImage* glyphs = line == &elided ? nullptr : layout.Glyphs(*line, ToQColor(color).rgba())) {
            // A line drawn before is copied from its image: far cheaper
            // than laying its glyphs out again for the many short values.
            m_painter->drawImage(QPoint(x - layout.GlyphMargin(), y), *glyphs);
        } else {
            drawStatic(QPointF(x, y), line->text);
        }
    }
}

void PainterCanvas::DrawTextAt(const std::string& text, const CPoint& topLeft, const Font& font, Color color)
{
    if (!m_active || text.empty() || color.a == 0)
        return;
    FontLayout& layout = Layout(font);
    m_painter->setFont(layout.font);
    m_painter->setPen(ToQColor(color));
    int y = topLeft.y;
    for (const std::string_view line : SplitLines(text)) {
        if (!line.empty())
            m_painter->drawStaticText(QPointF(topLeft.x, y), layout.Line(line).text);
        y += layout.lineHeight;
    }
}

CSize PainterCanvas::MeasureText(const std::string& text, const Font& font)
{
    FontLayout& layout = Layout(font);
    if (text.find_first_of("\r\n") == std::string::npos) // one line, the usual case
        return {text.empty() ? 0 : layout.Line(text).width, layout.lineHeight};
    const std::vector<std::string_view> lines = SplitLines(text);
    int width = 0;
    for (const std::string_view line : lines)
        width = std::max(width, line.empty() ? 0 : layout.Line(line).width);
    return {width, layout.lineHeight * static_cast<int>(lines.size())};
}

void PainterCanvas::DrawSurface(const Surface& surface, const CPoint& topLeft)
{
    if (m_active && &surface.GetImpl().image != m_painter->device())
        m_painter->drawImage(QPoint(topLeft.x, topLeft.y), surface.GetImpl().image);
}

void PainterCanvas::Save()
{
    if (!m_active)
        return;
    m_painter->save();
    m_savedClips.push_back(m_clip);
}

void PainterCanvas::Restore()
{
    if (!m_active || m_savedClips.empty())
        return;
    m_painter->restore();
    m_clip = m_savedClips.back();
    m_savedClips.pop_back();
}

void PainterCanvas::SetClipRect(const CRect& rect)
{
    if (!m_active)
        return;
    // Replaces the clip set since the last Save, never widening the one
    // that Save kept.
    QRect clip = ToQRect(rect);
    if (!m_savedClips.empty() && m_savedClips.back())
        clip = clip.intersected(*m_savedClips.back());
    m_clip = clip;
    m_painter->setClipRect(clip, Qt::ReplaceClip);
}

} // namespace plat::detail
