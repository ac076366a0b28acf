// The target pane's rules: the click table, the buttons shown, the
// threshold text and the warning marks by scope.
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

TEST(TargetButtonsTest, ClickTableRoundTrip)
{
    const int expected[] = {0, 2, 3, 4, 5, 6, 7, 8, 10, 11, 9};
    for (int k = 1; k <= kTargetButtonCount; ++k) {
        EXPECT_EQ(expected[k], RenderTypeOfButton(k));
        EXPECT_EQ(k, ButtonOfRenderType(RenderTypeOfButton(k)));
    }
    EXPECT_EQ(1, ButtonOfRenderType(RENDER_BLOCK_GRID));
    EXPECT_EQ(0, ButtonOfRenderType(RENDER_SENDER_BLOCKS));
    EXPECT_EQ(0, RenderTypeOfButton(11));
}

TEST(TargetButtonsTest, ShownButtonsAndFallbacks)
{
    STargetLayoutInput in;
    in.client = {0, 0, 62, 600};
    in.bSenderMonitoring = true;
    in.bReceiverButton = true;
    in.bTemperature = in.bVoltage = true;
    in.nRenderType = RENDER_TEMPERATURE;
    EXPECT_EQ((std::vector<int>{1, 2, 3, 9}), Items(LayoutTargetButtons(in)));
    EXPECT_EQ(RENDER_TEMPERATURE, LayoutTargetButtons(in).nRenderType);

    in.bTemperature = false;
    EXPECT_EQ((std::vector<int>{1, 2, 9}), Items(LayoutTargetButtons(in)));
    EXPECT_EQ(RENDER_RECEIVER, LayoutTargetButtons(in).nRenderType) << "temperature switched off";

    in.nRenderType = RENDER_SINGLE_SENDER;
    EXPECT_EQ((std::vector<int>{1, 2}), Items(LayoutTargetButtons(in))) << "quantities only for receiver targets";
    in.bSenderMonitoring = false;
    const STargetLayout noSender = LayoutTargetButtons(in);
    EXPECT_EQ((std::vector<int>{2, 9}), Items(noSender));
    EXPECT_EQ(RENDER_RECEIVER, noSender.nRenderType) << "sender monitoring switched off";
}

TEST(TargetButtonsTest, GeometryAtOneAndAHalf)
{
    STargetLayoutInput in;
    in.client = {0, 0, 93, 700};
    in.scale = 1.5;
    in.bSenderMonitoring = in.bReceiverButton = in.bHumidity = true;
    in.nRenderType = RENDER_RECEIVER;
    const STargetLayout layout = LayoutTargetButtons(in);
    ASSERT_EQ(3u, layout.buttons.size());
    // left = (93 - 2 - 81) / 2 + 12 = 17; side = 81 - 12 = 69; gap 7.
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
    SPortWarningData port;
    port.arrRcvWarning = {0, WARNING_TEMPERATURE};
    w.SetPortWarning(2, -1, 0, port);
    w.SetPortWarning(3, 4, 0, port);

    auto marks = ComputeWarningMarks(w, {0, 0, 0, 0, 0}, {});
    EXPECT_TRUE(marks[0] && marks[1]);
    marks = ComputeWarningMarks(w, {1, 0, 0, 0, 0}, {0, 2});
    EXPECT_FALSE(marks[0]);
    EXPECT_TRUE(marks[1]) << "sender 2 of the group";
    marks = ComputeWarningMarks(w, {2, 1, 4, 2, 0}, {});
    EXPECT_FALSE(marks[0]);
    EXPECT_TRUE(marks[1] && marks[2]);
    EXPECT_FALSE(marks[3]) << "no humidity warning";
    marks = ComputeWarningMarks(w, {3, 1, 4, 3, 4}, {});
    EXPECT_TRUE(marks[1] && marks[2]);
    marks = ComputeWarningMarks(w, {3, 1, 4, 3, 5}, {});
    EXPECT_FALSE(marks[1] || marks[2]) << "another fibre output";

    int tested = 0;
    EXPECT_EQ(2, FirstSenderWithWarning(std::vector<int>{0, 2, 3}, [&](int s) {
                  ++tested;
                  return w.HasSenderRcvWarning(s, WARNING_ALL) != 0;
              }));
    EXPECT_EQ(2, tested);
    EXPECT_EQ(5, FirstSenderWithWarning(std::vector<int>{5, 6}, [](int) { return false; }));
    EXPECT_EQ(-1, FirstSenderWithWarning(std::vector<int>{}, [](int) { return true; }));
}
