#include "view/block_placement.h"

#include "view/block_shape.h"

#include <algorithm>

SBlockGrid GridOf(int clientWidth, const CSize& largestBlock, int gap)
{
    SBlockGrid grid;
    grid.pitch = {largestBlock.cx + gap, largestBlock.cy + gap};
    grid.nColumns = grid.pitch.cx > 0 ? std::max(1, clientWidth / grid.pitch.cx) : 1;
    return grid;
}

CRect GridCell(const CPoint& origin, const SBlockGrid& grid, int position, const CSize& block)
{
    const int column = position % grid.nColumns;
    const int row = position / grid.nColumns;
    return CRect(CPoint(origin.x + column * grid.pitch.cx, origin.y + row * grid.pitch.cy), block);
}

CPoint PlaceAroundReceivers(const CPoint& origin, int gap, const CSize& receivers, std::vector<SBlockSlot>& blocks)
{
    // The depth of the band each side takes: its deepest block.
    int leftBand = 0, topBand = 0;
    for (const SBlockSlot& b : blocks) {
        const EBlockSide side = SideOfPosition(b.nRelativePos);
        if (side == EBlockSide::Left)
            leftBand = std::max(leftBand, b.size.cx + gap);
        else if (side == EBlockSide::Top)
            topBand = std::max(topBand, b.size.cy + gap);
    }
    const CPoint area(origin.x + leftBand, origin.y + topBand);

    std::vector<SBlockSlot*> order;
    for (SBlockSlot& b : blocks)
        order.push_back(&b);
    std::stable_sort(order.begin(), order.end(),
                     [](const SBlockSlot* x, const SBlockSlot* y) { return x->nRelativePos < y->nRelativePos; });
    int alongTop = area.x, alongBottom = area.x, alongLeft = area.y, alongRight = area.y;
    for (SBlockSlot* b : order) {
        CPoint at;
        switch (SideOfPosition(b->nRelativePos)) {
        case EBlockSide::Top:
            at = {alongTop, origin.y};
            alongTop += b->size.cx + gap;
            break;
        case EBlockSide::Bottom:
            at = {alongBottom, area.y + receivers.cy + gap};
            alongBottom += b->size.cx + gap;
            break;
        case EBlockSide::Left:
            at = {origin.x, alongLeft};
            alongLeft += b->size.cy + gap;
            break;
        case EBlockSide::Right:
            at = {area.x + receivers.cx + gap, alongRight};
            alongRight += b->size.cy + gap;
            break;
        }
        b->rcBlock = CRect(at, b->size);
    }
    return area;
}

namespace {

int SideEven(int pos) { return pos & ~1; }
bool IsStored(int pos) { return pos >= 0 && pos <= 7; }

} // namespace

SPairPositions ReconcilePair(int a, int b, bool aIsSecond)
{
    const bool hasA = IsStored(a), hasB = IsStored(b);
    if (!hasA && !hasB)
        return aIsSecond ? SPairPositions{3, 2} : SPairPositions{2, 3};
    if (!hasA || !hasB) {
        // The member without a value goes above, after its partner there.
        const int other = hasA ? a : b;
        const int free = SideEven(other) == 2 ? (other ^ 1) : 2;
        return hasA ? SPairPositions{a, free} : SPairPositions{free, b};
    }
    if (a == b) {
        const int even = SideEven(a);
        return aIsSecond ? SPairPositions{even + 1, even} : SPairPositions{even, even + 1};
    }
    if (SideEven(a) == SideEven(b))
        return {a, b};
    return {SideEven(a), SideEven(b)};
}

int LonePosition(int stored) { return IsStored(stored) ? SideEven(stored) : 2; }

CRect ZoomedRect(const CRect& tile, float zoom, const CPoint& origin)
{
    const int left = static_cast<int>(static_cast<float>(tile.left) * zoom) + origin.x;
    const int top = static_cast<int>(static_cast<float>(tile.top) * zoom) + origin.y;
    return {left, top, left + static_cast<int>(static_cast<float>(tile.Width()) * zoom),
            top + static_cast<int>(static_cast<float>(tile.Height()) * zoom)};
}

CSize ZoomedSize(const CSize& bound, float zoom)
{
    return {static_cast<int>(static_cast<float>(bound.cx) * zoom),
            static_cast<int>(static_cast<float>(bound.cy) * zoom)};
}

CSize ContentExtentOf(const std::vector<CRect>& rects, int margin)
{
    if (rects.empty())
        return {};
    int right = 0, bottom = 0;
    for (const CRect& r : rects) {
        right = std::max(right, r.right);
        bottom = std::max(bottom, r.bottom);
    }
    return {right + margin, bottom + margin};
}
