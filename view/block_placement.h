#pragma once
// Where sender blocks and receiver areas stand in the view's content:
// pure rules on rectangles. Content coordinates start at the top-left of
// the scrollable content; the drawing shifts them by the view start point.
#include "platform/geometry.h"

#include <vector>

// The grid of the block overview: as many columns as the client width
// holds (at least one), each cell the largest block plus the gap.
struct SBlockGrid {
    int nColumns = 1;
    CSize pitch;
};
SBlockGrid GridOf(int clientWidth, const CSize& largestBlock, int gap);
// The block at a list position, its top-left at the cell's top-left.
CRect GridCell(const CPoint& origin, const SBlockGrid& grid, int position, const CSize& block);

// One block to stand beside a receiver area.
struct SBlockSlot {
    int nRelativePos = 2; // 0..7
    CSize size;           // width and height on its side
    CRect rcBlock;        // out
};
// Places the blocks of one receiver area (a sender, or a source/backup
// pair) at its sides, everything starting at `origin`: blocks at the left
// and above push the area right and down, blocks on one side stand one
// after the other along it (the even position first), `gap` apart and
// `gap` from the area. Answers the area's origin.
CPoint PlaceAroundReceivers(const CPoint& origin, int gap, const CSize& receivers, std::vector<SBlockSlot>& blocks);

// Relative positions of a source/backup pair laid out afresh. a: the
// member laid out, b: its partner (-1 when not stored), aIsSecond: a is
// the second member (the backup end). Equal values share that side, the
// second member taking the odd value; a side's two values stay; different
// sides keep their sides at the even value; one member without a value
// takes 2, or the other value of the pair when its partner stands above;
// neither stored: 2 for the first member, 3 for the second.
struct SPairPositions {
    int a = 2;
    int b = 3;
};
SPairPositions ReconcilePair(int a, int b, bool aIsSecond);
// A lone sender's stored position on its side's even value; -1 gives 2.
int LonePosition(int stored);

// The receiver rectangle of a normalised tile rectangle at a zoom factor,
// shifted by `origin` (each part truncated).
CRect ZoomedRect(const CRect& tile, float zoom, const CPoint& origin);
// The size of a receiver area: the sender's bound at the zoom factor.
CSize ZoomedSize(const CSize& bound, float zoom);

// The content's extent: the largest right and bottom of the rectangles
// plus the margin; (0, 0) when there are none.
CSize ContentExtentOf(const std::vector<CRect>& rects, int margin);
