// The toolkit canvas, checked pixel by pixel on a surface.
#include "dash_runs.h"

#include "platform/canvas.h"
#include "platform/native_qt.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <tuple>

namespace {

constexpr Color kWhite{255, 255, 255, 255};
constexpr Color kRed{255, 0, 0, 255};
constexpr Color kGreen{0, 255, 0, 255};
constexpr Color kBlue{0, 0, 255, 255};

bool Near(Color a, Color b, int tolerance = 1)
{
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance
        && std::abs(a.a - b.a) <= tolerance;
}

std::string Str(Color c)
{
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + "," + std::to_string(c.a);
}

// The smallest rectangle holding every pixel that is not white.
CRect InkBox(const Surface& surface)
{
    CRect box(surface.Width(), surface.Height(), 0, 0);
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            if (surface.PixelAt(x, y) != kWhite)
                box = CRect(std::min<int>(box.left, x), std::min<int>(box.top, y), std::max<int>(box.right, x + 1),
                            std::max<int>(box.bottom, y + 1));
        }
    }
    return box;
}

// Each (x, y, colour) is the surface's pixel.
void ExpectPixels(const Surface& surface, std::initializer_list<std::tuple<int, int, Color>> pixels)
{
    for (const auto& [x, y, color] : pixels)
        EXPECT_EQ(surface.PixelAt(x, y), color) << x << "," << y;
}

// An image of a few pixels given row by row.
std::shared_ptr<const Image> Pixels(int w, int h, std::initializer_list<Color> colors)
{
    QImage image(w, h, QImage::Format_ARGB32);
    auto it = colors.begin();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x, ++it)
            image.setPixelColor(x, y, QColor(it->r, it->g, it->b, it->a));
    }
    return plat::ImageFromNative(image, "test.png");
}

} // namespace

TEST(CanvasPixels, DashedOutlinesCoverExactlyTheWalkedPixels)
{
    // Whatever way the canvas draws a frame, solid or dashed, its pixels are
    // the ones the pen walk names, each blended once (corners too).
    const std::vector<std::vector<int>> patterns = {{}, {3, 2}, {2, 1}, {1, 1}, {4, 2, 1, 2}, {5}, {1, 3}};
    for (const auto& dash : patterns) {
        // Widths 1 to 13, heights 1 to 11, pens 1 and 2.
        for (int i = 0; i < 5 * 6 * 2; ++i) {
            const int w = 1 + 3 * (i % 5), h = 1 + 2 * (i / 5 % 6), width = 1 + i / 30;
            const CRect r(2, 3, 2 + w, 3 + h);
            Surface surface(20, 20, kWhite);
            surface.BeginPaint()->DrawRect(r, Pen{RGBColor(0, 0, 0, 128), width, dash});
            std::vector<CRect> runs;
            plat::detail::OutlineRuns(r, width, dash, runs);
            const auto walked = [&](int x, int y) {
                return std::any_of(runs.begin(), runs.end(), [&](const CRect& run) { return run.PtInRect({x, y}); });
            };
            for (int y = 0; y < 20; ++y) {
                for (int x = 0; x < 20; ++x) {
                    const Color c = surface.PixelAt(x, y);
                    EXPECT_TRUE(walked(x, y) ? Near(c, Color{127, 127, 127, 255}) : c == kWhite)
                        << x << "," << y << " of " << w << "x" << h << " pen " << width << ": " << Str(c);
                }
            }
        }
    }
}

TEST(CanvasPixels, SurfaceRunsBlendExactlyAsTheToolkitDoes)
{
    // On our own surfaces dashes are blended straight into the image; the
    // result must be the toolkit's, bit for bit, clip included.
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
        for (const Color color : {RGBColor(90, 90, 90, 200), RGBColor(10, 200, 30, 255), RGBColor(250, 20, 120, 1),
                                  RGBColor(0, 0, 255, 77)}) {
            Surface surface(24, 16,
                            format == QImage::Format_RGB32 ? RGBColor(200, 150, 100) : RGBColor(200, 150, 100, 120));
            QImage reference = plat::NativeSurface(surface).copy();
            ASSERT_EQ(reference.format(), format);
            auto draw = [&](ICanvas& dc) {
                dc.Save();
                dc.SetClipRect(CRect(0, 0, 18, 12));
                dc.DrawRect(CRect(1, 1, 23, 15), Pen{color, 1, {3, 2}});
                dc.Restore();
                dc.DrawRect(CRect(4, 4, 20, 10), Pen{color, 2, {2, 1}});
            };
            draw(*surface.BeginPaint());
            {
                QPainter painter(&reference);
                draw(*plat::MakePainterCanvas(painter));
            }
            EXPECT_EQ(plat::NativeSurface(surface), reference) << Str(color);
        }
    }
}

