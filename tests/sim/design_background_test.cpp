// The view start point and its clamping.
#include "host/vistrano_data.h"
#include "sim_fixture.h"

namespace {

CDesignBackground* Background() { return GetRuntimeData()->GetDesignBackground(); }

} // namespace

using DesignBackground = SimTest;

// From a start set without clamping, in an 800 x 600 client: clamped, the
// start stays within the content less the visible part (which a scaling
// widens) and content that fits pins it to the origin; unclamped it stays
// within the extent.
TEST_F(DesignBackground, TheStartIsClampedToTheContent)
{
    struct Case {
        CPoint from, request;
        int clamp;
        CSize extent;
        double scaling;
        CPoint start;
    };
    const Case cases[] = {
        {{0, 0}, {5000, 5000}, 1, {2000, 1000}, 1.0, {1200, 400}},
        {{1200, 400}, {-30, 100}, 1, {2000, 1000}, 1.0, {0, 100}},
        {{300, 300}, {300, 300}, 1, {500, 500}, 1.0, {0, 0}},
        {{0, 0}, {5000, 5000}, 1, {2000, 1000}, 2.0, {1600, 700}},
        {{0, 0}, {1900, 1070}, 0, {1920, 1080}, 1.0, {1900, 1070}},
        {{0, 0}, {5000, -5}, 0, {1920, 1080}, 1.0, {1920, 0}},
    };
    for (const Case& c : cases) {
        sim::ResetWorld();
        Background()->SetClientRect(10, CRect(0, 0, 800, 600));
        Background()->SetViewScaling(c.scaling, CPoint(-1, -1));
        Background()->SetViewStartPt(c.from, 0, CSize(1920, 1080));
        EXPECT_EQ(Background()->SetViewStartPt(c.request, c.clamp, c.extent), 1);
        EXPECT_EQ(Background()->GetViewStartPt(), c.start)
            << c.request.x << "," << c.request.y << " in " << c.extent.cx << "x" << c.extent.cy << " at " << c.scaling;
    }
    Background()->SetViewScaling(2.0, CPoint(-1, -1));
    Background()->SetViewScaling(0.0, CPoint(-1, -1));
    EXPECT_EQ(Background()->GetViewScaling(), 2.0) << "a scaling that is not positive is refused";
}

TEST_F(DesignBackground, AnswersWhetherThePointChanged)
{
    Background()->SetClientRect(10, CRect(0, 0, 100, 100));
    EXPECT_EQ(Background()->SetViewStartPt(CPoint(0, 0), 1, CSize(1920, 1080)), 0);
    EXPECT_EQ(Background()->SetViewStartPt(CPoint(50, 0), 1, CSize(1920, 1080)), 1);
    EXPECT_EQ(Background()->SetViewStartPt(CPoint(50, 0), 1, CSize(1920, 1080)), 0);
    // A request beyond the end that clamps to the present point is no change.
    Background()->SetViewStartPt(CPoint(1820, 0), 1, CSize(1920, 1080));
    EXPECT_EQ(Background()->SetViewStartPt(CPoint(9999, 0), 1, CSize(1920, 1080)), 0);
}

TEST_F(DesignBackground, ScalingAroundAnAnchorKeepsThePointUnderIt)
{
    Background()->SetViewStartPt(CPoint(100, 100), 0, CSize(1920, 1080));
    Background()->SetViewScaling(2.0, CPoint(200, 100));
    // Design point (300, 200) was under the anchor; at scale 2 it still is.
    EXPECT_EQ(Background()->GetViewStartPt(), CPoint(200, 150));
}
