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

} // namespace

TEST(CalendarRules, DatesGridTitleAndLayout)
{
    EXPECT_EQ(PackDate(2021, 11, 25), 2021 * 65536 + 11 * 256 + 25);
    EXPECT_TRUE(IsValidDate(2024, 2, 29));
    EXPECT_FALSE(IsValidDate(2021, 2, 29) || IsValidDate(2021, 13, 1) || IsValidDate(0, 1, 1)
                 || IsValidDate(2021, 4, 31));
    int y = 0, m = 0, d = 0;
    DateOfDayNumber(DayNumber(2021, 12, 31) + 1, y, m, d);
    EXPECT_EQ(std::tuple(Date(y, m, d), DayNumber(1970, 1, 1)), std::tuple(std::string("2022-1-1"), 0));
    // The grid starts on Sunday: 1 November 2021 is a Monday; 1 August 2021 a Sunday, after a whole week of July.
    const std::tuple<int, int, int, const char*> cells[] = {{11, 0, 0, "2021-10-31"},
                                                            {11, 0, 1, "2021-11-1"},
                                                            {11, 5, 6, "2021-12-11"},
                                                            {8, 0, 0, "2021-7-25"},
                                                            {8, 1, 0, "2021-8-1"}};
    for (const auto& [month, row, col, date] : cells) {
        GridDate(2021, month, row, col, y, m, d);
        EXPECT_EQ(Date(y, m, d), date);
    }
    EXPECT_EQ(std::tuple(CalendarTitle(2021, 11, "", ""), CalendarTitle(2021, 3, "Y", "M")),
              std::tuple(std::string("2021.11"), std::string("2021Y 3M")));

    // Navigation, header, grid and today line stacked; design lengths times the density, truncated.
    const CRect client(0, 0, 280, 250);
    const SCalendarLayout plain = CalendarLayout(client, 1.0, false), withToday = CalendarLayout(client, 1.0, true);
    EXPECT_EQ(std::tuple(plain.rcNav.Height(), plain.rcHeader.top, plain.rcGrid.top, plain.rcGrid.bottom),
              std::tuple(34, plain.rcNav.bottom, plain.rcHeader.bottom, client.bottom));
    EXPECT_TRUE(plain.rcToday.IsRectEmpty() && plain.rcPrev.right < plain.rcNext.left
                && plain.rcNav.PtInRect(plain.rcPrev.CenterPoint()));
    EXPECT_EQ(std::tuple(withToday.rcToday.bottom, withToday.rcGrid.bottom, withToday.rcToday.Height()),
              std::tuple(client.bottom, withToday.rcToday.top, 26));
    EXPECT_EQ(std::tuple(CalendarLayout(client, 1.5, false).rcNav.Height(),
                         CalendarLayout(CRect(0, 0, 700, 625), 2.5, true).rcToday.Height()),
              std::tuple(51, 65));
    // Header columns tile the header.
    const CRect header(6, 34, 274, 60);
    EXPECT_EQ(std::tuple(HeaderColumn(header, 0).left, HeaderColumn(header, 6).right),
              std::tuple(header.left, header.right));
    for (int col = 1; col < 7; ++col)
        EXPECT_EQ(HeaderColumn(header, col).left, HeaderColumn(header, col - 1).right);
}

// A marked day is tinted, bold and dotted; the chosen day is filled and its
// mark turns white; today is a ring; neighbouring months show only in partial mode.
TEST(CalendarCell, MarksSelectionTodayAndNeighbouringMonths)
{
    const SCalendarLook look = TestLook();
    struct Case {
        const char* what;
        bool marked, selected, today, inMonth, showOthers;
        std::vector<Color> ellipses;
        bool bold;
        Color text;
    } cases[] = {
        {"marked", true, false, false, true, false, {look.clrTint, look.clrSelection}, true, look.clrText},
        {"plain", false, false, false, true, false, {}, false, look.clrText},
        {"chosen",
         true,
         true,
         false,
         true,
         false,
         {look.clrSelection, look.clrTextOnSelection},
         true,
         look.clrTextOnSelection},
        {"today", false, false, true, true, false, {look.clrSelection, look.clrPanel}, false, look.clrText},
        {"other month", true, false, false, false, true, {look.clrTint, look.clrSelection}, true, look.clrTextMuted},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SCalendarCell cell;
        cell.nDay = 25;
        std::tie(cell.bMarked, cell.bSelected, cell.bToday, cell.bInShownMonth, cell.bShowOtherMonths)
            = std::tuple(c.marked, c.selected, c.today, c.inMonth, c.showOthers);
        RecordingCanvas dc;
        PaintCell(dc, CRect(0, 0, 40, 30), cell, look);
        const auto ellipses = OpsOf(dc, DrawOp::Kind::FillEllipse);
        std::vector<Color> colours;
        for (const DrawOp& op : ellipses)
            colours.push_back(op.color);
        EXPECT_EQ(colours, c.ellipses);
        if (ellipses.size() == 2u) { // the inner one: the dot or the inside of the ring
            EXPECT_GT(ellipses[1].rect.left, ellipses[0].rect.left);
        }
        const auto texts = OpsOf(dc, DrawOp::Kind::Text);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(std::tuple(texts[0].text, texts[0].font.bold, texts[0].color),
                  std::tuple(std::string("25"), c.bold, c.text));
    }
    SCalendarCell hidden;
    hidden.bInShownMonth = false;
    RecordingCanvas dc;
    PaintCell(dc, CRect(0, 0, 40, 30), hidden, look);
    ASSERT_EQ(dc.Ops().size(), 1u);
    EXPECT_EQ(dc.Ops()[0].kind, DrawOp::Kind::FillRect);
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
