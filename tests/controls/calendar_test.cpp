#include "calendar_look.h"
#include "controls/calendar.h"
#include "controls/density.h"
#include "controls_test_support.h"
#include "platform/native_qt.h"
#include "widgets_test_support.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QMouseEvent>
#include <QTableView>
#include <gtest/gtest.h>

using namespace morv::calendar;
using widget_test::At;
using widget_test::CRecorderWnd;

namespace {

class TestCalendar : public CCusCalendar {
public:
    using CCusCalendar::OnPaint;
};

struct DateLog : IDateInfoChangedNotify {
    std::vector<int> dates;
    void OnDateInfoChanged(int y, int m, int d) override { dates.push_back(PackDate(y, m, d)); }
};

const std::array<std::string, 7> kNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

class CalendarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CCusCalendar::SetDrawText("", "", "", kNames);
        ASSERT_TRUE(parent.Create());
        ASSERT_EQ(calendar.Init(&parent, &log, CCusCalendar::kStyleChild), 1);
        calendar.MoveWindow(CRect(10, 10, 290, 260));
        calendar.SetDate(2021, 11, 10);
        grid = plat::NativeWidget(&calendar)->findChild<QCalendarWidget*>();
        ASSERT_NE(grid, nullptr);
        view = grid->findChild<QTableView*>();
        ASSERT_NE(view, nullptr);
    }

    void TearDown() override { CCusCalendar::SetDrawText("", "", "", kNames); }

    // The centre of a day's cell in the view's viewport; a null point when
    // the month on show has no cell for it.
    QPoint CellOf(int y, int m, int d) const
    {
        for (int row = 0; row < 6; ++row) {
            for (int col = 0; col < 7; ++col) {
                int cy = 0, cm = 0, cd = 0;
                GridDate(grid->yearShown(), grid->monthShown(), row, col, cy, cm, cd);
                if (cy == y && cm == m && cd == d)
                    return view->visualRect(view->model()->index(row, col)).center();
            }
        }
        return {};
    }

    void Click(const QPoint& at) { widget_test::RealClick(view->viewport(), at); }
    int Chosen()
    {
        int y = 0, m = 0, d = 0;
        calendar.GetDate(y, m, d);
        return PackDate(y, m, d);
    }
    int Shown()
    {
        int y = 0, m = 0;
        calendar.GetShownMonth(y, m);
        return y * 100 + m;
    }

    CRecorderWnd parent;
    DateLog log;
    TestCalendar calendar;
    QCalendarWidget* grid = nullptr;
    QTableView* view = nullptr;
};

} // namespace

TEST_F(CalendarTest, InitOnceAChildNeedsAParentAndTheGridAgreesWithTheToolkitsMonthView)
{
    EXPECT_EQ(std::tuple(calendar.IsWindowVisible(), calendar.GetParent()),
              std::tuple(true, static_cast<CWnd*>(&parent)));
    EXPECT_EQ(Chosen(), PackDate(2021, 11, 10));
    EXPECT_EQ(calendar.Init(&parent, nullptr), 0); // once only
    CCusCalendar orphan, popup;
    EXPECT_EQ(std::tuple(orphan.Init(nullptr, nullptr, CCusCalendar::kStyleChild), popup.Init(nullptr, nullptr, 0)),
              std::tuple(0, 1));
    for (const auto& [y, m] : std::vector<std::pair<int, int>>{{2021, 8}, {2021, 11}, {2015, 2}, {2024, 2}}) {
        calendar.SetDate(y, m, 1);
        for (int cell = 0, cy = 0, cm = 0, cd = 0; cell < 42; ++cell) {
            GridDate(y, m, cell / 7, cell % 7, cy, cm, cd);
            EXPECT_EQ(view->model()->index(cell / 7, cell % 7).data(Qt::DisplayRole).toInt(), cd)
                << y << "-" << m << " cell " << cell;
        }
    }
}

