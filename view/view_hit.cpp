#include "view/view_hit.h"

#include <algorithm>
#include <cmath>

namespace {

// Cells are never smaller than this, and there are never more cells than
// this many per item, so a few large rectangles cannot blow the grid up.
constexpr int kMinCell = 8;
constexpr int64_t kCellsPerItem = 4;

} // namespace

void CViewHitIndex::Clear()
{
    m_items.clear();
    m_cellStart.clear();
    m_cellItems.clear();
    m_bounds = {};
    m_nColumns = m_nRows = 0;
}

void CViewHitIndex::Build(std::vector<SHitItem> items)
{
    Clear();
    std::erase_if(items, [](const SHitItem& item) { return item.rect.IsRectEmpty(); });
    if (items.empty())
        return;
    m_items = std::move(items);
    m_bounds = m_items.front().rect;
    for (const SHitItem& item : m_items) {
        m_bounds.left = std::min(m_bounds.left, item.rect.left);
        m_bounds.top = std::min(m_bounds.top, item.rect.top);
        m_bounds.right = std::max(m_bounds.right, item.rect.right);
        m_bounds.bottom = std::max(m_bounds.bottom, item.rect.bottom);
    }
    const double width = static_cast<double>(m_bounds.right) - m_bounds.left;
    const double height = static_cast<double>(m_bounds.bottom) - m_bounds.top;
    const double count = static_cast<double>(m_items.size());
    double cell = std::max<double>(kMinCell, std::ceil(std::sqrt(width * height / count)));
    while (std::ceil(width / cell) * std::ceil(height / cell) > kCellsPerItem * count)
        cell *= 2;
    m_nCell = static_cast<int>(std::min<double>(cell, 1 << 30));
    m_nColumns = static_cast<int>(std::ceil(width / m_nCell));
    m_nRows = static_cast<int>(std::ceil(height / m_nCell));

    // Two passes: count per cell, then place item numbers in ascending order.
    auto span = [this](const CRect& r, auto&& visit) {
        const int c0 = static_cast<int>((static_cast<int64_t>(r.left) - m_bounds.left) / m_nCell);
        const int c1 = static_cast<int>((static_cast<int64_t>(r.right) - 1 - m_bounds.left) / m_nCell);
        const int r0 = static_cast<int>((static_cast<int64_t>(r.top) - m_bounds.top) / m_nCell);
        const int r1 = static_cast<int>((static_cast<int64_t>(r.bottom) - 1 - m_bounds.top) / m_nCell);
        for (int row = r0; row <= r1; ++row)
            for (int col = c0; col <= c1; ++col)
                visit(static_cast<std::size_t>(row) * m_nColumns + col);
    };
    m_cellStart.assign(static_cast<std::size_t>(m_nColumns) * m_nRows + 1, 0);
    for (const SHitItem& item : m_items)
        span(item.rect, [this](std::size_t c) { ++m_cellStart[c + 1]; });
    for (std::size_t c = 1; c < m_cellStart.size(); ++c)
        m_cellStart[c] += m_cellStart[c - 1];
    m_cellItems.resize(m_cellStart.back());
    std::vector<uint32_t> fill(m_cellStart.begin(), m_cellStart.end() - 1);
    for (uint32_t i = 0; i < m_items.size(); ++i)
        span(m_items[i].rect, [&](std::size_t c) { m_cellItems[fill[c]++] = i; });
}

SViewHit CViewHitIndex::Hit(const CPoint& pt) const
{
    if (m_items.empty() || !m_bounds.PtInRect(pt))
        return {};
    const std::size_t cell = CellOf(pt.x, pt.y);
    for (uint32_t k = m_cellStart[cell]; k < m_cellStart[cell + 1]; ++k)
        if (m_items[m_cellItems[k]].rect.PtInRect(pt))
            return m_items[m_cellItems[k]].hit;
    return {};
}

std::size_t CViewHitIndex::CellOf(int x, int y) const
{
    const auto col = static_cast<std::size_t>((static_cast<int64_t>(x) - m_bounds.left) / m_nCell);
    const auto row = static_cast<std::size_t>((static_cast<int64_t>(y) - m_bounds.top) / m_nCell);
    return row * m_nColumns + col;
}
