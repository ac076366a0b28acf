// The view's hit test: one lookup in the index built from a layout's
// rectangles, at 1,000, 10,000 and 100,000 receivers, beside the yardstick
// of scanning the same rectangles in order until one contains the point.
// The index answers in the same time at every size; the scan grows with
// the receiver count. Building the index is paid once per layout.
#include "view/view_hit.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

// A wall of square cabinets of 24 pixels with a sender block above it.
std::vector<SHitItem> Wall(int receivers)
{
    const int columns = static_cast<int>(std::ceil(std::sqrt(receivers)));
    std::vector<SHitItem> items = {{{VIEW_HIT_SENDER, 0, -1, -1, -1}, {24, 24, 424, 84}}};
    for (int k = 0; k < receivers; ++k) {
        const int x = 24 + (k % columns) * 24, y = 104 + (k / columns) * 24;
        items.push_back({{VIEW_HIT_RECEIVER, 0, -1, k / 1000, k % 1000}, {x, y, x + 24, y + 24}});
    }
    return items;
}

// Points spread over the wall and a margin around it.
std::vector<CPoint> Points(int receivers)
{
    const int side = static_cast<int>(std::ceil(std::sqrt(receivers))) * 24 + 200;
    std::mt19937 random(11);
    std::uniform_int_distribution<int> coord(0, side);
    std::vector<CPoint> points(1024);
    for (CPoint& pt : points)
        pt = {coord(random), coord(random)};
    return points;
}

void Index(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    CViewHitIndex index;
    index.Build(Wall(n));
    const std::vector<CPoint> points = Points(n);
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(index.Hit(points[i++ & 1023]));
    state.SetLabel("per lookup");
}

void Scan(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const std::vector<SHitItem> items = Wall(n);
    const std::vector<CPoint> points = Points(n);
    std::size_t i = 0;
    for (auto _ : state) {
        const CPoint& pt = points[i++ & 1023];
        SViewHit hit;
        for (const SHitItem& item : items)
            if (item.rect.PtInRect(pt)) {
                hit = item.hit;
                break;
            }
        benchmark::DoNotOptimize(hit);
    }
    state.SetLabel("yardstick, per lookup");
}

void Build(benchmark::State& state)
{
    const std::vector<SHitItem> items = Wall(static_cast<int>(state.range(0)));
    CViewHitIndex index;
    for (auto _ : state) {
        index.Build(items);
        benchmark::DoNotOptimize(index.Size());
    }
    state.SetLabel("once per layout");
}

} // namespace

BENCHMARK(Index)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(Scan)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(Build)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
