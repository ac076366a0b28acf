#include "view/block_shape.h"

#include <algorithm>
#include <cmath>

namespace {

// Ports in a row of more than 40 stand in several rows.
constexpr int kMaxPortsPerRow = 40;

int Round(double v) { return static_cast<int>(std::lround(v)); }

// Gap factor and group size of a row of n ports, and how many group gaps it has.
struct SGroups {
    double dGapFactor;
    int nGroupSize;
    int nGroupGaps;
};

SGroups GroupsOf(int n)
{
    if (n <= 20) {
        // Four groups of five for 20 ports, else groups of four.
        const int size = n == 20 ? 5 : 4;
        return {0.3, size, n == 20 ? 3 : (n > 0 ? (n - 1) / 4 : 0)};
    }
    const int size = n % 10 == 0 ? 10 : (n % 8 == 0 ? 8 : 5);
    return {0.5, size, n / size - 1};
}

double KFactor(int n)
{
    switch (n) {
    case 2: return 3.0;
    case 4: return 2.0;
    case 6: return 4.0 / 3.0;
    default: return 1.0;
    }
}

// Offsets of each port along a row from the row's start.
std::vector<int> PortOffsets(int n, int pw)
{
    const SGroups g = GroupsOf(n);
    std::vector<int> offsets;
    offsets.reserve(static_cast<std::size_t>(n));
    int x = Round(0.2 * pw);
    int gapsLeft = g.nGroupGaps;
    for (int i = 0; i < n; ++i) {
        offsets.push_back(x);
        x += pw;
        const bool groupEnd = (i + 1) % g.nGroupSize == 0 && gapsLeft > 0;
        gapsLeft -= groupEnd ? 1 : 0;
        x += groupEnd ? Round(g.dGapFactor * pw) : Round(0.1 * pw);
    }
    return offsets;
}

// Rows of port units across a block of this shape (ports, a second row or
// several rows), from its depth.
int RowsAcross(const SBlockShape& shape, const SBlockMetrics& m)
{
    const int rowGap = static_cast<int>(5 * m.dDensity);
    return (shape.nDepth - m.nStatusBand + rowGap) / (m.nPortHeight + rowGap);
}

} // namespace

EBlockSide SideOfPosition(int relativePos)
{
    switch (relativePos) {
    case 0:
    case 1: return EBlockSide::Left;
    case 4:
    case 5: return EBlockSide::Bottom;
    case 6:
    case 7: return EBlockSide::Right;
    default: return EBlockSide::Top;
    }
}

int QuarterTurnsOf(EBlockSide side)
{
    switch (side) {
    case EBlockSide::Top: return 0;
    case EBlockSide::Right: return 1;
    case EBlockSide::Bottom: return 2;
    case EBlockSide::Left: return 3;
    }
    return 0;
}

bool IsUpright(EBlockSide side) { return side == EBlockSide::Left || side == EBlockSide::Right; }

int PortRowLength(int n, int pw, bool withK)
{
    if (n <= 0)
        return 2 * Round(0.2 * pw);
    const SGroups g = GroupsOf(n);
    const int plainGaps = n - g.nGroupGaps - 1;
    const double length
        = n * pw + 2 * Round(0.2 * pw) + g.nGroupGaps * Round(g.dGapFactor * pw) + plainGaps * Round(0.1 * pw);
    return static_cast<int>(length * (withK ? KFactor(n) : 1.0));
}

SPortRows PortRowsOf(int n)
{
    if (n <= kMaxPortsPerRow)
        return {1, n < 0 ? 0 : n};
    const int rows = (n - 1) / kMaxPortsPerRow + 1;
    // Rounded up, so that every port has its place (41 ports: 21 and 20).
    return {rows, (n + rows - 1) / rows};
}

