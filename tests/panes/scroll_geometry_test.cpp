// The scroll bar's rules: thumb geometry, what a press hits, where presses and drags move the start.
#include "panes/scroll_geometry.h"

#include <gtest/gtest.h>

namespace {

// A horizontal bar of 200 pixels, arrows and corner of 14, over 1000 units of which 172 are visible.
SScrollInput Bar(int content = 1000, int start = 0, float scale = 1.0f)
{
    SScrollInput in;
    in.nClient = 200;
    in.nArrow1 = in.nArrow2 = in.nCorner = 14;
    in.nContent = content;
    in.nVisible = 172;
    in.nStart = start;
    in.fScale = scale;
    return in;
}

} // namespace

TEST(ScrollGeometry, ThumbFollowsTheVisibleShareAndTheStart)
{
    // content, start, scale, bar, thumb start, thumb
    const std::tuple<int, int, float, bool, int, int> cases[] = {
        {186, 0, 1.0f, false, 0, 0},       // fits beside the corner exactly
        {100, 0, 1.85f, false, 0, 0},      // fits once scaled
        {100, 0, 1.87f, true, 0, 0},       // scaled past the client: a bar, thumb the whole track
        {1000, 0, 1.0f, true, 14, 27},     // 158 × 172 / 1000
        {1000, 828, 1.0f, true, 145, 27},  // at the end of the content
        {1000, 5000, 1.0f, true, 145, 27}, // a start past the end keeps the thumb on the track
        {100000, 0, 1.0f, true, 14, 15},   // never shorter than a tenth of the track
    };
    for (const auto& [content, start, scale, bar, thumbStart, thumb] : cases) {
        const SScrollGeometry g = ComputeScrollGeometry(Bar(content, start, scale));
        EXPECT_EQ(std::tuple(bar, bar ? 158 : 0, thumb), std::tuple(g.bBar, g.nTrack, g.nThumb))
            << content << " " << start << " " << scale;
        EXPECT_TRUE(!thumb || thumbStart == g.nThumbStart) << content << " " << start;
    }
}

TEST(ScrollGeometry, PressesHitArrowsTrackAndThumbAndADragMapsTheFreeTrackOntoTheHiddenContent)
{
    const SScrollInput in = Bar(1000, 414); // thumb at 14 + 131 × 414 / 828 = 79, 27 long
    const SScrollGeometry g = ComputeScrollGeometry(in);
    ASSERT_EQ(79, g.nThumbStart);
    const std::tuple<int, EScrollPart, int> cases[] = {
        {-1, EScrollPart::None, 414},         {0, EScrollPart::FirstArrow, 380},
        {13, EScrollPart::FirstArrow, 380},   {14, EScrollPart::TrackBefore, 242},
        {78, EScrollPart::TrackBefore, 242},  {79, EScrollPart::Thumb, 414},
        {105, EScrollPart::Thumb, 414},       {106, EScrollPart::TrackAfter, 586},
        {171, EScrollPart::TrackAfter, 586},  {172, EScrollPart::SecondArrow, 448},
        {185, EScrollPart::SecondArrow, 448}, {186, EScrollPart::None, 414}, // the corner
    };
    for (const auto& [p, part, start] : cases) {
        EXPECT_EQ(part, HitScrollPart(in, g, p)) << p;
        EXPECT_EQ(start, ScrollStartAfterPress(part, in.nStart, in.nVisible)) << p;
    }

    const SScrollInput top = Bar();
    const SScrollGeometry t = ComputeScrollGeometry(top);
    const int free = t.nTrack - t.nThumb; // 131 pixels for 828 units
    EXPECT_EQ(std::tuple(0, 828, 410),
              std::tuple(ScrollStartAfterDrag(top, t, 0, 0), ScrollStartAfterDrag(top, t, 0, free),
                         ScrollStartAfterDrag(top, t, 0, 65))); // 65 × 828 / 131
    EXPECT_EQ(100 - 6, ScrollStartAfterDrag(top, t, 100, -1));
    const SScrollInput fits = Bar(150);
    EXPECT_EQ(7, ScrollStartAfterDrag(fits, ComputeScrollGeometry(fits), 7, 50));
}

TEST(NotifyThrottle, PassesOncePerPeriodAcrossTheClocksWrap)
{
    CNotifyThrottle throttle(30);
    for (const auto& [time, pass] : {std::pair{1000u, true}, {1029u, false}, {1030u, true}, {1031u, false}})
        EXPECT_EQ(pass, throttle.Pass(time)) << time;
    throttle.Reset();
    EXPECT_TRUE(throttle.Pass(1031));
    CNotifyThrottle wrap(30);
    EXPECT_EQ(std::tuple(true, false, true), (std::tuple{wrap.Pass(0xFFFFFFF0u), wrap.Pass(5), wrap.Pass(14)}));
}
