// The view start point and its clamping.
#include "host/vistrano_data.h"
#include "sim_fixture.h"

namespace {

CDesignBackground* Background() { return GetRuntimeData()->GetDesignBackground(); }

} // namespace

using DesignBackground = SimTest;

TEST_F(DesignBackground, ClampedToTheContentLessTheVisiblePart)
{
    Background()->SetClientRect(10, CRect(0, 0, 800, 600));
    EXPECT_EQ(Background()->SetViewStartPt(CPoint(5000, 5000), 1, CSize(2000, 1000)), 1);
    EXPECT_EQ(Background()->GetViewStartPt(), CPoint(1200, 400));
    EXPECT_EQ(Background()->SetViewStartPt(CPoint(-30, 100), 1, CSize(2000, 1000)), 1);
    EXPECT_EQ(Background()->GetViewStartPt(), CPoint(0, 100));
}

TEST_F(DesignBackground, ContentThatFitsPinsTheStartToTheOrigin)
{
    Background()->SetClientRect(10, CRect(0, 0, 800, 600));
    Background()->SetViewStartPt(CPoint(300, 300), 0, CSize(1920, 1080));
    EXPECT_EQ(Background()->SetViewStartPt(CPoint(300, 300), 1, CSize(500, 500)), 1);
    EXPECT_EQ(Background()->GetViewStartPt(), CPoint(0, 0));
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

TEST_F(DesignBackground, WithoutClampTheStartStaysWithinTheExtent)
{
    Background()->SetClientRect(10, CRect(0, 0, 800, 600));
    Background()->SetViewStartPt(CPoint(1900, 1070), 0, CSize(1920, 1080));
    EXPECT_EQ(Background()->GetViewStartPt(), CPoint(1900, 1070));
    Background()->SetViewStartPt(CPoint(5000, -5), 0, CSize(1920, 1080));
    EXPECT_EQ(Background()->GetViewStartPt(), CPoint(1920, 0));
}

TEST_F(DesignBackground, ScalingWidensTheVisiblePart)
{
    Background()->SetClientRect(10, CRect(0, 0, 800, 600));
    Background()->SetViewScaling(2.0, CPoint(-1, -1));
    EXPECT_EQ(Background()->GetViewScaling(), 2.0);
    Background()->SetViewStartPt(CPoint(5000, 5000), 1, CSize(2000, 1000));
    EXPECT_EQ(Background()->GetViewStartPt(), CPoint(1600, 700));
    Background()->SetViewScaling(0.0, CPoint(-1, -1));
    EXPECT_EQ(Background()->GetViewScaling(), 2.0) << "a scaling that is not positive is refused";
}

TEST_F(DesignBackground, ScalingAroundAnAnchorKeepsThePointUnderIt)
{
    Background()->SetViewStartPt(CPoint(100, 100), 0, CSize(1920, 1080));
    Background()->SetViewScaling(2.0, CPoint(200, 100));
    // Design point (300, 200) was under the anchor; at scale 2 it still is.
    EXPECT_EQ(Background()->GetViewStartPt(), CPoint(200, 150));
}

