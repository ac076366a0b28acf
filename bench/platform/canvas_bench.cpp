// The toolkit canvas against raw QPainter drawing the same primitives on a
// 1920 x 1080 surface, in the same run: fills, solid and dashed alpha
// outlines, nine-part frames, turned images and centred text, at 1,000 and
// 10,000 rectangles; and a full-surface copy as the floor.
//
//   bench_platform --benchmark_min_time=0.5
//
// Each Canvas/<primitive>/<n> has its Raw/<primitive>/<n> twin; their
// ratio is the canvas's cost over the toolkit's own.
#include "platform/canvas.h"
#include "platform/native_qt.h"

#include "copy_yardstick.h"
#include <QGuiApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>

namespace {

constexpr int kWidth = 1920, kHeight = 1080;
const Pen kSolid{RGBColor(205, 210, 216, 255), 1, {}};
const Pen kDashed{RGBColor(90, 90, 90, 200), 1, {3, 2}};
const Margins kMargins{5, 5, 5, 5};
const Font kFont{"DejaVu Sans", 11, false};

// n cells laid over the surface in a grid.
std::vector<CRect> Cells(int n)
{
    const int cols = static_cast<int>(std::ceil(std::sqrt(n * 16.0 / 9.0)));
    const int rows = (n + cols - 1) / cols;
    const int w = kWidth / cols, h = kHeight / rows;
    std::vector<CRect> cells;
    for (int i = 0; i < n; ++i)
        cells.emplace_back(CPoint((i % cols) * w, (i / cols) * h), CSize(w, h));
    return cells;
}

QRect Q(const CRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

std::shared_ptr<const Image> FrameImage()
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(255, 255, 255, 200));
    QPainter p(&image);
    p.setPen(QPen(QColor(120, 140, 170), 2));
    p.drawRect(1, 1, 13, 13);
    return plat::ImageFromNative(image, "frame.png");
}

std::shared_ptr<const Image> PortImage()
{
    QImage image(12, 8, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(66, 132, 207));
    QPainter(&image).fillRect(0, 0, 4, 8, QColor(220, 80, 70));
    return plat::ImageFromNative(image, "port.png");
}

enum class Primitive { Fill, Outline, Dashed, NinePart, Turned, Text };

void DrawCanvas(ICanvas& dc, Primitive what, const std::vector<CRect>& cells, const Image& frame, const Image& port)
{
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const CRect& r = cells[i];
        switch (what) {
        case Primitive::Fill: dc.FillRect(r, RGBColor(120, static_cast<uint8_t>(i), 140)); break;
        case Primitive::Outline: dc.DrawRect(r, kSolid); break;
        case Primitive::Dashed: dc.DrawRect(r, kDashed); break;
        case Primitive::NinePart: dc.DrawImageNinePart(frame, r, kMargins); break;
        case Primitive::Turned: {
            const int turns = static_cast<int>(i % 4);
            const CSize size = turns % 2 ? CSize(8, 12) : CSize(12, 8);
            dc.DrawImage(port, CRect(r.TopLeft(), size), turns);
            break;
        }
        case Primitive::Text: dc.DrawText(std::to_string(i % 1000), r, kFont, RGBColor(0, 0, 0), AlignCenter); break;
        }
    }
}

