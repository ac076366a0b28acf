// The settings page's rules as plain functions: edits, layout, scrolling,
// recipients and the view target.
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

TEST(SettingEditTest, BadTextsLeaveTheSettingUnchanged)
{
    const std::string pasted(10000, '7');
    for (UINT item : {kTemperatureItem, kHumidityItem, kWarningNumItem, kVoltage1MinItem, kVoltage2MaxItem}) {
        for (const std::string& text : {std::string(), std::string("abc"), std::string("-0"), std::string("1e9"),
                                        std::string("12x"), std::string(" 50"), std::string("-5"), pasted,
                                        std::string("100000"), std::string("1.25")}) {
            CMonitorInterfaceData data;
            const CMonitorInterfaceData before = data;
            EXPECT_FALSE(TakeSettingEditText(EditOf(item), text, data, false)) << item << " \"" << text.substr(0, 20) << "\"";
            EXPECT_FALSE(data != before) << item << " \"" << text.substr(0, 20) << "\"";
        }
    }
}

TEST(SettingEditTest, ValuesInsideTheBoundsAreTakenAndOutsideAreNot)
{
    struct Case {
        UINT item;
        const char* text;
        bool taken;
    };
    const Case cases[] = {
        {kTemperatureItem, "19", false}, {kTemperatureItem, "20", true}, {kTemperatureItem, "100", true},
        {kTemperatureItem, "101", false}, {kHumidityItem, "19", false}, {kHumidityItem, "85", true},
        {kWarningNumItem, "0", false}, {kWarningNumItem, "1", true}, {kWarningNumItem, "1000", true},
        {kWarningNumItem, "1001", false}, {kVoltage1MinItem, "0", true}, {kVoltage1MinItem, "4.5", true},
        {kVoltage1MaxItem, "10000.0", true}, {kVoltage1MaxItem, "10000.1", false}, {kVoltage2MinItem, "5.", false},
    };
    for (const Case& c : cases) {
        CMonitorInterfaceData data;
        EXPECT_EQ(TakeSettingEditText(EditOf(c.item), c.text, data, false), c.taken) << c.item << " " << c.text;
        if (c.taken) {
            EXPECT_DOUBLE_EQ(EditOf(c.item).get(data), std::stod(c.text)) << c.item << " " << c.text;
        }
    }
}

TEST(SettingEditTest, TemperatureIsShownAndTypedInFahrenheitAndStoredInCelsius)
{
    CMonitorInterfaceData data;
    const SSettingEdit& temperature = EditOf(kTemperatureItem);
    EXPECT_EQ(SettingEditText(temperature, data, true), "140");
    EXPECT_EQ(SettingEditText(temperature, data, false), "60");
    EXPECT_TRUE(TakeSettingEditText(temperature, "100", data, true));
    EXPECT_EQ(data.receiverSetting.nTemperature, 38);
    EXPECT_FALSE(TakeSettingEditText(temperature, "67", data, true));
    EXPECT_FALSE(TakeSettingEditText(temperature, "213", data, true));
    EXPECT_TRUE(TakeSettingEditText(temperature, "212", data, true));
    EXPECT_EQ(data.receiverSetting.nTemperature, 100);
    EXPECT_EQ(MinShownTemperature(true), 68);
    EXPECT_EQ(MaxShownTemperature(true), 212);
}

TEST(SettingEditTest, VoltagesShowOneDecimalAndRefreshIsHeldToTwoHours)
{
    CMonitorInterfaceData data;
    data.receiverSetting.fVoltage1Min = 4.25f;
    EXPECT_EQ(SettingEditText(EditOf(kVoltage1MinItem), data, false), "4.2");
    EXPECT_EQ(SettingEditText(EditOf(kVoltage1MaxItem), data, false), "12.0");
    EXPECT_EQ(RefreshSecondsOf(5), 10);
    EXPECT_EQ(RefreshSecondsOf(86399), 7200);
    EXPECT_EQ(RefreshSecondsOf(600), 600);
}