TEST(CanvasPixels, QuarterTurnsRotateClockwise)
{
    // A 2 x 1 image: red on the left, blue on the right.
    const auto image = Pixels(2, 1, {kRed, kBlue});
    Surface surface(8, 8, kWhite);
    {
        auto dc = surface.BeginPaint();
        dc->DrawImage(*image, CRect(0, 0, 1, 2), 1); // turned size is 1 x 2
        dc->DrawImage(*image, CRect(2, 0, 4, 1), 2);
        dc->DrawImage(*image, CRect(5, 0, 6, 2), 3);
        dc->DrawImage(*image, CRect(0, 4, 2, 5), 4); // a full turn
    }
    // Clockwise: the left end goes up.
    ExpectPixels(surface,
                 {{0, 0, kRed},
                  {0, 1, kBlue},
                  {2, 0, kBlue},
                  {3, 0, kRed},
                  {5, 0, kBlue},
                  {5, 1, kRed},
                  {0, 4, kRed},
                  {1, 4, kBlue}});
}

TEST(CanvasPixels, NinePartKeepsCornersStretchesTheRestAndTurnsFirst)
{
    // 3 x 3: corners red, edges green, middle blue; margins of one pixel.
    const auto image = Pixels(3, 3, {kRed, kGreen, kRed, kGreen, kBlue, kGreen, kRed, kGreen, kRed});
    Surface surface(20, 12, kWhite);
    {
        auto dc = surface.BeginPaint();
        dc->DrawImageNinePart(*image, CRect(2, 1, 18, 11), Margins{1, 1, 1, 1});
    }
    // Nothing past the rectangle.
    ExpectPixels(surface,
                 {{2, 1, kRed},
                  {17, 1, kRed},
                  {2, 10, kRed},
                  {17, 10, kRed},
                  {3, 1, kGreen},
                  {16, 1, kGreen},
                  {2, 5, kGreen},
                  {10, 6, kBlue},
                  {3, 2, kBlue},
                  {18, 5, kWhite}});
    // A 3 x 1 strip red|green|blue turned once becomes a column, red on top, before it is stretched.
    surface.BeginPaint()->DrawImageNinePart(*Pixels(3, 1, {kRed, kGreen, kBlue}), CRect(0, 0, 1, 10),
                                            Margins{0, 1, 0, 1}, 1);
    ExpectPixels(surface, {{0, 0, kRed}, {0, 5, kGreen}, {0, 9, kBlue}});
}

TEST(CanvasPixels, LinesAndClip)
{
    Surface surface(10, 10, kWhite);
    {
        auto dc = surface.BeginPaint();
        dc->Save();
        dc->SetClipRect(CRect(0, 0, 5, 10));
        dc->DrawLine(CPoint(0, 2), CPoint(10, 2), Pen{kBlue, 1, {}});
        dc->SetClipRect(CRect(0, 0, 10, 10)); // replaces, within what Save kept
        dc->DrawLine(CPoint(0, 4), CPoint(10, 4), Pen{kBlue, 1, {}});
        dc->Restore();
        dc->DrawLine(CPoint(0, 6), CPoint(9, 6), Pen{kRed, 1, {}});
        dc->Restore(); // unbalanced: ignored
    }
    // (5, 2) is clipped; the end point (9, 6) is not drawn.
    ExpectPixels(surface, {{4, 2, kBlue}, {5, 2, kWhite}, {9, 4, kBlue}, {8, 6, kRed}, {9, 6, kWhite}});
}

