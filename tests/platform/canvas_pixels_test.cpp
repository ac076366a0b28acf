// The toolkit canvas, checked pixel by pixel on a surface.
#include "dash_runs.h"

#include "platform/canvas.h"
#include "platform/native_qt.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

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
        for (int w = 1; w <= 13; w += 3) {
            for (int h = 1; h <= 11; h += 2) {
                for (int width : {1, 2}) {
                    const CRect r(2, 3, 2 + w, 3 + h);
                    Surface surface(20, 20, kWhite);
                    surface.BeginPaint()->DrawRect(r, Pen{RGBColor(0, 0, 0, 128), width, dash});
                    std::vector<CRect> runs;
                    plat::detail::OutlineRuns(r, width, dash, runs);
                    std::vector<std::vector<bool>> expected(20, std::vector<bool>(20, false));
                    for (const CRect& run : runs) {
                        for (int y = run.top; y < run.bottom; ++y) {
                            for (int x = run.left; x < run.right; ++x)
                                expected[y][x] = true;
                        }
                    }
                    for (int y = 0; y < 20; ++y) {
                        for (int x = 0; x < 20; ++x) {
                            const Color c = surface.PixelAt(x, y);
                            if (expected[y][x])
                                EXPECT_TRUE(Near(c, Color{127, 127, 127, 255}))
                                    << x << "," << y << " of " << w << "x" << h << " pen " << width << ": " << Str(c);
                            else
                                EXPECT_EQ(c, kWhite) << x << "," << y << " of " << w << "x" << h << " pen " << width;
                        }
                    }
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
    EXPECT_EQ(surface.PixelAt(0, 0), kRed) << "clockwise: the left end goes up";
    EXPECT_EQ(surface.PixelAt(0, 1), kBlue);
    EXPECT_EQ(surface.PixelAt(2, 0), kBlue);
    EXPECT_EQ(surface.PixelAt(3, 0), kRed);
    EXPECT_EQ(surface.PixelAt(5, 0), kBlue);
    EXPECT_EQ(surface.PixelAt(5, 1), kRed);
    EXPECT_EQ(surface.PixelAt(0, 4), kRed);
    EXPECT_EQ(surface.PixelAt(1, 4), kBlue);
}

TEST(CanvasPixels, NinePartKeepsCornersAndStretchesTheRest)
{
    // 3 x 3: corners red, edges green, middle blue; margins of one pixel.
    const auto image = Pixels(3, 3, {kRed, kGreen, kRed, kGreen, kBlue, kGreen, kRed, kGreen, kRed});
    Surface surface(20, 12, kWhite);
    {
        auto dc = surface.BeginPaint();
        dc->DrawImageNinePart(*image, CRect(2, 1, 18, 11), Margins{1, 1, 1, 1});
    }
    for (const auto& [x, y] : {std::pair{2, 1}, {17, 1}, {2, 10}, {17, 10}})
        EXPECT_EQ(surface.PixelAt(x, y), kRed) << x << "," << y;
    EXPECT_EQ(surface.PixelAt(3, 1), kGreen);
    EXPECT_EQ(surface.PixelAt(16, 1), kGreen);
    EXPECT_EQ(surface.PixelAt(2, 5), kGreen);
    EXPECT_EQ(surface.PixelAt(10, 6), kBlue);
    EXPECT_EQ(surface.PixelAt(3, 2), kBlue);
    EXPECT_EQ(surface.PixelAt(18, 5), kWhite) << "nothing past the rectangle";
}

TEST(CanvasPixels, NinePartTurnsBeforeStretching)
{
    // 3 x 1 strip red|green|blue turned once becomes a column: red on top.
    const auto image = Pixels(3, 1, {kRed, kGreen, kBlue});
    Surface surface(4, 10, kWhite);
    {
        auto dc = surface.BeginPaint();
        dc->DrawImageNinePart(*image, CRect(0, 0, 1, 10), Margins{0, 1, 0, 1}, 1);
    }
    EXPECT_EQ(surface.PixelAt(0, 0), kRed);
    EXPECT_EQ(surface.PixelAt(0, 5), kGreen);
    EXPECT_EQ(surface.PixelAt(0, 9), kBlue);
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
    EXPECT_EQ(surface.PixelAt(4, 2), kBlue);
    EXPECT_EQ(surface.PixelAt(5, 2), kWhite) << "clipped";
    EXPECT_EQ(surface.PixelAt(9, 4), kBlue);
    EXPECT_EQ(surface.PixelAt(8, 6), kRed);
    EXPECT_EQ(surface.PixelAt(9, 6), kWhite) << "the end point is not drawn";
}

TEST(CanvasPixels, TextStaysInItsRectangle)
{
    Surface surface(200, 40, kWhite);
    const Font font{"", 16, true};
    {
        auto dc = surface.BeginPaint();
        dc->DrawText("WWWWWWWWWWWWWWWWWWWW", CRect(10, 5, 60, 35), font, RGBColor(0, 0, 0), AlignCenter);
    }
    int inside = 0, outside = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 200; ++x) {
            const bool drawn = surface.PixelAt(x, y) != kWhite;
            (CRect(10, 5, 60, 35).PtInRect({x, y}) ? inside : outside) += drawn ? 1 : 0;
        }
    }
    EXPECT_GT(inside, 0);
    EXPECT_EQ(outside, 0);
}

