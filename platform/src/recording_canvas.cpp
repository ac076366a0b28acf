// The recording canvas: every call kept as one DrawOp.
#include "platform/canvas.h"

#include "text_lines.h"
#include "utf8.h"

namespace {

DrawOp MakeOp(DrawOp::Kind kind)
{
    DrawOp op;
    op.kind = kind;
    return op;
}

} // namespace

void RecordingCanvas::FillRect(const CRect& rect, Color color)
{
    DrawOp op = MakeOp(DrawOp::Kind::FillRect);
    op.rect = rect;
    op.color = color;
    m_ops.push_back(std::move(op));
}

void RecordingCanvas::DrawRect(const CRect& rect, const Pen& pen)
{
    DrawOp op = MakeOp(DrawOp::Kind::DrawRect);
    op.rect = rect;
    op.pen = pen;
    op.color = pen.color;
    m_ops.push_back(std::move(op));
}

void RecordingCanvas::DrawLine(const CPoint& from, const CPoint& to, const Pen& pen)
{
    DrawOp op = MakeOp(DrawOp::Kind::Line);
    op.points = {from, to};
    op.pen = pen;
    op.color = pen.color;
    m_ops.push_back(std::move(op));
}

void RecordingCanvas::DrawPolyline(const std::vector<CPoint>& points, const Pen& pen)
{
    DrawOp op = MakeOp(DrawOp::Kind::Polyline);
    op.points = points;
    op.pen = pen;
    op.color = pen.color;
    m_ops.push_back(std::move(op));
}

void RecordingCanvas::FillEllipse(const CRect& rect, Color color)
{
    DrawOp op = MakeOp(DrawOp::Kind::FillEllipse);
    op.rect = rect;
    op.color = color;
    m_ops.push_back(std::move(op));
}

void RecordingCanvas::DrawImage(const Image& image, const CRect& dest, int quarterTurns)
{
    DrawOp op = MakeOp(DrawOp::Kind::Image);
    op.rect = dest;
    op.image = image.Path();
    op.quarterTurns = quarterTurns;
    m_ops.push_back(std::move(op));
}

void RecordingCanvas::DrawImageAt(const Image& image, const CPoint& topLeft)
{
    DrawOp op = MakeOp(DrawOp::Kind::ImageAt);
    op.rect = CRect(topLeft, CSize(image.Width(), image.Height()));
    op.image = image.Path();
    m_ops.push_back(std::move(op));
}

void RecordingCanvas::DrawImageNinePart(const Image& image, const CRect& dest, const Margins& margins, int quarterTurns)
{
    DrawOp op = MakeOp(DrawOp::Kind::ImageNinePart);
    op.rect = dest;
    op.image = image.Path();
    op.margins = margins;
    op.quarterTurns = quarterTurns;
    m_ops.push_back(std::move(op));
}

void RecordingCanvas::DrawText(const std::string& text, const CRect& rect, const Font& font, Color color,
                               unsigned align)
{
    DrawOp op = MakeOp(DrawOp::Kind::Text);
    op.text = text;
    op.rect = rect;
    op.font = font;
    op.color = color;
    op.align = align;
    m_ops.push_back(std::move(op));
}

void RecordingCanvas::DrawTextAt(const std::string& text, const CPoint& topLeft, const Font& font, Color color)
{
    DrawOp op = MakeOp(DrawOp::Kind::TextAt);
    op.text = text;
    op.rect = CRect(topLeft, MeasureText(text, font));
    op.font = font;
    op.color = color;
    m_ops.push_back(std::move(op));
}

CSize RecordingCanvas::MeasureText(const std::string& text, const Font& font)
{
    // 0.6 x pixel size per character of the longest line; pixel size per line.
    std::size_t longest = 0;
    const auto lines = plat::detail::SplitLines(text);
    for (const std::string_view line : lines)
        longest = std::max(longest, plat::detail::CountCharacters(line));
    const int size = std::max(font.pixelSize, 0);
    return {static_cast<int32_t>(longest * static_cast<std::size_t>(size) * 6 / 10),
            static_cast<int32_t>(lines.size()) * size};
}

void RecordingCanvas::DrawSurface(const Surface& surface, const CPoint& topLeft)
{
    DrawOp op = MakeOp(DrawOp::Kind::Surface);
    op.rect = CRect(topLeft, CSize(surface.Width(), surface.Height()));
    m_ops.push_back(std::move(op));
}

void RecordingCanvas::Save() { m_ops.push_back(MakeOp(DrawOp::Kind::Save)); }
void RecordingCanvas::Restore() { m_ops.push_back(MakeOp(DrawOp::Kind::Restore)); }

void RecordingCanvas::SetClipRect(const CRect& rect)
{
    DrawOp op = MakeOp(DrawOp::Kind::Clip);
    op.rect = rect;
    m_ops.push_back(std::move(op));
}