TEST_F(CalendarTest, MarksDaysPickedByTheUserOrSetByCodeTheArrowsAndThePaintedTitleDayNamesAndTodayLine)
{
    calendar.SetNeedShowDate({{2021, 11, 25}, {2021, 11, 3}, {2021, 2, 30}});
    EXPECT_EQ(calendar.GetNeedShowDate().size(), 3u);
    EXPECT_EQ(std::tuple(calendar.IsDateMarked(2021, 11, 25), calendar.IsDateMarked(2021, 11, 3),
                         calendar.IsDateMarked(2021, 11, 24), calendar.IsDateMarked(2021, 2, 30)),
              std::tuple(true, true, false, false));
    // The widget draws the mark in the marked day's cell only.
    const QImage image = view->viewport()->grab().toImage();
    auto hasDot = [&](const QPoint& centre) {
        const QRect cell = view->visualRect(view->indexAt(centre));
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                if (image.pixelColor(x * image.width() / view->viewport()->width(),
                                     y * image.height() / view->viewport()->height())
                    == QColor(38, 132, 255))
                    return true;
        return false;
    };
    EXPECT_EQ(std::tuple(hasDot(CellOf(2021, 11, 25)), hasDot(CellOf(2021, 11, 24))), std::tuple(true, false));
    calendar.SetNeedShowDate({});
    EXPECT_FALSE(calendar.IsDateMarked(2021, 11, 25));

    // Days picked by the user are reported; days set by code are not.
    Click(CellOf(2021, 11, 25));
    auto sent = parent.Of(WM_CALENDAR_DATECHANGED);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(std::tuple(sent[0].wParam, sent[0].lParam),
              std::tuple(static_cast<WPARAM>(PackDate(2021, 11, 25)), reinterpret_cast<LPARAM>(&calendar)));
    EXPECT_EQ(std::tuple(log.dates, Chosen()),
              std::tuple(std::vector<int>{PackDate(2021, 11, 25)}, PackDate(2021, 11, 25)));

    // Neighbouring days can be picked only in partial mode.
    const QPoint october31 = CellOf(2021, 10, 31);
    ASSERT_FALSE(october31.isNull());
    Click(october31);
    EXPECT_EQ(std::tuple(parent.Of(WM_CALENDAR_DATECHANGED).size(), Shown()), std::tuple(1u, 202111));
    calendar.SetShowPartialDate(1);
    Click(october31);
    EXPECT_EQ(std::tuple(parent.Of(WM_CALENDAR_DATECHANGED).size(), Chosen()), std::tuple(2u, PackDate(2021, 10, 31)));

    parent.records.clear();
    log.dates.clear();
    calendar.SetDate(2022, 1, 5);
    calendar.SetDate(2022, 2, 30); // no such day: ignored
    EXPECT_EQ(std::tuple(Chosen(), Shown()), std::tuple(PackDate(2022, 1, 5), 202201));
    // The arrows step through the months; the chosen day stays.
    const auto layout = CalendarLayout(calendar.GetClientRect(), morv::GetDensity(), false);
    calendar.SetDate(2021, 1, 15);
    calendar.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(layout.rcPrev.CenterPoint()));
    EXPECT_EQ(Shown(), 202012);
    calendar.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(layout.rcNext.CenterPoint()));
    calendar.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(layout.rcNext.CenterPoint()));
    EXPECT_EQ(std::tuple(Shown(), Chosen()), std::tuple(202102, PackDate(2021, 1, 15)));
    EXPECT_TRUE(parent.Of(WM_CALENDAR_DATECHANGED).empty() && log.dates.empty());

    const int before = grid->height();
    CCusCalendar::SetDrawText("", "", "Today", kNames);
    EXPECT_LT(grid->height(), before);
    RecordingCanvas dc;
    calendar.OnPaint(dc, calendar.GetClientRect());
    std::vector<std::string> texts; // the title, the day names in order, the today line
    for (const DrawOp& op : OpsOf(dc, DrawOp::Kind::Text))
        texts.push_back(op.text);
    ASSERT_EQ(texts.size(), 9u);
    EXPECT_EQ(std::vector(texts.begin(), texts.begin() + 8),
              (std::vector<std::string>{"2021.02", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}));
    EXPECT_EQ(texts[8].rfind("Today ", 0), 0u);
    // A press on the today line picks today.
    const CRect today = CalendarLayout(calendar.GetClientRect(), morv::GetDensity(), true).rcToday;
    calendar.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(today.CenterPoint()));
    const QDate now = QDate::currentDate();
    EXPECT_EQ(Chosen(), PackDate(now.year(), now.month(), now.day()));
    EXPECT_EQ(parent.Of(WM_CALENDAR_DATECHANGED).size(), 1u);
}