SBlockShape BlockShapeOf(int n, const SBlockMetrics& m, bool secondRow)
{
    const int rowGap = static_cast<int>(5 * m.dDensity);
    const SPortRows rows = PortRowsOf(n);
    if (rows.nRows > 1)
        return {std::max(m.nMinLength, PortRowLength(rows.nPerRow, m.nPortWidth, false)),
                m.nStatusBand + rows.nRows * m.nPortHeight + (rows.nRows - 1) * rowGap};
    const int depth = secondRow ? m.nStatusBand + 2 * m.nPortHeight + rowGap : m.nStatusBand + m.nPortHeight;
    return {std::max(m.nMinLength, PortRowLength(n, m.nPortWidth)), depth};
}

CSize BlockSizeOn(const SBlockShape& shape, EBlockSide side, const SBlockMetrics& m)
{
    if (!IsUpright(side))
        return {shape.nLength, shape.nDepth};
    // The port unit turned by 90°: each row of ports is a port width deep.
    return {shape.nDepth + RowsAcross(shape, m) * (m.nPortWidth - m.nPortHeight), shape.nLength};
}

CRect StatusBandOf(const CRect& b, EBlockSide side, const SBlockMetrics& m)
{
    switch (side) {
    case EBlockSide::Top: return {b.left, b.top, b.right, b.top + m.nStatusBand};
    case EBlockSide::Bottom: return {b.left, b.bottom - m.nStatusBand, b.right, b.bottom};
    case EBlockSide::Left: return {b.left, b.top, b.left + m.nStatusBand, b.bottom};
    case EBlockSide::Right: return {b.right - m.nStatusBand, b.top, b.right, b.bottom};
    }
    return b;
}

std::vector<SPortPlace> PlacePorts(const CRect& b, int n, EBlockSide side, const SBlockMetrics& m, bool secondRow)
{
    std::vector<SPortPlace> places;
    if (n <= 0)
        return places;
    places.reserve(static_cast<std::size_t>(n));
    const bool upright = IsUpright(side);
    const int along = m.nPortWidth;
    const int across = upright ? m.nPortWidth : m.nPortHeight;
    const int rowGap = static_cast<int>(5 * m.dDensity);
    const int length = upright ? b.Height() : b.Width();
    // A unit at `a` along the row and `c` in from the edge facing the receivers.
    const auto unit = [&](int a, int c) -> CRect {
        switch (side) {
        case EBlockSide::Top: return {b.left + a, b.bottom - c - across, b.left + a + along, b.bottom - c};
        case EBlockSide::Bottom: return {b.left + a, b.top + c, b.left + a + along, b.top + c + across};
        case EBlockSide::Left: return {b.right - c - across, b.top + a, b.right - c, b.top + a + along};
        case EBlockSide::Right: return {b.left + c, b.top + a, b.left + c + across, b.top + a + along};
        }
        return {};
    };
    const SPortRows rows = PortRowsOf(n);
    const bool loopRow = secondRow && rows.nRows == 1;
    const int plug = m.nPortWidth / 2;
    for (int row = 0, first = 0; row < rows.nRows && first < n; ++row, first += rows.nPerRow) {
        const int count = std::min(rows.nPerRow, n - first);
        const std::vector<int> offsets = PortOffsets(count, along);
        const int start = (length - PortRowLength(count, along, false)) / 2;
        const int c = row * (across + rowGap);
        for (int i = 0; i < count; ++i) {
            const int p = first + i;
            SPortPlace place;
            place.rcPort = unit(start + offsets[static_cast<std::size_t>(i)], c);
            if (loopRow)
                place.rcConnector = unit(start + offsets[static_cast<std::size_t>(i)], c + across + rowGap);
            else if (p >= kMaxPortsPerRow)
                place.rcConnector = place.rcPort;
            else {
                const CPoint mid = place.rcPort.CenterPoint();
                place.rcConnector
                    = {mid.x - plug / 2, mid.y - plug / 2, mid.x - plug / 2 + plug, mid.y - plug / 2 + plug};
            }
            // A cabling path leaves from the port itself; with a second row the
            // loop comes back to the unit behind it.
            place.ptConnector = loopRow ? place.rcPort.CenterPoint() : place.rcConnector.CenterPoint();
            places.push_back(place);
        }
    }
    return places;
}
