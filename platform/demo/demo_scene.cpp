#include "demo_scene.h"

#include "platform/native_qt.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr double kFactors[] = {1.0, 1.5, 2.5};
constexpr int kColumnWidth = 250; // design pixels per column
constexpr int kColumnHeight = 410;
constexpr int kGap = 16;

constexpr Color kBackground = RGBColor(241, 247, 255);
constexpr Color kInk = RGBColor(40, 48, 60);
constexpr Color kNormal = RGBColor(120, 200, 140);
constexpr Color kWarning = RGBColor(236, 112, 99);
constexpr Color kOffline = RGBColor(170, 176, 186);
constexpr Color kPath = RGBColor(66, 132, 207);

// An arrow pointing right with a notch at its tail: every quarter turn of
// it looks different.
std::shared_ptr<const Image> ArrowImage(double f)
{
    QImage image(static_cast<int>(32 * f), static_cast<int>(20 * f), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(f, f);
    QPainterPath arrow;
    arrow.moveTo(2, 6);
    arrow.lineTo(18, 6);
    arrow.lineTo(18, 1);
    arrow.lineTo(31, 10);
    arrow.lineTo(18, 19);
    arrow.lineTo(18, 14);
    arrow.lineTo(2, 14);
    arrow.lineTo(7, 10);
    arrow.closeSubpath();
    p.fillPath(arrow, QColor(66, 132, 207));
    p.end();
    return plat::ImageFromNative(image, "demo/arrow.png");
}

// A frame with rounded corners and a light band on top, for nine-part
// stretching with 5-pixel margins; drawn at the density, as the skin's
// density folders hold it.
std::shared_ptr<const Image> FrameImage(QColor border, double f)
{
    const int size = static_cast<int>(16 * f);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(f, f);
    p.setPen(QPen(border, 2));
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawRoundedRect(QRectF(1, 1, 14, 14), 4, 4);
    p.fillRect(QRectF(4, 3, 8, 1.5), border.lighter(140));
    p.end();
    return plat::ImageFromNative(image, "demo/frame.png");
}

int S(int design, double factor) { return static_cast<int>(design * factor); }

CRect Box(const CPoint& origin, double f, int x, int y, int w, int h)
{
    return CRect(CPoint(origin.x + S(x, f), origin.y + S(y, f)), CSize(S(w, f), S(h, f)));
}

void Caption(ICanvas& dc, const CPoint& o, double f, int y, const char* text)
{
    dc.DrawTextAt(text, CPoint(o.x + S(10, f), o.y + S(y, f)), Font{"", S(11, f), false}, RGBColor(90, 98, 110));
}

void DrawColumn(ICanvas& dc, const CPoint& o, double f)
{
    const auto arrowImage = ArrowImage(f);
    const Image& arrow = *arrowImage;
    const auto frameImage = FrameImage(QColor(120, 140, 170), f);
    const auto warningImage = FrameImage(QColor(220, 80, 70), f);
    const Image& frame = *frameImage;
    const Image& warningFrame = *warningImage;
    const CRect column = Box(o, f, 0, 0, kColumnWidth, kColumnHeight);
    dc.FillRect(column, RGBColor(255, 255, 255));
    dc.DrawRect(column, Pen{RGBColor(205, 210, 216), 1, {}});
    char title[32];
    std::snprintf(title, sizeof title, "Density %.1f", f);
    dc.DrawText(title, Box(o, f, 0, 4, kColumnWidth, 22), Font{"", S(15, f), true}, kInk, AlignCenter);

    // Receivers: fills, solid outline, then the dashed alpha outline over it.
    Caption(dc, o, f, 30, "fills, solid + dashed outlines");
    const Color fills[] = {kNormal, kWarning, kNormal, kOffline, kNormal, kNormal};
    for (int i = 0; i < 6; ++i) {
        const CRect cell = Box(o, f, 10 + (i % 3) * 44, 46 + (i / 3) * 30, 44, 30);
        dc.FillRect(cell, fills[i]);
        dc.DrawRect(cell, Pen{RGBColor(205, 210, 216), 1, {}});
        dc.DrawRect(cell, Pen{RGBColor(90, 90, 90, 200), 1, {3, 2}});
        if (i != 5)
            dc.DrawText(std::to_string(i + 1), cell, Font{"", S(11, f), false}, RGBColor(0, 0, 0), AlignCenter);
    }
    // Demarcation frame: 2 on, 1 off, 2 pixels wide, 3 pixels inside.
    CRect marked = Box(o, f, 10 + 44, 46, 44, 30);
    marked.DeflateRect(3, 3);
    dc.DrawRect(marked, Pen{RGBColor(0, 0, 0), 2, {2, 1}});
    // A "-" value is a short bar, never the hyphen.
    const CRect dash = Box(o, f, 10 + 2 * 44, 46 + 30, 44, 30);
    const int y = dash.top + dash.Height() / 2;
    dc.DrawLine(CPoint(dash.left + dash.Width() * 3 / 8, y), CPoint(dash.left + dash.Width() * 5 / 8, y),
                Pen{RGBColor(0, 0, 0), std::max(1, S(2, f)), {}});

    // Cabling path with an arrowhead, and an ellipse.
    Caption(dc, o, f, 112, "lines, polyline, ellipse");
    const CPoint a(o.x + S(16, f), o.y + S(150, f)), b(o.x + S(110, f), o.y + S(132, f));
    const Pen path{kPath, std::max(1, S(2, f)), {}};
    dc.DrawLine(a, b, path);
    const double angle = std::atan2(b.y - a.y, b.x - a.x), head = S(9, f);
    for (const double side : {-0.5236, 0.5236}) {
        const CPoint tip(b.x - static_cast<int>(head * std::cos(angle + side)),
                         b.y - static_cast<int>(head * std::sin(angle + side)));
        dc.DrawLine(b, tip, path);
    }
    dc.DrawPolyline({Box(o, f, 130, 132, 0, 0).TopLeft(), Box(o, f, 180, 132, 0, 0).TopLeft(),
                     Box(o, f, 180, 152, 0, 0).TopLeft(), Box(o, f, 130, 152, 0, 0).TopLeft()},
                    Pen{RGBColor(40, 48, 60, 160), 1, {4, 2}});
    dc.FillEllipse(Box(o, f, 196, 128, 34, 28), RGBColor(236, 112, 99, 200));

    // Quarter turns of an image, scaled to the density.
    Caption(dc, o, f, 166, "image turned 0, 1, 2, 3 quarter turns");
    int x = 10;
    for (int turns = 0; turns < 4; ++turns) {
        const bool odd = turns % 2 == 1;
        const int w = odd ? 20 : 32, h = odd ? 32 : 20;
        dc.DrawImage(arrow, Box(o, f, x, 184 + (odd ? 0 : 6), w, h), turns);
        x += w + 14;
    }
    dc.DrawImageAt(arrow, Box(o, f, 196, 190, 0, 0).TopLeft()); // its own size: drawn for this density

    // Nine-part frames: corners keep their size at any stretch, turned too.
    Caption(dc, o, f, 224, "nine-part frames (5 px margins)");
    const Margins m{S(5, f), S(5, f), S(5, f), S(5, f)};
    dc.DrawImageNinePart(frame, Box(o, f, 10, 242, 120, 40), m);
    dc.DrawImageNinePart(warningFrame, Box(o, f, 140, 242, 40, 40), m);
    dc.DrawImageNinePart(frame, Box(o, f, 190, 242, 50, 40), m, 2);
    dc.DrawImageNinePart(warningFrame, Box(o, f, 10, 288, 230, 14), m);

    // Text: centred, right-aligned, cut with an ellipsis, at a point.
    Caption(dc, o, f, 310, "text");
    const CRect centred = Box(o, f, 10, 326, 110, 26);
    dc.FillRect(centred, RGBColor(226, 236, 248));
    dc.DrawText("Centred", centred, Font{"", S(13, f), true}, kInk, AlignCenter);
    const CRect right = Box(o, f, 130, 326, 110, 26);
    dc.FillRect(right, RGBColor(226, 236, 248));
    CRect padded = right;
    padded.DeflateRect(S(6, f), 0);
    dc.DrawText("Right", padded, Font{"", S(13, f), false}, kInk, AlignRight | AlignVCenter);
    const CRect cut = Box(o, f, 10, 358, 110, 22);
    dc.FillRect(cut, RGBColor(226, 236, 248));
    dc.DrawText("A long sender name cut short", cut, Font{"", S(12, f), false}, kInk,
                AlignLeft | AlignVCenter | ElideRight);
    const CSize measured = dc.MeasureText("Measured", Font{"", S(12, f), false});
    const CPoint at(o.x + S(130, f), o.y + S(358, f));
    dc.FillRect(CRect(at, measured), RGBColor(255, 236, 200));
    dc.DrawTextAt("Measured", at, Font{"", S(12, f), false}, kInk);
    dc.DrawText("two\nlines", Box(o, f, 10, 382, 230, 26), Font{"", S(10, f), false}, kInk, AlignCenter);
}

} // namespace

CSize DemoSceneSize()
{
    int width = kGap, height = 0;
    for (const double f : kFactors) {
        width += S(kColumnWidth, f) + kGap;
        height = std::max(height, S(kColumnHeight, f) + 2 * kGap);
    }
    return {width, height};
}

void DrawDemoScene(ICanvas& dc)
{
    const CSize size = DemoSceneSize();
    dc.FillRect(CRect(CPoint(0, 0), size), kBackground);
    int x = kGap;
    for (const double f : kFactors) {
        DrawColumn(dc, CPoint(x, kGap), f);
        x += S(kColumnWidth, f) + kGap;
    }
}
