// Cabinet arrangements for the sample installation and the generator.
#include "wall_shapes.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace sim::shapes {
namespace {

// Serpentine order over a grid, keeping only the cells `keep` accepts.
template <class Keep>
std::vector<CRect> Serpentine(int x, int y, int cols, int rows, int w, int h, Keep keep)
{
    std::vector<CRect> out;
    for (int r = 0; r < rows; ++r)
        for (int i = 0; i < cols; ++i) {
            const int c = (r % 2 == 0) ? i : cols - 1 - i;
            if (keep(c, r))
                out.emplace_back(x + c * w, y + r * h, x + (c + 1) * w, y + (r + 1) * h);
        }
    return out;
}

} // namespace

std::vector<CRect> RectWall(int x, int y, int cols, int rows, int w, int h)
{
    return Serpentine(x, y, cols, rows, w, h, [](int, int) { return true; });
}

std::vector<CRect> LWall(int x, int y, int legCols, int rows, int cols, int footRows, int w, int h)
{
    return Serpentine(x, y, cols, rows, w, h, [&](int c, int r) { return c < legCols || r >= rows - footRows; });
}

std::vector<CRect> CurvedStrip(int x, int y, int count, int w, int h, int radius, int degrees)
{
    std::vector<CRect> out;
    const double pi = std::acos(-1.0);
    const double span = degrees * pi / 180.0;
    for (int i = 0; i < count; ++i) {
        const double a = -span / 2 + span * (count > 1 ? static_cast<double>(i) / (count - 1) : 0.5);
        const int cx = x + radius + static_cast<int>(std::lround(radius * std::sin(a)));
        const int cy = y + static_cast<int>(std::lround(radius * (1 - std::cos(a))));
        out.emplace_back(cx - w / 2, cy, cx - w / 2 + w, cy + h);
    }
    return out;
}

std::vector<CRect> Mosaic(int x, int y, int cols, int rows, int w, int h, int fill, uint32_t seed)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> pct(0, 99);
    std::vector<bool> keep(static_cast<std::size_t>(cols * rows));
    for (std::size_t i = 0; i < keep.size(); ++i)
        keep[i] = pct(rng) < fill;
    return Serpentine(x, y, cols, rows, w, h,
                      [&](int c, int r) { return keep[static_cast<std::size_t>(r * cols + c)]; });
}

std::vector<PortModel> SplitIntoPorts(const std::vector<CRect>& receivers, int perPort)
{
    std::vector<PortModel> ports;
    for (std::size_t i = 0; i < receivers.size(); i += static_cast<std::size_t>(perPort)) {
        PortModel port;
        const std::size_t end = std::min(receivers.size(), i + static_cast<std::size_t>(perPort));
        port.receivers.assign(receivers.begin() + static_cast<std::ptrdiff_t>(i),
                              receivers.begin() + static_cast<std::ptrdiff_t>(end));
        ports.push_back(std::move(port));
    }
    return ports;
}

} // namespace sim::shapes