// Text stays in its rectangle, and is drawn at its own size: its ink grows
// with the font's pixel size.
TEST(CanvasPixels, TextStaysInItsRectangleAtItsOwnSizeAndMeasuresByLines)
{
    Surface clipped(200, 40, kWhite);
    clipped.BeginPaint()->DrawText("WWWWWWWWWWWWWWWWWWWW", CRect(10, 5, 60, 35), Font{"", 16, true}, RGBColor(0, 0, 0),
                                   AlignCenter);
    const CRect box = InkBox(clipped);
    EXPECT_TRUE(!box.IsRectEmpty() && box.left >= 10 && box.top >= 5 && box.right <= 60 && box.bottom <= 35)
        << box.left << "," << box.top << "," << box.right << "," << box.bottom;
    const auto inkHeight = [](int pixelSize) {
        Surface surface(300, 120, kWhite);
        surface.BeginPaint()->DrawTextAt("Hg", CPoint(4, 4), Font{"", pixelSize, false}, RGBColor(0, 0, 0));
        return InkBox(surface).Height();
    };
    const int small = inkHeight(10), large = inkHeight(40);
    EXPECT_GT(small, 0);
    EXPECT_GT(large, 3 * small);
    auto dc = clipped.BeginPaint();
    const Font font{"", 14, false};
    const CSize one = dc->MeasureText("8", font), three = dc->MeasureText("888", font);
    EXPECT_TRUE(one.cx > 0 && three.cx > one.cx && one.cy >= 14) << one.cx << " " << three.cx << " " << one.cy;
    EXPECT_EQ(dc->MeasureText("888\n8", font).cx, three.cx);
    EXPECT_EQ(dc->MeasureText("888\r\n8", font).cy, 2 * three.cy);
}

TEST(CanvasPixels, SurfacesCopyResizeAndSaveAndImagesThatCannotBeHad)
{
    Surface source(4, 3, kGreen), target(8, 8, kWhite);
    target.BeginPaint()->DrawSurface(source, CPoint(2, 2));
    ExpectPixels(target, {{2, 2, kGreen}, {5, 4, kGreen}, {6, 4, kWhite}});
    target.Resize(8, 8);
    EXPECT_EQ(target.PixelAt(2, 2), kGreen) << "same size keeps the content";
    target.Resize(5, 6);
    EXPECT_EQ(target.Width(), 5);
    ExpectPixels(target, {{2, 2, kWhite}, {5, 0, Color{0, 0, 0, 0}}}); // outside: nothing

    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("s.png").toStdString(), junk = path + ".junk.png";
    ASSERT_TRUE(source.SavePng(path));
    const auto loaded = Image::Load(path);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(std::tuple(loaded->Width(), loaded->Height(), loaded->Path()), std::tuple(4, 3, path));
    EXPECT_EQ(plat::NativeImage(*loaded).pixelColor(1, 1), QColor(0, 255, 0));
    std::ofstream(junk) << "not a picture";
    EXPECT_EQ(Image::Load(junk), nullptr);
    EXPECT_EQ(Image::Load(path + ".missing.png"), nullptr);
    EXPECT_EQ(Image::Solid(0, 5, kRed), nullptr);
    const auto solid = Image::Solid(3, 2, kRed);
    ASSERT_TRUE(solid);
    EXPECT_EQ(solid->Width(), 3);
    EXPECT_EQ(plat::ImageFromNative(QImage()), nullptr);
}

TEST(CanvasPixels, SecondCanvasOnOneSurfaceDrawsNothingAndAlphaIsKept)
{
    Surface surface(4, 4, kWhite);
    auto first = surface.BeginPaint();
    auto second = surface.BeginPaint();
    second->FillRect(CRect(0, 0, 4, 4), kRed);
    first->FillRect(CRect(0, 0, 1, 1), kBlue);
    first.reset();
    second.reset();
    ExpectPixels(surface, {{0, 0, kBlue}, {3, 3, kWhite}});

    // A transparent surface keeps the alpha of what is drawn on it.
    Surface clear(2, 2, Color{0, 0, 0, 0});
    clear.BeginPaint()->FillRect(CRect(0, 0, 1, 1), RGBColor(255, 0, 0, 128));
    EXPECT_TRUE(Near(clear.PixelAt(0, 0), Color{255, 0, 0, 128}, 2)) << Str(clear.PixelAt(0, 0));
    EXPECT_EQ(clear.PixelAt(1, 1).a, 0);
}