TEST(SettingLayoutTest, AFibreSenderHasNoVideoInputRowAndNoReceiverSection)
{
    const SPageLayout full = LayoutSettingPage({});
    const SPageLayout fibre = LayoutSettingPage({1.0, true});
    for (int index : {int(kVideoInputBox), int(kVideoInputLabel), int(kReceiverTitle), int(kTemperatureEdit),
                      VoltageControl(1, kVoltageUnit)}) {
        EXPECT_TRUE(full.rects.count(index)) << index;
        EXPECT_FALSE(fibre.rects.count(index)) << index;
    }
    EXPECT_EQ(fibre.sectionTops[static_cast<int>(ESection::Receiver)], -1);
    EXPECT_LT(fibre.nHeight, full.nHeight);
    // Sections stack downward.
    for (int s = 1; s < kSectionCount; ++s)
        EXPECT_GT(full.sectionTops[static_cast<std::size_t>(s)], full.sectionTops[static_cast<std::size_t>(s - 1)]);
}

TEST(SettingLayoutTest, TheRecipientTableHasAtLeastSixRowsAndThePageGrowsWithIt)
{
    for (int n = 0; n <= 5; ++n)
        EXPECT_EQ(RecipientTableRows(n), 6) << n;
    EXPECT_EQ(RecipientTableRows(6), 7);
    EXPECT_EQ(RecipientTableRows(15), 16);
    const SPageLayout few = LayoutSettingPage({1.0, false, false, 3});
    const SPageLayout many = LayoutSettingPage({1.0, false, false, 15});
    EXPECT_EQ(few.rects.at(kRecipientTable).Height(), 7 * 20);
    EXPECT_EQ(many.rects.at(kRecipientTable).Height(), 17 * 20);
    // The page ends 20 pixels under the table, or under the buttons beside a short one.
    EXPECT_EQ(many.nHeight, many.rects.at(kRecipientTable).bottom + 20);
    EXPECT_EQ(few.nHeight, few.rects.at(kTest).bottom + 20);
    EXPECT_EQ(few.rects.at(kRecipientTable).Width(), 310);
}

TEST(SettingLayoutTest, OffsetMovesEveryRowAndDensityScalesIt)
{
    const SPageLayout top = LayoutSettingPage({});
    const SPageLayout down = LayoutSettingPage({1.0, false, false, 0, -150});
    EXPECT_EQ(down.nHeight, top.nHeight);
    for (const auto& [index, rect] : top.rects)
        EXPECT_EQ(down.rects.at(index).top, rect.top - 150) << index;
    const SPageLayout big = LayoutSettingPage({2.5});
    EXPECT_EQ(big.rects.at(kRefreshEdit).Height(), 45);   // 18 design pixels
    EXPECT_EQ(big.rects.at(kRecipientTable).Width(), 775);
    EXPECT_EQ(big.nRowHeight, 50);
    const SPageLayout narrow = LayoutSettingPage({1.0, false, true});
    EXPECT_EQ(narrow.rects.at(kRefreshLabel).Width(), 70);
    EXPECT_EQ(top.rects.at(kRefreshLabel).Width(), 100);
    EXPECT_EQ(narrow.rects.at(kRefreshEdit).left, narrow.rects.at(kRefreshLabel).right + 5);
}

TEST(SettingScrollTest, APageThatFitsDoesNotScroll)
{
    EXPECT_EQ(ScrollableHeight(400, 500), 0);
    EXPECT_EQ(PositionAfterWheel(0, -120, 0, 1.0), 0);
    EXPECT_EQ(OffsetForPosition(100, 0), 0);
    EXPECT_EQ(OffsetForTitle(300, 20, 0), 0);
    EXPECT_EQ(PositionForOffset(-50, 0), 0);
}

TEST(SettingScrollTest, WheelStepsAreEightyPixelsHeldToTheRange)
{
    // 400 pixels to scroll: a notch is 20 positions.
    EXPECT_EQ(PositionAfterWheel(0, -120, 400, 1.0), 20);
    EXPECT_EQ(PositionAfterWheel(50, 120, 400, 1.0), 30);
    EXPECT_EQ(PositionAfterWheel(90, -120, 400, 1.0), 100);
    EXPECT_EQ(PositionAfterWheel(10, 240, 400, 1.0), 0);
    EXPECT_EQ(PositionAfterWheel(0, -120, 400, 2.5), 50);
    EXPECT_EQ(PositionAfterWheel(0, -120, 3000, 1.0), 3);
    EXPECT_EQ(OffsetForPosition(50, 400), -200);
    EXPECT_EQ(PositionForOffset(-200, 400), 50);
}