namespace {

SCalendarLook TestLook()
{
    return {RGBColor(250, 250, 250), RGBColor(38, 132, 255),  RGBColor(222, 236, 255),
            RGBColor(33, 37, 41),    RGBColor(140, 148, 160), RGBColor(255, 255, 255),
            {"Sans", 14, false},     {"Sans", 14, true},      {"Sans", 16, true}};
}

std::string Date(int y, int m, int d) { return std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d); }

} // namespace

TEST(CalendarRules, DatesGridTitleLayoutAndPaintedCellsAndArrows)
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

    const SCalendarLook look = TestLook();
    using Colors = std::vector<Color>;
    const Color sel = look.clrSelection, text = look.clrText;
    // What, marked, selected, today, in the month, other months shown; the discs, bold, the text colour.
    const std::tuple<const char*, bool, bool, bool, bool, bool, Colors, bool, Color> cases[]
        = {{"marked", true, false, false, true, false, {look.clrTint, sel}, true, text},
           {"plain", false, false, false, true, false, {}, false, text},
           {"chosen", true, true, false, true, false, {sel, look.clrTextOnSelection}, true, look.clrTextOnSelection},
           {"today", false, false, true, true, false, {sel, look.clrPanel}, false, text},
           {"other month", true, false, false, false, true, {look.clrTint, sel}, true, look.clrTextMuted}};
    for (const auto& [what, marked, selected, today, inMonth, showOthers, discs, bold, colour] : cases) {
        SCOPED_TRACE(what);
        SCalendarCell cell;
        cell.nDay = 25;
        std::tie(cell.bMarked, cell.bSelected, cell.bToday, cell.bInShownMonth, cell.bShowOtherMonths)
            = std::tuple(marked, selected, today, inMonth, showOthers);
        RecordingCanvas dc;
        PaintCell(dc, CRect(0, 0, 40, 30), cell, look);
        const auto ellipses = OpsOf(dc, DrawOp::Kind::FillEllipse);
        std::vector<Color> colours;
        for (const DrawOp& op : ellipses)
            colours.push_back(op.color);
        EXPECT_EQ(colours, discs);
        if (ellipses.size() == 2u) { // the inner one: the dot or the inside of the ring
            EXPECT_GT(ellipses[1].rect.left, ellipses[0].rect.left);
        }
        const auto texts = OpsOf(dc, DrawOp::Kind::Text);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(std::tuple(texts[0].text, texts[0].font.bold, texts[0].color),
                  std::tuple(std::string("25"), bold, colour));
    }
    SCalendarCell hidden;
    hidden.bInShownMonth = false;
    RecordingCanvas dc;
    PaintCell(dc, CRect(0, 0, 40, 30), hidden, look);
    ASSERT_EQ(dc.Ops().size(), 1u);
    EXPECT_EQ(dc.Ops()[0].kind, DrawOp::Kind::FillRect);
    // The hovered arrow sits on a tinted disc; the other does not.
    RecordingCanvas frameDc;
    SCalendarFrame frame;
    frame.hover = ENavPart::Next;
    PaintFrame(frameDc, client, CalendarLayout(client, 1.0, true), frame, look);
    const auto discs = OpsOf(frameDc, DrawOp::Kind::FillEllipse);
    ASSERT_EQ(discs.size(), 1u);
    EXPECT_EQ(std::tuple(discs[0].rect, OpsOf(frameDc, DrawOp::Kind::Polyline).size()),
              std::tuple(CalendarLayout(client, 1.0, true).rcNext, 2u));
}

// A marked day is tinted, bold and dotted; the chosen day is filled and its
// mark turns white; today is a ring; neighbouring months show only in partial mode.
