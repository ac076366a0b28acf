#pragma once
// Pixel-exact pen geometry for outlines and axis-aligned lines: the pixels
// a pen covers, as filled rectangles, with the dash pattern walked along
// the pixels (lengths in pixels) and carried on around corners.
#include "platform/geometry.h"

#include <array>
#include <vector>

namespace plat::detail {

// Walks a dash pattern of on/off lengths; an empty pattern, or one with
// nothing in it, is solid. An odd-length pattern repeats as the desktop's
// does (on, off, on / off, on, off). Patterns longer than kMaxDashes are
// cut there; no pen of ours comes near it.
class DashWalker {
public:
    static constexpr std::size_t kMaxDashes = 16;
    explicit DashWalker(const std::vector<int>& pattern);
    // Calls on(begin, end) for each drawn stretch within [0, length) of the
    // next piece of the path, and moves the pattern on by length.
    template <class F>
    void Walk(int length, F&& on);

private:
    // Kept inline: a walker is made for every outline drawn.
    std::array<int, 2 * kMaxDashes> m_pattern{};
    std::size_t m_size = 0;
    std::size_t m_index = 0;
    int m_left = 0; // what remains of the current entry
};

// The pixels of a rectangle outline: just inside the rectangle, right and
// bottom edges excluded, the pen's width growing inward. Walked clockwise
// from the top-left corner. Appends to out.
void OutlineRuns(const CRect& rect, int width, const std::vector<int>& dash, std::vector<CRect>& out);

// The pixels of a polyline whose segments are all horizontal or vertical:
// each segment from its start pixel up to, not including, its end pixel;
// the width centred on the line (the extra pixel of an even width above or
// left). False when a segment is slanted.
bool AxisPolylineRuns(const CPoint* points, std::size_t count, int width, const std::vector<int>& dash,
                      std::vector<CRect>& out);

template <class F>
void DashWalker::Walk(int length, F&& on)
{
    if (m_size == 0) {
        if (length > 0)
            on(0, length);
        return;
    }
    int pos = 0;
    while (pos < length) {
        if (m_left == 0) {
            m_index = (m_index + 1) % m_size;
            m_left = m_pattern[m_index];
            continue;
        }
        const int step = std::min(m_left, length - pos);
        if (m_index % 2 == 0)
            on(pos, pos + step);
        pos += step;
        m_left -= step;
    }
}

} // namespace plat::detail
