// The settings page's rules as plain functions: edit bounds, layout,
// scrolling, recipients and the view target. What a user types into the
// real page is tested on the page (main_setting_dlg_test.cpp).
#include "host/host_enums.h"
#include "settings/recipient_rules.h"
#include "settings/setting_edits.h"
#include "settings/setting_map.h"
#include "settings/setting_page_layout.h"
#include "settings/setting_scroll.h"

#include <gtest/gtest.h>

using namespace setting_page;

namespace {

const SSettingEdit& EditOf(UINT item) { return *FindSettingEditByItem(item); }

TEST(SettingEditTest, ValuesAtTheBoundsAreTakenOnePastThemAreNot)
{
    struct Case {
        UINT item;
        const char* text;
        bool fahrenheit;
        double stored; // -1: not taken
    };
    const Case cases[] = {
        {kTemperatureItem, "19", false, -1},      {kTemperatureItem, "20", false, 20},
        {kTemperatureItem, "101", false, -1},     {kTemperatureItem, "67", true, -1},
        {kTemperatureItem, "212", true, 100},     {kTemperatureItem, "100", true, 38},
        {kHumidityItem, "100", false, 100},       {kWarningNumItem, "0", false, -1},
        {kWarningNumItem, "1000", false, 1000},   {kWarningNumItem, "1001", false, -1},
        {kVoltage1MinItem, "0", false, 0},        {kVoltage1MaxItem, "10000.0", false, 10000},
        {kVoltage1MaxItem, "10000.1", false, -1}, {kVoltage2MinItem, "5.", false, -1},
    };
    for (const Case& c : cases) {
        CMonitorInterfaceData data;
        EXPECT_EQ(TakeSettingEditText(EditOf(c.item), c.text, data, c.fahrenheit), c.stored >= 0)
            << c.item << " " << c.text;
        if (c.stored >= 0) {
            EXPECT_DOUBLE_EQ(EditOf(c.item).get(data), c.stored) << c.item << " " << c.text;
        }
    }
    CMonitorInterfaceData data;
    data.receiverSetting.fVoltage1Min = 4.25f;
    EXPECT_EQ(SettingEditText(EditOf(kVoltage1MinItem), data, false), "4.2");
    EXPECT_EQ(SettingEditText(EditOf(kTemperatureItem), data, true), "140");
}

TEST(SettingLayoutTest, TheTableAndTheOffsetDecideWhereThePageEnds)
{
    EXPECT_EQ(std::tuple(RecipientTableRows(5), RecipientTableRows(15)), std::tuple(6, 16));
    const SPageLayout few = LayoutSettingPage({1.0, false, false, 3});
    const SPageLayout many = LayoutSettingPage({1.0, false, false, 15});
    EXPECT_EQ(many.rects.at(kRecipientTable).Height(), 17 * 20);
    // The page ends 20 pixels under the table, or under the buttons beside a short one.
    EXPECT_EQ(many.nHeight, many.rects.at(kRecipientTable).bottom + 20);
    EXPECT_EQ(few.nHeight, few.rects.at(kTest).bottom + 20);
    const SPageLayout down = LayoutSettingPage({1.0, false, false, 3, -150});
    for (const auto& [index, rect] : few.rects)
        EXPECT_EQ(down.rects.at(index).top, rect.top - 150) << index;
    const SPageLayout narrow = LayoutSettingPage({1.0, false, true});
    EXPECT_EQ(narrow.rects.at(kRefreshLabel).Width(), 70);
    EXPECT_EQ(narrow.rects.at(kRefreshEdit).left, narrow.rects.at(kRefreshLabel).right + 5);
}

TEST(SettingScrollTest, WheelStepsAreEightyPixelsAndNavigationStopsAtThePageEnd)
{
    // 400 pixels to scroll: a notch is 20 positions.
    EXPECT_EQ((std::vector{20, 100, 0, 50, 3}),
              (std::vector{PositionAfterWheel(0, -120, 400, 1.0), PositionAfterWheel(90, -120, 400, 1.0),
                           PositionAfterWheel(10, 240, 400, 1.0), PositionAfterWheel(0, -120, 400, 2.5),
                           PositionAfterWheel(0, -120, 3000, 1.0)}));
    EXPECT_EQ((std::vector{-200, -200, -400}),
              (std::vector{OffsetForPosition(50, 400), OffsetForTitle(220, 20, 400), OffsetForTitle(900, 20, 400)}));
    const std::array<int, kSectionCount> tops{20, 120, 300, 700};
    EXPECT_EQ(std::tuple(SectionAt(tops, -21), SectionAt(tops, -301)), std::tuple(ESection::Sender, ESection::Mail));
    EXPECT_EQ(SectionAt({20, 120, -1, 300}, -121), ESection::Mail) << "a fibre sender has no receiver section";
}

TEST(RecipientRulesTest, FifteenAtMostAndAddressesClashExactly)
{
    std::vector<SMailInfo> list(14, SMailInfo{"n", "a@b.cd"});
    EXPECT_TRUE(CanAddRecipient(list));
    list.push_back({"o", "ops@plant.net"});
    // Another case is another address; a row's own address is no clash.
    EXPECT_EQ(
        (std::vector<bool>{false, false, false, true}),
        (std::vector<bool>{CanAddRecipient(list), HasRecipientAddress(list, "Ops@plant.net"),
                           HasRecipientAddress(list, "ops@plant.net", 14), HasRecipientAddress(list, "a@b.cd", 0)}));
}

TEST(SettingTargetTest, ATargetFallsBackOnlyWhenItsQuantityIsNoLongerWatched)
{
    CMonitorInterfaceData data;
    data.receiverSetting.bVoltage1 = data.receiverSetting.bVoltage2 = 0;
    data.senderSetting.bVideoInputError = 0;
    for (const auto& [target, watched] : {std::pair{RENDER_HUMIDITY, false},
                                          {RENDER_VOLTAGE, false},
                                          {RENDER_SINGLE_SENDER, false},
                                          {RENDER_RECEIVER, true},
                                          {RENDER_FAN, true}})
        EXPECT_EQ(IsTargetWatched(target, data), watched) << target;
}

TEST(SettingMapTest, EveryBoxLabelAndEditIsAControlOfTheMap)
{
    for (const SSettingBox& b : SettingBoxes()) {
        EXPECT_EQ(FindSettingControl(b.nBox)->eKind, EMorvControlKind::CheckBox) << b.nBox;
        EXPECT_EQ(FindBoxOfLabel(b.nLabel), &b);
    }
    for (const SSettingEdit& e : SettingEdits())
        EXPECT_EQ(FindSettingControl(e.nIndex)->nItemId, e.nItemId) << e.nIndex;
}

} // namespace
