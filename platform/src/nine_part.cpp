#include "nine_part.h"

#include <algorithm>

namespace plat::detail {

namespace {

// Two margins that together must fit into a length; shrunk in proportion.
void FitMargins(int length, int& first, int& second)
{
    first = std::max(first, 0);
    second = std::max(second, 0);
    const long long sum = static_cast<long long>(first) + second;
    if (sum <= length)
        return;
    first = static_cast<int>(static_cast<long long>(std::max(length, 0)) * first / sum);
    second = std::max(length, 0) - first;
}

// Source margins that leave at least one pixel to stretch between them, so
// that edges and middle are never missing from a large destination.
void FitSourceMargins(int length, int& first, int& second)
{
    FitMargins(length, first, second);
    if (length >= 3 && first + second == length && first > 0 && second > 0)
        --(first > second ? first : second);
}

// Start offsets and lengths of the three bands along one axis.
struct Bands {
    int start[3];
    int length[3];
};

Bands MakeBands(int origin, int length, int first, int second)
{
    return {{origin, origin + first, origin + length - second}, {first, length - first - second, second}};
}

} // namespace

NinePieces NinePartLayout(const CSize& image, const CRect& dest, const Margins& margins)
{
    NinePieces result;
    if (image.cx <= 0 || image.cy <= 0 || dest.IsRectEmpty())
        return result;
    int sl = margins.left, sr = margins.right, st = margins.top, sb = margins.bottom;
    FitSourceMargins(image.cx, sl, sr);
    FitSourceMargins(image.cy, st, sb);
    int dl = sl, dr = sr, dt = st, db = sb;
    FitMargins(dest.Width(), dl, dr);
    FitMargins(dest.Height(), dt, db);

    const Bands srcX = MakeBands(0, image.cx, sl, sr), srcY = MakeBands(0, image.cy, st, sb);
    const Bands dstX = MakeBands(dest.left, dest.Width(), dl, dr), dstY = MakeBands(dest.top, dest.Height(), dt, db);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            if (srcX.length[col] <= 0 || srcY.length[row] <= 0 || dstX.length[col] <= 0 || dstY.length[row] <= 0)
                continue;
            result.pieces[result.count++]
                = {CRect(CPoint(srcX.start[col], srcY.start[row]), CSize(srcX.length[col], srcY.length[row])),
                   CRect(CPoint(dstX.start[col], dstY.start[row]), CSize(dstX.length[col], dstY.length[row]))};
        }
    }
    return result;
}

} // namespace plat::detail
