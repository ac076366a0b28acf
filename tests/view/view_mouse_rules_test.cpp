// The view's input rules: the hit index, the zoom table and walk, the hover debounce and keys.
#include "module/module_data.h"
#include "view/hover_debounce.h"
#include "view/hover_key.h"
#include "view/view_hit.h"
#include "view/zoom_steps.h"
#include "view/zoom_walk.h"

#include <gtest/gtest.h>

#include <random>

namespace {

SViewHit Receiver(int k) { return {VIEW_HIT_RECEIVER, 0, -1, k / 100, k % 100}; }

} // namespace

TEST(ViewHitIndex, AnswersAsAScanInOrderWouldForTenThousandReceivers)
{
    // 100 × 100 receivers of 13 × 9 with a one-pixel gap, a block over the first row before them,
    // an empty rectangle (never hit) and a huge rectangle last.
    std::vector<SHitItem> items
        = {{{VIEW_HIT_SENDER, 0, -1, -1, -1}, {0, 0, 700, 12}}, {{VIEW_HIT_PORT, 0, -1, 1, -1}, {}}};
    for (int k = 0; k < 10000; ++k) {
        const int x = (k % 100) * 14, y = (k / 100) * 10;
        items.push_back({Receiver(k), {x, y, x + 13, y + 9}});
    }
    items.push_back({{VIEW_HIT_SENDER, 1, -1, -1, -1}, {-5000, -5000, 5000, 5000}});
    CViewHitIndex index;
    index.Build(items);
    EXPECT_EQ(items.size() - 1, index.Size());
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coord(-20, 1420);
    for (int i = 0; i < 3000; ++i) {
        const CPoint pt(coord(random), coord(random) * 1000 / 1420);
        SViewHit scan;
        for (const SHitItem& item : items)
            if (item.rect.PtInRect(pt)) {
                scan = item.hit;
                break;
            }
        ASSERT_EQ(scan, index.Hit(pt)) << pt.x << "," << pt.y;
    }
    EXPECT_EQ(SViewHit{}, index.Hit({5000, 0})); // right edges are outside
    index.Clear();
    EXPECT_EQ(SViewHit{}, index.Hit({25, 5}));
}

TEST(ZoomWalk, TheTableRunsAndStepsInAndOutAlongIt)
{
    // The last step of each run, and nothing outside the table.
    const std::pair<int, float> steps[] = {{9, 0.055f}, {14, 0.09f}, {19, 0.18f}, {25, 0.45f}, {30, 0.9f},
                                           {35, 1.8f},  {41, 4.5f},  {47, 10.0f}, {-1, 0.0f},  {kZoomStepCount, 0.0f}};
    for (const auto& [index, value] : steps)
        EXPECT_FLOAT_EQ(value, ZoomStep(index)) << "step " << index;
    EXPECT_GT(ZoomStep(9), ZoomStep(10));           // the runs meet that way
    EXPECT_EQ(0.010f + 0.005f * 3.0f, ZoomStep(3)); // single precision: the sum as a float, not a rounded double
    const std::tuple<float, int, float> cases[] = {
        // from, notches, to (0: no change)
        {1.0f, 1, 1.2f},    {1.0f, 2, 1.4f},    {9.0f, 1, 10.0f},   {9.0f, 2, 0.0f}, // the table ends at 10
        {10.0f, 1, 0.0f},   {0.05f, 1, 0.055f}, {0.055f, 1, 0.06f}, {1.0f, -1, 0.9f},
        {0.14f, -1, 0.12f}, {0.12f, -1, 0.0f},  {0.16f, -3, 0.0f},  {0.3f, -2, 0.2f},
        {1.0f, 0, 0.0f},    {1.0f, 100, 0.0f},  {1.0f, -100, 0.0f}, {1.1f, -1, 1.0f},
    };
    for (const auto& [from, notches, to] : cases) {
        const std::optional<float> z = ZoomWalk(from, notches);
        EXPECT_EQ(to != 0.0f, z.has_value()) << from << " " << notches;
        EXPECT_NEAR(to, z.value_or(0.0f), 1e-5) << from << " " << notches;
    }
}

TEST(HoverDebounce, StoresOnceAfterTheMouseRestsAndRestartsOnAnotherKey)
{
    CHoverDebounce debounce;
    EXPECT_FALSE(debounce.OnMove(0x30002, 1000, 0));
    EXPECT_FALSE(debounce.OnMove(0x30002, 1300, 0));
    EXPECT_EQ(0x30002u, debounce.OnMove(0x30002, 1301, 0));
    EXPECT_FALSE(debounce.OnMove(0x30002, 1400, 0x30002)); // stored: nothing more
    EXPECT_FALSE(debounce.OnMove(0x30003, 1500, 0x30002)); // another port ends the wait
    EXPECT_FALSE(debounce.OnMove(0x30003, 1600, 0x30002)); // ... and the next move begins one
    EXPECT_FALSE(debounce.OnMove(0x30003, 1900, 0x30002));
    EXPECT_EQ(0x30003u, debounce.OnMove(0x30003, 1901, 0x30002));
}

TEST(ViewMouseRules, HoverKeysNameASenderAndAPortAndReadBack)
{
    const std::pair<SViewHit, uint32_t> keys[] = {
        {{VIEW_HIT_PORT, 3, -1, 2, -1}, 0x00030002u},
        {{VIEW_HIT_RECEIVER, 3, -1, 2, 40}, 0x00030002u},
        {{VIEW_HIT_PORT, 3, 9, 2, -1}, 0x03090002u},      // a fibre board's port
        {{VIEW_HIT_RECEIVER, 300, 4, 0, 7}, 0x2C040000u}, // the fibre form keeps 8 bits of the sender
    };
    for (const auto& [hit, key] : keys) {
        EXPECT_EQ(key, HoverKeyOf(hit));
        const SHoverPort read = ReadHoverKey(key, hit.nBoard >= 0);
        EXPECT_EQ(std::tuple(hit.nSender & (hit.nBoard >= 0 ? 0xFF : 0xFFFF), hit.nBoard, hit.nPort),
                  std::tuple(read.nSender, read.nBoard, read.nPort));
    }
    EXPECT_FALSE(HoverKeyOf({VIEW_HIT_SENDER, 3, -1, -1, -1}));
    EXPECT_FALSE(HoverKeyOf({VIEW_HIT_FIBER_BOARD, 3, 1, -1, -1}));
    EXPECT_FALSE(HoverKeyOf({}));
    // The page state's first key names no port of either kind.
    EXPECT_EQ(kNoHoverKey, CModuleData().GetHoverKey());
    EXPECT_EQ(-1, ReadHoverKey(kNoHoverKey, false).nSender);
    EXPECT_EQ(-1, ReadHoverKey(kNoHoverKey, true).nSender);
}