TEST(CanvasPixels, TextIsDrawnAtItsOwnSize)
{
    // The rows with ink grow with the font's pixel size.
    auto inkRows = [](int pixelSize) {
        Surface surface(300, 120, kWhite);
        surface.BeginPaint()->DrawTextAt("Hg", CPoint(4, 4), Font{"", pixelSize, false}, RGBColor(0, 0, 0));
        int rows = 0;
        for (int y = 0; y < 120; ++y) {
            for (int x = 0; x < 300; ++x) {
                if (surface.PixelAt(x, y) != kWhite) {
                    ++rows;
                    break;
                }
            }
        }
        return rows;
    };
    const int small = inkRows(10), large = inkRows(40);
    EXPECT_GT(small, 0);
    EXPECT_GT(large, 3 * small);
}

TEST(CanvasPixels, MeasureTextGrowsWithTextAndLines)
{
    Surface surface(10, 10);
    auto dc = surface.BeginPaint();
    const Font font{"", 14, false};
    const CSize one = dc->MeasureText("8", font), three = dc->MeasureText("888", font);
    EXPECT_GT(one.cx, 0);
    EXPECT_GT(three.cx, one.cx);
    EXPECT_GE(one.cy, 14);
    EXPECT_EQ(dc->MeasureText("888\n8", font).cx, three.cx);
    EXPECT_EQ(dc->MeasureText("888\r\n8", font).cy, 2 * three.cy);
}

TEST(CanvasPixels, SurfacesCopyResizeAndSave)
{
    Surface source(4, 3, kGreen);
    Surface target(8, 8, kWhite);
    {
        auto dc = target.BeginPaint();
        dc->DrawSurface(source, CPoint(2, 2));
    }
    EXPECT_EQ(target.PixelAt(2, 2), kGreen);
    EXPECT_EQ(target.PixelAt(5, 4), kGreen);
    EXPECT_EQ(target.PixelAt(6, 4), kWhite);

    target.Resize(8, 8);
    EXPECT_EQ(target.PixelAt(2, 2), kGreen) << "same size keeps the content";
    target.Resize(5, 6);
    EXPECT_EQ(target.Width(), 5);
    EXPECT_EQ(target.PixelAt(2, 2), kWhite);
    EXPECT_EQ(target.PixelAt(5, 0), (Color{0, 0, 0, 0})) << "outside: nothing";

    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("s.png").toStdString();
    ASSERT_TRUE(source.SavePng(path));
    const auto loaded = Image::Load(path);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->Width(), 4);
    EXPECT_EQ(loaded->Height(), 3);
    EXPECT_EQ(loaded->Path(), path);
    EXPECT_EQ(plat::NativeImage(*loaded).pixelColor(1, 1), QColor(0, 255, 0));
}

TEST(CanvasPixels, ImagesThatCannotBeHad)
{
    QTemporaryDir dir;
    EXPECT_EQ(Image::Load(QDir(dir.path()).filePath("missing.png").toStdString()), nullptr);
    const std::string junk = QDir(dir.path()).filePath("junk.png").toStdString();
    std::ofstream(junk) << "not a picture";
    EXPECT_EQ(Image::Load(junk), nullptr);
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
    EXPECT_EQ(surface.PixelAt(0, 0), kBlue);
    EXPECT_EQ(surface.PixelAt(3, 3), kWhite);

    // A transparent surface keeps the alpha of what is drawn on it.
    Surface clear(2, 2, Color{0, 0, 0, 0});
    clear.BeginPaint()->FillRect(CRect(0, 0, 1, 1), RGBColor(255, 0, 0, 128));
    EXPECT_TRUE(Near(clear.PixelAt(0, 0), Color{255, 0, 0, 128}, 2)) << Str(clear.PixelAt(0, 0));
    EXPECT_EQ(clear.PixelAt(1, 1).a, 0);
}
