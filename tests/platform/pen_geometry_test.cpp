// The pixels a pen covers and the parts of a nine-part stretch, as data.
#include "dash_runs.h"
#include "nine_part.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

using plat::detail::AxisPolylineRuns;
using plat::detail::NinePartLayout;
using plat::detail::OutlineRuns;

namespace {

// Every pixel the runs cover, each must be covered once only.
std::set<std::pair<int, int>> Pixels(const std::vector<CRect>& runs)
{
    std::set<std::pair<int, int>> pixels;
    for (const CRect& r : runs) {
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x)
                EXPECT_TRUE(pixels.insert({x, y}).second) << "pixel " << x << "," << y << " covered twice";
        }
    }
    return pixels;
}

std::set<std::pair<int, int>> Frame(const CRect& r, int w)
{
    std::set<std::pair<int, int>> pixels;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            if (x < r.left + w || x >= r.right - w || y < r.top + w || y >= r.bottom - w)
                pixels.insert({x, y});
        }
    }
    return pixels;
}

} // namespace

// A solid pen, or a dash pattern that cannot dash, frames the rectangle
// from the inside: a wider pen grows inward.
TEST(OutlineRuns, SolidOutlineIsTheInnerFrameEvenOfTinyRectanglesAndADashWalksClockwise)
{
    const std::tuple<CRect, int, std::vector<int>> cases[] = {{CRect(2, 3, 9, 8), 1, {}},
                                                              {CRect(2, 3, 12, 10), 2, {}},
                                                              {CRect(0, 0, 5, 5), 1, {0, 0}},
                                                              {CRect(0, 0, 5, 5), 1, {-4, -1}}};
    for (const auto& [rect, width, dash] : cases) {
        std::vector<CRect> runs;
        OutlineRuns(rect, width, dash, runs);
        EXPECT_EQ(Pixels(runs), Frame(rect, width)) << rect.Width() << "x" << rect.Height() << " pen " << width;
    }
    std::vector<CRect> runs;
    OutlineRuns(CRect(5, 5, 5, 9), 1, {}, runs);
    OutlineRuns(CRect(5, 5, 4, 9), 1, {}, runs);
    EXPECT_TRUE(runs.empty());
    OutlineRuns(CRect(0, 0, 3, 3), 2, {3, 2}, runs);
    EXPECT_EQ(Pixels(runs), Frame(CRect(0, 0, 3, 3), 2)) << "the pen fills what it cannot frame";
    runs.clear();
    const CRect r(0, 0, 6, 4); // 16 perimeter pixels
    OutlineRuns(r, 1, {3, 2}, runs);
    // Walk order: top (0..5,0), right (5,1..3), bottom (4..0,3), left (0,2..1); steps 0-2, 5-7, 10-12 and 15 drawn.
    EXPECT_EQ(Pixels(runs),
              (std::set<std::pair<int, int>>{
                  {0, 0}, {1, 0}, {2, 0}, {5, 0}, {5, 1}, {5, 2}, {3, 3}, {2, 3}, {1, 3}, {0, 1}}));
}

TEST(AxisRuns, LinesStopBeforeTheirEndPointCarryTheDashAndRefuseSlants)
{
    using Covered = std::set<std::pair<int, int>>;
    const std::tuple<CPoint, CPoint, int, Covered> cases[] = {
        {{2, 5}, {6, 5}, 1, {{2, 5}, {3, 5}, {4, 5}, {5, 5}}},
        {{6, 5}, {2, 5}, 1, {{6, 5}, {5, 5}, {4, 5}, {3, 5}}},
        {{1, 4}, {1, 1}, 2, {{0, 4}, {1, 4}, {0, 3}, {1, 3}, {0, 2}, {1, 2}}},
    };
    for (const auto& [from, to, width, pixels] : cases) {
        std::vector<CRect> runs;
        const CPoint line[] = {from, to};
        ASSERT_TRUE(AxisPolylineRuns(line, 2, width, {}, runs));
        EXPECT_EQ(Pixels(runs), pixels) << from.x << "," << from.y << " to " << to.x << "," << to.y;
    }
    std::vector<CRect> runs;
    const CPoint corner[] = {{0, 0}, {3, 0}, {3, 3}};
    ASSERT_TRUE(AxisPolylineRuns(corner, 3, 1, {2, 1}, runs));
    // Steps 0 1 | 2 | 3 4 | 5: the dash turns the corner with the line.
    EXPECT_EQ(Pixels(runs), (std::set<std::pair<int, int>>{{0, 0}, {1, 0}, {3, 0}, {3, 1}}));
    const CPoint slant[] = {{0, 0}, {3, 2}};
    EXPECT_FALSE(AxisPolylineRuns(slant, 2, 1, {}, runs));
}

// Pieces row by row; corners keep their size, edges stretch one way only.
TEST(NinePart, CornersKeepTheirSizeEdgesStretchOneWayAndSmallRoomsShrinkThem)
{
    const auto dests = [](const auto& layout) {
        std::vector<CRect> rects;
        for (int i = 0; i < layout.count; ++i)
            rects.push_back(layout.pieces[i].dest);
        return rects;
    };
    const auto wide = NinePartLayout(CSize(10, 10), CRect(100, 200, 140, 230), Margins{3, 3, 3, 3});
    EXPECT_EQ(dests(wide),
              (std::vector<CRect>{{100, 200, 103, 203},
                                  {103, 200, 137, 203},
                                  {137, 200, 140, 203},
                                  {100, 203, 103, 227},
                                  {103, 203, 137, 227},
                                  {137, 203, 140, 227},
                                  {100, 227, 103, 230},
                                  {103, 227, 137, 230},
                                  {137, 227, 140, 230}}));
    EXPECT_EQ(std::pair(wide.pieces[0].source, wide.pieces[4].source), std::pair(CRect(0, 0, 3, 3), CRect(3, 3, 7, 7)));
    // Across: 3 + 3 margins in 4 pixels -> 2 + 2, no middle column.
    const auto narrow = NinePartLayout(CSize(10, 10), CRect(0, 0, 4, 20), Margins{3, 2, 3, 2});
    EXPECT_EQ(
        dests(narrow),
        (std::vector<CRect>{{0, 0, 2, 2}, {2, 0, 4, 2}, {0, 2, 2, 18}, {2, 2, 4, 18}, {0, 18, 2, 20}, {2, 18, 4, 20}}));
    EXPECT_EQ(narrow.pieces[0].source, CRect(0, 0, 3, 2));
    // 6 + 2 margins in a 4-pixel image: 3 + 1 in proportion, then one pixel
    // given up so that edges and middle still have something to stretch.
    const auto big = NinePartLayout(CSize(4, 4), CRect(0, 0, 40, 40), Margins{6, 6, 2, 2});
    ASSERT_EQ(big.count, 9);
    EXPECT_EQ(std::tuple(big.pieces[0].source, big.pieces[4].source, big.pieces[4].dest),
              std::tuple(CRect(0, 0, 2, 2), CRect(2, 2, 3, 3), CRect(2, 2, 39, 39)));
    EXPECT_EQ(NinePartLayout(CSize(0, 4), CRect(0, 0, 4, 4), {}).count, 0);
    EXPECT_EQ(NinePartLayout(CSize(4, 4), CRect(0, 0, 0, 4), {}).count, 0);
    EXPECT_EQ(dests(NinePartLayout(CSize(4, 4), CRect(0, 0, 8, 8), Margins{})), (std::vector<CRect>{{0, 0, 8, 8}}))
        << "no margins: one stretched piece";
}
