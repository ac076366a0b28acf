// Rectangle arithmetic at the edges, with the desktop's meaning.
#include "platform/geometry.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(Rect, EmptyNullAndPointsTakeLeftAndTopButNotRightAndBottom)
{
    EXPECT_TRUE(CRect(5, 5, 5, 10).IsRectEmpty() && CRect(5, 5, 4, 10).IsRectEmpty()) << "no or a negative width";
    EXPECT_FALSE(CRect(5, 5, 6, 6).IsRectEmpty());
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_FALSE(CRect(0, 0, 0, 1).IsRectNull());
    CRect flipped(10, 8, 2, 3);
    flipped.NormalizeRect();
    EXPECT_EQ(flipped, CRect(2, 3, 10, 8));
    const CRect r(10, 20, 30, 40);
    EXPECT_TRUE(r.PtInRect({10, 20}) && r.PtInRect({29, 39}));
    EXPECT_FALSE(r.PtInRect({30, 25}) || r.PtInRect({15, 40}) || r.PtInRect({9, 25}));
    EXPECT_FALSE(CRect(5, 5, 5, 5).PtInRect({5, 5})) << "an empty rectangle holds no point";
}

TEST(Rect, IntersectAndUnionWithEmptiesAndTouchingEdges)
{
    CRect out(1, 2, 3, 4);
    EXPECT_TRUE(out.IntersectRect(CRect(0, 0, 10, 10), CRect(5, 5, 20, 20)));
    EXPECT_EQ(out, CRect(5, 5, 10, 10));
    EXPECT_FALSE(out.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10))) << "touching edges do not overlap";
    EXPECT_TRUE(out.IsRectNull());
    out = CRect(1, 2, 3, 4);
    EXPECT_FALSE(out.IntersectRect(CRect(0, 0, 10, 10), CRect(3, 3, 3, 8)));
    EXPECT_TRUE(out.IsRectNull());
    // A union ignores empties.
    EXPECT_TRUE(out.UnionRect(CRect(0, 0, 5, 5), CRect(10, 10, 12, 12)));
    EXPECT_EQ(out, CRect(0, 0, 12, 12));
    EXPECT_TRUE(out.UnionRect(CRect(-50, -50, -50, 100), CRect(1, 2, 3, 4)));
    EXPECT_EQ(out, CRect(1, 2, 3, 4));
    EXPECT_TRUE(out.UnionRect(CRect(1, 2, 3, 4), CRect(9, 9, 8, 8)));
    EXPECT_EQ(out, CRect(1, 2, 3, 4));
    EXPECT_FALSE(out.UnionRect(CRect(), CRect(4, 4, 4, 9)));
    EXPECT_TRUE(out.IsRectNull());
}

TEST(Rect, SizeAndMoves)
{
    CRect r(CPoint(3, 4), CSize(10, 20));
    EXPECT_EQ(std::tuple(r, r.Size(), r.CenterPoint()), std::tuple(CRect(3, 4, 13, 24), CSize(10, 20), CPoint(8, 14)));
    EXPECT_EQ(CRect(-3, -3, 0, 0).CenterPoint(), CPoint(-1, -1)) << "halves round toward zero";
    r.MoveToXY(-5, 0);
    EXPECT_EQ(r, CRect(-5, 0, 5, 20));
    r.DeflateRect(6, 1);
    EXPECT_EQ(r, CRect(1, 1, -1, 19));
    EXPECT_TRUE(r.IsRectEmpty()) << "deflated past itself";
}