// The same with QPainter as a pane would write it without our canvas.
void DrawRaw(QPainter& p, Primitive what, const std::vector<CRect>& cells, const QImage& frame, const QImage& port)
{
    QPen solid(QColor(205, 210, 216), 1);
    QPen dashed(QColor(90, 90, 90, 200), 1);
    dashed.setDashPattern({3, 2});
    dashed.setCapStyle(Qt::FlatCap);
    QFont font(QString::fromStdString(kFont.family));
    font.setPixelSize(kFont.pixelSize);
    p.setFont(font);
    p.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const QRect r = Q(cells[i]);
        switch (what) {
        case Primitive::Fill: p.fillRect(r, QColor(120, static_cast<int>(i % 256), 140)); break;
        case Primitive::Outline:
            p.setPen(solid);
            p.drawRect(r.adjusted(0, 0, -1, -1));
            break;
        case Primitive::Dashed:
            p.setPen(dashed);
            p.drawRect(r.adjusted(0, 0, -1, -1));
            break;
        case Primitive::NinePart: {
            const int m = 5, sw = frame.width(), sh = frame.height();
            const int xs[] = {0, m, sw - m}, ws[] = {m, sw - 2 * m, m};
            const int ys[] = {0, m, sh - m}, hs[] = {m, sh - 2 * m, m};
            const int dx[] = {r.left(), r.left() + m, r.left() + r.width() - m};
            const int dw[] = {m, r.width() - 2 * m, m};
            const int dy[] = {r.top(), r.top() + m, r.top() + r.height() - m};
            const int dh[] = {m, r.height() - 2 * m, m};
            for (int row = 0; row < 3; ++row) {
                for (int col = 0; col < 3; ++col) {
                    if (dw[col] > 0 && dh[row] > 0)
                        p.drawImage(QRect(dx[col], dy[row], dw[col], dh[row]), frame,
                                    QRect(xs[col], ys[row], ws[col], hs[row]));
                }
            }
            break;
        }
        case Primitive::Turned: {
            // Turn, draw, turn back.
            const int turns = static_cast<int>(i % 4);
            const QSize size = turns % 2 ? QSize(8, 12) : QSize(12, 8);
            p.save();
            p.translate(r.left() + size.width() / 2.0, r.top() + size.height() / 2.0);
            p.rotate(90.0 * turns);
            p.drawImage(QPointF(-port.width() / 2.0, -port.height() / 2.0), port);
            p.restore();
            break;
        }
        case Primitive::Text:
            p.setPen(Qt::black);
            p.drawText(r, Qt::AlignCenter, QString::number(i % 1000));
            break;
        }
    }
}

void Canvas(benchmark::State& state, Primitive what)
{
    const auto cells = Cells(static_cast<int>(state.range(0)));
    const auto frame = FrameImage();
    const auto port = PortImage();
    Surface surface(kWidth, kHeight);
    for (auto _ : state) {
        auto dc = surface.BeginPaint();
        DrawCanvas(*dc, what, cells, *frame, *port);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void Raw(benchmark::State& state, Primitive what)
{
    const auto cells = Cells(static_cast<int>(state.range(0)));
    const QImage frame = plat::NativeImage(*FrameImage());
    const QImage port = plat::NativeImage(*PortImage());
    QImage surface(kWidth, kHeight, QImage::Format_RGB32);
    surface.fill(Qt::white);
    for (auto _ : state) {
        QPainter p(&surface);
        DrawRaw(p, what, cells, frame, port);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void CanvasCopy(benchmark::State& state)
{
    Surface source(kWidth, kHeight, RGBColor(241, 247, 255));
    Surface target(kWidth, kHeight);
    for (auto _ : state)
        target.BeginPaint()->DrawSurface(source, CPoint(0, 0));
}

void RawCopy(benchmark::State& state) { CopyFullSurface(state, kWidth, kHeight); }

#define PRIMITIVE_PAIR(name)                                                                                           \
    BENCHMARK_CAPTURE(Canvas, name, Primitive::name)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);            \
    BENCHMARK_CAPTURE(Raw, name, Primitive::name)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond)

PRIMITIVE_PAIR(Fill);
PRIMITIVE_PAIR(Outline);
PRIMITIVE_PAIR(Dashed);
PRIMITIVE_PAIR(NinePart);
PRIMITIVE_PAIR(Turned);
PRIMITIVE_PAIR(Text);
BENCHMARK(CanvasCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(RawCopy)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 0);
    QGuiApplication app(argc, argv); // fonts need it
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