TEST(SettingScrollTest, NavigationBringsTheTitleTwentyPixelsBelowTheTopAsFarAsThePageGoes)
{
    EXPECT_EQ(OffsetForTitle(20, 20, 400), 0);
    EXPECT_EQ(OffsetForTitle(220, 20, 400), -200);
    EXPECT_EQ(OffsetForTitle(900, 20, 400), -400);
    const std::array<int, kSectionCount> tops{20, 120, 300, 700};
    EXPECT_EQ(SectionAt(tops, 0), ESection::General);
    EXPECT_EQ(SectionAt(tops, -21), ESection::Sender);
    EXPECT_EQ(SectionAt(tops, -300), ESection::Receiver);
    EXPECT_EQ(SectionAt(tops, -301), ESection::Mail);
    const std::array<int, kSectionCount> fibre{20, 120, -1, 300};
    EXPECT_EQ(SectionAt(fibre, -121), ESection::Mail);
}

TEST(RecipientRulesTest, FifteenAtMostAndAddressesClashExactly)
{
    std::vector<SMailInfo> list(14, SMailInfo{"n", "a@b.cd"});
    EXPECT_TRUE(CanAddRecipient(list));
    list.push_back({"o", "ops@plant.net"});
    EXPECT_FALSE(CanAddRecipient(list));
    EXPECT_TRUE(HasRecipientAddress(list, "ops@plant.net"));
    EXPECT_FALSE(HasRecipientAddress(list, "Ops@plant.net"));
    EXPECT_FALSE(HasRecipientAddress(list, "ops@plant.net", 14));   // its own row
    EXPECT_TRUE(HasRecipientAddress(list, "a@b.cd", 0));
}

TEST(RecipientRulesTest, TheTableShowsEveryRecipientAndBlankRows)
{
    const SMorvTable table = MakeRecipientTable({{"Ops", "ops@plant.net"}, {"", "night@plant.net"}}, "Name", "Mail", 20);
    ASSERT_EQ(table.rows.size(), 6u);
    EXPECT_EQ(table.columnWeights, (std::vector<int>{50, 100}));
    EXPECT_EQ(table.headers, (std::vector<std::string>{"Name", "Mail"}));
    EXPECT_EQ(table.rows[1].cells, (std::vector<std::string>{"", "night@plant.net"}));
    EXPECT_EQ(table.rows[5].cells, (std::vector<std::string>{"", ""}));
}

TEST(SettingTargetTest, ATargetFallsBackOnlyWhenItsQuantityIsNoLongerWatched)
{
    CMonitorInterfaceData data;
    data.receiverSetting.bPowerSupply1 = 1;
    data.receiverSetting.bPowerSupply2 = 0;
    EXPECT_TRUE(IsTargetWatched(RENDER_POWER, data));
    data.receiverSetting.bPowerSupply1 = 0;
    EXPECT_FALSE(IsTargetWatched(RENDER_POWER, data));
    data.receiverSetting.bTemperature = 0;
    EXPECT_FALSE(IsTargetWatched(RENDER_TEMPERATURE, data));
    EXPECT_FALSE(IsTargetWatched(RENDER_HUMIDITY, data));   // off by default
    EXPECT_FALSE(IsTargetWatched(RENDER_VOLTAGE, data));
    EXPECT_TRUE(IsTargetWatched(RENDER_RECEIVER, data));
    EXPECT_TRUE(IsTargetWatched(RENDER_FAN, data));
    data.senderSetting.bVideoInputError = 0;
    EXPECT_FALSE(IsTargetWatched(RENDER_SINGLE_SENDER, data));
}

TEST(SettingMapTest, EveryBoxLabelAndEditIsAControlOfTheMap)
{
    for (const SSettingBox& b : SettingBoxes()) {
        EXPECT_EQ(FindSettingControl(b.nBox)->eKind, EMorvControlKind::CheckBox) << b.nBox;
        EXPECT_EQ(FindSettingControl(b.nLabel)->eKind, EMorvControlKind::Label) << b.nLabel;
        EXPECT_EQ(FindBoxOfLabel(b.nLabel), &b);
    }
    for (const SSettingEdit& e : SettingEdits())
        EXPECT_EQ(FindSettingControl(e.nIndex)->nItemId, e.nItemId) << e.nIndex;
}

} // namespace
