#include "calendar_look.h"
#include "controls_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace morv::calendar;

namespace {

SCalendarLook TestLook()
{
    SCalendarLook look;
    look.clrPanel = RGBColor(250, 250, 250);
    look.clrSelection = RGBColor(38, 132, 255);
    look.clrTint = RGBColor(222, 236, 255);
    look.clrText = RGBColor(33, 37, 41);
    look.clrTextMuted = RGBColor(140, 148, 160);
    look.clrTextOnSelection = RGBColor(255, 255, 255);
    look.font = {"Sans", 14, false};
    look.fontBold = {"Sans", 14, true};
    look.fontTitle = {"Sans", 16, true};
    return look;
}

std::string Date(int y, int m, int d) { return std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d); }

std::string GridDateText(int year, int month, int row, int col)
{
    int y = 0, m = 0, d = 0;
    GridDate(year, month, row, col, y, m, d);
    return Date(y, m, d);
}

} // namespace

TEST(CalendarRules, PackedDates)
{
    EXPECT_EQ(PackDate(2021, 11, 25), 2021 * 65536 + 11 * 256 + 25);
    EXPECT_TRUE(IsValidDate(2024, 2, 29));
    EXPECT_FALSE(IsValidDate(2021, 2, 29));
    EXPECT_FALSE(IsValidDate(2021, 13, 1));
    EXPECT_FALSE(IsValidDate(0, 1, 1));
    EXPECT_FALSE(IsValidDate(2021, 4, 31));
}

TEST(CalendarRules, DayNumbersRoundTrip)
{
    int y = 0, m = 0, d = 0;
    DateOfDayNumber(DayNumber(2021, 12, 31) + 1, y, m, d);
    EXPECT_EQ(Date(y, m, d), "2022-1-1");
    EXPECT_EQ(DayNumber(1970, 1, 1), 0);
}

TEST(CalendarRules, GridStartsOnSundayWithTheMonthsLeadingDays)
{
    // 1 November 2021 is a Monday.
    EXPECT_EQ(GridDateText(2021, 11, 0, 0), "2021-10-31");
    EXPECT_EQ(GridDateText(2021, 11, 0, 1), "2021-11-1");
    EXPECT_EQ(GridDateText(2021, 11, 5, 6), "2021-12-11");
    // 1 August 2021 is a Sunday: a whole week of July comes first.
    EXPECT_EQ(GridDateText(2021, 8, 0, 0), "2021-7-25");
    EXPECT_EQ(GridDateText(2021, 8, 1, 0), "2021-8-1");
}

TEST(CalendarRules, TitleUsesTheUnitsWhenGiven)
{
    EXPECT_EQ(CalendarTitle(2021, 11, "", ""), "2021.11");
    EXPECT_EQ(CalendarTitle(2021, 3, "Y", "M"), "2021Y 3M");
}

TEST(CalendarRules, LayoutStacksNavigationHeaderGridAndTodayLine)
{
    const CRect client(0, 0, 280, 250);
    const SCalendarLayout plain = CalendarLayout(client, 1.0, false);
    EXPECT_EQ(plain.rcNav.Height(), 34);
    EXPECT_EQ(plain.rcHeader.top, plain.rcNav.bottom);
    EXPECT_EQ(plain.rcGrid.top, plain.rcHeader.bottom);
    EXPECT_EQ(plain.rcGrid.bottom, client.bottom);
    EXPECT_TRUE(plain.rcToday.IsRectEmpty());
    EXPECT_LT(plain.rcPrev.right, plain.rcNext.left);
    EXPECT_TRUE(plain.rcNav.PtInRect(plain.rcPrev.CenterPoint()));

    const SCalendarLayout withToday = CalendarLayout(client, 1.0, true);
    EXPECT_EQ(withToday.rcToday.bottom, client.bottom);
    EXPECT_EQ(withToday.rcGrid.bottom, withToday.rcToday.top);
    EXPECT_EQ(withToday.rcToday.Height(), 26);

    // Design lengths times the density, truncated.
    EXPECT_EQ(CalendarLayout(client, 1.5, false).rcNav.Height(), 51);
    EXPECT_EQ(CalendarLayout(CRect(0, 0, 700, 625), 2.5, true).rcToday.Height(), 65);
}

TEST(CalendarRules, HeaderColumnsTileTheHeader)
{
    const CRect header(6, 34, 274, 60);
    EXPECT_EQ(HeaderColumn(header, 0).left, header.left);
    EXPECT_EQ(HeaderColumn(header, 6).right, header.right);
    for (int col = 1; col < 7; ++col)
        EXPECT_EQ(HeaderColumn(header, col).left, HeaderColumn(header, col - 1).right);
}

