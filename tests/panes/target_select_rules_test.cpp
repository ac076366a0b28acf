// The target pane's rules: the click table, the buttons shown, the warning marks by scope.
#include "host/host_enums.h"
#include "host/vistrano_warning.h"
#include "panes/target_select_rules.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> Items(const STargetLayout& layout)
{
    std::vector<int> items;
    for (const STargetButtonPlace& b : layout.buttons)
        items.push_back(b.nItem);
    return items;
}

} // namespace

TEST(TargetButtonsTest, ClickTableRoundTripShownButtonsFallbacksAndGeometry)
{
    for (int k = 1; k <= kTargetButtonCount; ++k)
        EXPECT_EQ(k, ButtonOfRenderType(RenderTypeOfButton(k))) << k;
    EXPECT_EQ(std::tuple(1, 0, 0),
              std::tuple(ButtonOfRenderType(RENDER_BLOCK_GRID), ButtonOfRenderType(RENDER_SENDER_BLOCKS),
                         RenderTypeOfButton(11)));

    STargetLayoutInput in{{0, 0, 62, 600}, 1.0, true, true, RENDER_TEMPERATURE, true, false, false, true};
    const auto expect = [&](std::vector<int> items, int renderType, const char* why) {
        const STargetLayout layout = LayoutTargetButtons(in);
        EXPECT_EQ(std::tuple(items, renderType), std::tuple(Items(layout), layout.nRenderType)) << why;
    };
    expect({1, 2, 3, 9}, RENDER_TEMPERATURE, "temperature and voltage on");
    in.bTemperature = false, in.nRenderType = RENDER_SINGLE_SENDER; // the panes test walks the fallbacks
    expect({1, 2}, RENDER_SINGLE_SENDER, "quantities only for receiver targets");
    in.bSenderMonitoring = false;
    expect({2, 9}, RENDER_RECEIVER, "sender monitoring switched off");

    const STargetLayout layout = LayoutTargetButtons({{0, 0, 93, 700}, 1.5, true, true, RENDER_RECEIVER, false, true});
    ASSERT_EQ(3u, layout.buttons.size());
    // At 1.5: left = (93 - 2 - 81) / 2 + 12 = 17; side = 81 - 12 = 69; gap 7.
    EXPECT_EQ(CRect(17, 7, 86, 76), layout.buttons[0].rect);
    EXPECT_EQ(CRect(17, 83, 86, 152), layout.buttons[1].rect);
    EXPECT_EQ(CRect(17, 159, 86, 210), layout.buttons[2].rect);
    // The mark: 12 wide, 13 left of the button (1.5 + 12 truncated apart), centred.
    EXPECT_EQ(CRect(4, 178, 16, 190), layout.buttons[2].markRect);
    EXPECT_EQ(CRect(20, 162, 82, 206), TargetImageRect(layout.buttons[2].rect));
}

TEST(WarningMarksTest, ByScope)
{
    CMonitorWarningData w;
    w.SetSenderWarning(1, SENDER_WARNING_VIDEO_INPUT);
    const SPortWarningData port{.arrRcvWarning = {0, WARNING_TEMPERATURE}};
    w.SetPortWarning(2, -1, 0, port);
    w.SetPortWarning(3, 4, 0, port);
    // record, group senders, marks 0 to 3 expected
    const std::tuple<SCurrentObject, std::vector<int>, std::array<bool, 4>, const char*> cases[] = {
        {{0, 0, 0, 0, 0}, {}, {true, true, false, false}, "all senders"},
        {{1, 0, 0, 0, 0}, {0, 2}, {false, true, false, false}, "sender 2 of the group"},
        {{3, 1, 4, 3, 4}, {}, {false, true, true, false}, "the fibre output"},
        {{3, 1, 4, 3, 5}, {}, {false, false, false, false}, "another fibre output"},
    };
    for (const auto& [record, group, expected, why] : cases) {
        const auto marks = ComputeWarningMarks(w, record, group);
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(expected[i], marks[i]) << why << ", mark " << i;
    }

    int tested = 0;
    EXPECT_EQ(2, FirstSenderWithWarning(std::vector<int>{0, 2, 3}, [&](int s) {
                  ++tested;
                  return w.HasSenderRcvWarning(s, WARNING_ALL) != 0;
              }));
    EXPECT_EQ(2, tested);
    EXPECT_EQ(5, FirstSenderWithWarning(std::vector<int>{5, 6}, [](int) { return false; }));
    EXPECT_EQ(-1, FirstSenderWithWarning(std::vector<int>{}, [](int) { return true; }));
}
