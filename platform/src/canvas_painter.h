#pragma once
// The canvas that draws with a QPainter, into a window or an image.
#include "platform/canvas.h"
#include "text_layout.h"

#include <QPainter>

#include <optional>

namespace plat::detail {

class PainterCanvas final : public ICanvas {
public:
    // Draws with a painter owned by the caller; its state is restored when
    // the canvas goes.
    explicit PainterCanvas(QPainter& painter);
    // Draws into an image with a painter of its own. When the image cannot
    // be painted (null, or another painter on it) nothing is drawn.
    explicit PainterCanvas(QImage& image);
    ~PainterCanvas() override;

    void FillRect(const CRect& rect, Color color) override;
    void DrawRect(const CRect& rect, const Pen& pen) override;
    void DrawLine(const CPoint& from, const CPoint& to, const Pen& pen) override;
    void DrawPolyline(const std::vector<CPoint>& points, const Pen& pen) override;
    void FillEllipse(const CRect& rect, Color color) override;
    void DrawImage(const Image& image, const CRect& dest, int quarterTurns = 0) override;
    void DrawImageAt(const Image& image, const CPoint& topLeft) override;
    void DrawImageNinePart(const Image& image, const CRect& dest, const Margins& margins,
                           int quarterTurns = 0) override;
    void DrawText(const std::string& text, const CRect& rect, const Font& font, Color color, unsigned align) override;
    void DrawTextAt(const std::string& text, const CPoint& topLeft, const Font& font, Color color) override;
    CSize MeasureText(const std::string& text, const Font& font) override;
    void DrawSurface(const Surface& surface, const CPoint& topLeft) override;
    void Save() override;
    void Restore() override;
    void SetClipRect(const CRect& rect) override;

private:
    void Begin();
    void DrawPoints(const CPoint* points, std::size_t count, const Pen& pen);
    void FillRuns(Color color);
    FontLayout& Layout(const Font& font);

    std::unique_ptr<QPainter> m_owned;
    QPainter* m_painter = nullptr;
    bool m_active = false;
    std::optional<QRect> m_clip;                    // our clip at this level
    std::vector<std::optional<QRect>> m_savedClips; // one per Save
    std::vector<CRect> m_runs;                      // reused pen geometry
    QImage* m_image = nullptr;                      // our own surface, when runs may go straight in
    std::unique_ptr<TextCache> m_ownTextCache;      // off the main thread
};

} // namespace plat::detail
