// The scroll bar's rules as functions: thumb geometry, what a press hits,
// and where presses and drags move the start.
#include "panes/scroll_geometry.h"

#include <gtest/gtest.h>

namespace {

// A horizontal bar of 200 pixels with arrows and corner of 14, over a
// content of 1000 view units of which 172 are visible.
SScrollInput Bar(int content = 1000, int start = 0)
{
    SScrollInput in;
    in.nClient = 200;
    in.nArrow1 = in.nArrow2 = in.nCorner = 14;
    in.nContent = content;
    in.nVisible = 172;
    in.nStart = start;
    return in;
}

} // namespace

TEST(ScrollGeometry, ThumbFollowsTheVisibleShareAndTheStart)
{
    struct {
        int content, start;
        float scale;
        bool bar;
        int thumbStart, thumb;
    } const cases[] = {
        {186, 0, 1.0f, false, 0, 0},       // fits beside the corner exactly
        {100, 0, 1.85f, false, 0, 0},      // fits once scaled
        {100, 0, 1.87f, true, 0, 0},       // scaled past the client: a bar, thumb the whole track
        {1000, 0, 1.0f, true, 14, 27},     // 158 × 172 / 1000
        {1000, 828, 1.0f, true, 145, 27},  // at the end of the content
        {1000, 5000, 1.0f, true, 145, 27}, // a start past the end keeps the thumb on the track
        {100000, 0, 1.0f, true, 14, 15},   // never shorter than a tenth of the track
    };
    for (const auto& c : cases) {
        SScrollInput in = Bar(c.content, c.start);
        in.fScale = c.scale;
        const SScrollGeometry g = ComputeScrollGeometry(in);
        EXPECT_EQ(c.bar, g.bBar) << c.content << " " << c.scale;
        EXPECT_EQ(c.bar ? 158 : 0, g.nTrack) << c.content;
        EXPECT_EQ(c.thumb, g.nThumb) << c.content << " " << c.start;
        if (c.thumb) {
            EXPECT_EQ(c.thumbStart, g.nThumbStart) << c.content << " " << c.start;
        }
    }
}

TEST(ScrollGeometry, PressesHitArrowsTrackAndThumb)
{
    const SScrollInput in = Bar(1000, 414); // thumb at 14 + 131 × 414 / 828 = 79, 27 long
    const SScrollGeometry g = ComputeScrollGeometry(in);
    ASSERT_EQ(79, g.nThumbStart);
    struct {
        int p;
        EScrollPart part;
        int start;
    } const cases[] = {
        {-1, EScrollPart::None, 414},         {0, EScrollPart::FirstArrow, 380},
        {13, EScrollPart::FirstArrow, 380},   {14, EScrollPart::TrackBefore, 242},
        {78, EScrollPart::TrackBefore, 242},  {79, EScrollPart::Thumb, 414},
        {105, EScrollPart::Thumb, 414},       {106, EScrollPart::TrackAfter, 586},
        {171, EScrollPart::TrackAfter, 586},  {172, EScrollPart::SecondArrow, 448},
        {185, EScrollPart::SecondArrow, 448}, {186, EScrollPart::None, 414}, // the corner
    };
    for (const auto& c : cases) {
        const EScrollPart part = HitScrollPart(in, g, c.p);
        EXPECT_EQ(c.part, part) << c.p;
        EXPECT_EQ(c.start, ScrollStartAfterPress(part, in.nStart, in.nVisible)) << c.p;
    }
}

TEST(ScrollGeometry, DragMapsTheFreeTrackOntoTheHiddenContent)
{
    const SScrollInput in = Bar();
    const SScrollGeometry g = ComputeScrollGeometry(in);
    const int free = g.nTrack - g.nThumb; // 131 pixels for 828 units
    EXPECT_EQ(0, ScrollStartAfterDrag(in, g, 0, 0));
    EXPECT_EQ(828, ScrollStartAfterDrag(in, g, 0, free));
    EXPECT_EQ(410, ScrollStartAfterDrag(in, g, 0, 65)); // 65 × 828 / 131
    EXPECT_EQ(100 - 6, ScrollStartAfterDrag(in, g, 100, -1));

    SScrollInput fits = Bar(150);
    EXPECT_EQ(7, ScrollStartAfterDrag(fits, ComputeScrollGeometry(fits), 7, 50));
}

TEST(NotifyThrottle, PassesOncePerPeriod)
{
    CNotifyThrottle throttle(30);
    EXPECT_TRUE(throttle.Pass(1000));
    EXPECT_FALSE(throttle.Pass(1029));
    EXPECT_TRUE(throttle.Pass(1030));
    EXPECT_FALSE(throttle.Pass(1031));
    throttle.Reset();
    EXPECT_TRUE(throttle.Pass(1031));
    // The clock wrapping around keeps the pace.
    CNotifyThrottle wrap(30);
    EXPECT_TRUE(wrap.Pass(0xFFFFFFF0u));
    EXPECT_FALSE(wrap.Pass(5));
    EXPECT_TRUE(wrap.Pass(14));
}