TEST(CalendarCell, AMarkedDayIsTintedBoldAndDotted)
{
    RecordingCanvas dc;
    SCalendarCell cell;
    cell.nDay = 25;
    cell.bMarked = true;
    PaintCell(dc, CRect(0, 0, 40, 30), cell, TestLook());
    const auto ellipses = OpsOf(dc, DrawOp::Kind::FillEllipse);
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_EQ(ellipses[0].color, TestLook().clrTint);
    EXPECT_EQ(ellipses[1].color, TestLook().clrSelection); // the dot
    EXPECT_LT(ellipses[1].rect.Width(), ellipses[0].rect.Width());
    const auto texts = OpsOf(dc, DrawOp::Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "25");
    EXPECT_TRUE(texts[0].font.bold);
}

TEST(CalendarCell, APlainDayHasNoMark)
{
    RecordingCanvas dc;
    SCalendarCell cell;
    cell.nDay = 24;
    PaintCell(dc, CRect(0, 0, 40, 30), cell, TestLook());
    EXPECT_TRUE(OpsOf(dc, DrawOp::Kind::FillEllipse).empty());
    const auto texts = OpsOf(dc, DrawOp::Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_FALSE(texts[0].font.bold);
    EXPECT_EQ(texts[0].color, TestLook().clrText);
}

TEST(CalendarCell, TheChosenDayIsFilledAndItsMarkTurnsWhite)
{
    RecordingCanvas dc;
    SCalendarCell cell;
    cell.nDay = 3;
    cell.bSelected = true;
    cell.bMarked = true;
    PaintCell(dc, CRect(0, 0, 40, 30), cell, TestLook());
    const auto ellipses = OpsOf(dc, DrawOp::Kind::FillEllipse);
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_EQ(ellipses[0].color, TestLook().clrSelection);
    EXPECT_EQ(ellipses[1].color, TestLook().clrTextOnSelection);
    EXPECT_EQ(OpsOf(dc, DrawOp::Kind::Text)[0].color, TestLook().clrTextOnSelection);
}

TEST(CalendarCell, TodayIsARing)
{
    RecordingCanvas dc;
    SCalendarCell cell;
    cell.bToday = true;
    PaintCell(dc, CRect(0, 0, 40, 30), cell, TestLook());
    const auto ellipses = OpsOf(dc, DrawOp::Kind::FillEllipse);
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_EQ(ellipses[0].color, TestLook().clrSelection);
    EXPECT_EQ(ellipses[1].color, TestLook().clrPanel);
    EXPECT_GT(ellipses[1].rect.left, ellipses[0].rect.left);
}

TEST(CalendarCell, NeighbouringMonthsShowOnlyInPartialMode)
{
    SCalendarCell cell;
    cell.nDay = 31;
    cell.bInShownMonth = false;
    cell.bMarked = true;
    RecordingCanvas hidden;
    PaintCell(hidden, CRect(0, 0, 40, 30), cell, TestLook());
    ASSERT_EQ(hidden.Ops().size(), 1u);
    EXPECT_EQ(hidden.Ops()[0].kind, DrawOp::Kind::FillRect);

    cell.bShowOtherMonths = true;
    RecordingCanvas shown;
    PaintCell(shown, CRect(0, 0, 40, 30), cell, TestLook());
    const auto texts = OpsOf(shown, DrawOp::Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].color, TestLook().clrTextMuted);
}

TEST(CalendarFrame, DrawsTitleDayNamesInOrderAndTodayLine)
{
    RecordingCanvas dc;
    const CRect client(0, 0, 280, 250);
    SCalendarFrame frame;
    frame.strTitle = "2021.11";
    frame.weekNames = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
    frame.strToday = "Today 2021-11-25";
    frame.hover = ENavPart::Next;
    PaintFrame(dc, client, CalendarLayout(client, 1.0, true), frame, TestLook());
    std::vector<std::string> texts;
    for (const DrawOp& op : OpsOf(dc, DrawOp::Kind::Text))
        texts.push_back(op.text);
    EXPECT_EQ(texts,
              (std::vector<std::string>{"2021.11", "Su", "Mo", "Tu", "We", "Th", "Fr", "Sa", "Today 2021-11-25"}));
    // The hovered arrow sits on a tinted disc; the other does not.
    const auto discs = OpsOf(dc, DrawOp::Kind::FillEllipse);
    ASSERT_EQ(discs.size(), 1u);
    EXPECT_EQ(discs[0].rect, CalendarLayout(client, 1.0, true).rcNext);
    EXPECT_EQ(OpsOf(dc, DrawOp::Kind::Polyline).size(), 2u);
}
