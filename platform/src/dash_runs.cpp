#include "dash_runs.h"

#include <algorithm>

namespace plat::detail {

DashWalker::DashWalker(const std::vector<int>& pattern)
{
    const std::size_t n = std::min(pattern.size(), kMaxDashes);
    long long total = 0;
    for (std::size_t i = 0; i < n; ++i) {
        m_pattern[i] = std::max(pattern[i], 0);
        total += m_pattern[i];
    }
    m_size = n;
    if (n % 2 == 1) {
        std::copy_n(m_pattern.begin(), n, m_pattern.begin() + static_cast<std::ptrdiff_t>(n));
        m_size = 2 * n;
    }
    if (total == 0)
        m_size = 0;
    m_left = m_size ? m_pattern[0] : 0;
}

void OutlineRuns(const CRect& rect, int width, const std::vector<int>& dash, std::vector<CRect>& out)
{
    if (rect.IsRectEmpty())
        return;
    const int w = std::max(width, 1);
    const int l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
    if (2 * w >= rect.Width() || 2 * w >= rect.Height()) {
        // The pen covers the whole rectangle.
        out.push_back(rect);
        return;
    }
    DashWalker walker(dash);
    // Top edge left to right, right edge down, bottom edge right to left,
    // left edge up; each unit of the walk is one pen-wide column or row.
    walker.Walk(rect.Width(), [&](int a, int e) { out.emplace_back(l + a, t, l + e, t + w); });
    walker.Walk(rect.Height() - w, [&](int a, int e) { out.emplace_back(r - w, t + w + a, r, t + w + e); });
    walker.Walk(rect.Width() - w, [&](int a, int e) { out.emplace_back(r - w - e, b - w, r - w - a, b); });
    walker.Walk(rect.Height() - 2 * w, [&](int a, int e) { out.emplace_back(l, b - w - e, l + w, b - w - a); });
}

bool AxisPolylineRuns(const CPoint* points, std::size_t count, int width, const std::vector<int>& dash,
                      std::vector<CRect>& out)
{
    for (std::size_t i = 1; i < count; ++i) {
        if (points[i].x != points[i - 1].x && points[i].y != points[i - 1].y)
            return false;
    }
    const int w = std::max(width, 1);
    const int before = w / 2; // pen pixels before the line's own row or column
    DashWalker walker(dash);
    for (std::size_t i = 1; i < count; ++i) {
        const CPoint from = points[i - 1], to = points[i];
        if (from.y == to.y) {
            const int dir = to.x >= from.x ? 1 : -1;
            const int top = from.y - before;
            walker.Walk(std::abs(to.x - from.x), [&](int a, int e) {
                const int x1 = from.x + dir * a, x2 = from.x + dir * e;
                out.emplace_back(dir > 0 ? x1 : x2 + 1, top, dir > 0 ? x2 : x1 + 1, top + w);
            });
        } else {
            const int dir = to.y >= from.y ? 1 : -1;
            const int left = from.x - before;
            walker.Walk(std::abs(to.y - from.y), [&](int a, int e) {
                const int y1 = from.y + dir * a, y2 = from.y + dir * e;
                out.emplace_back(left, dir > 0 ? y1 : y2 + 1, left + w, dir > 0 ? y2 : y1 + 1);
            });
        }
    }
    return true;
}

} // namespace plat::detail
