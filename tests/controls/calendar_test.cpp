#include "calendar_look.h"
#include "controls/calendar.h"
#include "controls/density.h"
#include "platform/native_qt.h"
#include "widgets_test_support.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QMouseEvent>
#include <QTableView>
#include <gtest/gtest.h>

using widget_test::At;
using widget_test::CRecorderWnd;

namespace {

class TestCalendar : public CCusCalendar {
public:
    using CCusCalendar::OnPaint;
};

struct DateLog : IDateInfoChangedNotify {
    std::vector<int> dates;
    void OnDateInfoChanged(int y, int m, int d) override { dates.push_back(morv::calendar::PackDate(y, m, d)); }
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
                morv::calendar::GridDate(grid->yearShown(), grid->monthShown(), row, col, cy, cm, cd);
                if (cy == y && cm == m && cd == d)
                    return view->visualRect(view->model()->index(row, col)).center();
            }
        }
        return {};
    }

    void Click(const QPoint& at)
    {
        QWidget* target = view->viewport();
        const QPointF global = target->mapToGlobal(QPointF(at));
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(target, &release);
    }

    CRecorderWnd parent;
    DateLog log;
    TestCalendar calendar;
    QCalendarWidget* grid = nullptr;
    QTableView* view = nullptr;
};

} // namespace

TEST_F(CalendarTest, InitShowsAChildWithADate)
{
    EXPECT_TRUE(calendar.IsWindowVisible());
    EXPECT_EQ(calendar.GetParent(), &parent);
    int y = 0, m = 0, d = 0;
    calendar.GetDate(y, m, d);
    EXPECT_EQ(morv::calendar::PackDate(y, m, d), morv::calendar::PackDate(2021, 11, 10));
    EXPECT_EQ(calendar.Init(&parent, nullptr), 0); // once only
}

TEST(CalendarInit, AChildNeedsAParent)
{
    CCusCalendar orphan;
    EXPECT_EQ(orphan.Init(nullptr, nullptr, CCusCalendar::kStyleChild), 0);
    CCusCalendar popup;
    EXPECT_EQ(popup.Init(nullptr, nullptr, 0), 1);
}

TEST_F(CalendarTest, GridAgreesWithTheToolkitsMonthView)
{
    for (const auto& [y, m] : std::vector<std::pair<int, int>>{{2021, 8}, {2021, 11}, {2015, 2}, {2024, 2}}) {
        calendar.SetDate(y, m, 1);
        for (int row = 0; row < 6; ++row) {
            for (int col = 0; col < 7; ++col) {
                int cy = 0, cm = 0, cd = 0;
                morv::calendar::GridDate(y, m, row, col, cy, cm, cd);
                EXPECT_EQ(view->model()->index(row, col).data(Qt::DisplayRole).toInt(), cd)
                    << y << "-" << m << " cell " << row << "," << col;
            }
        }
    }
}

TEST_F(CalendarTest, MarksAreKeptAndQueried)
{
    calendar.SetNeedShowDate({{2021, 11, 25}, {2021, 11, 3}, {2021, 2, 30}});
    EXPECT_EQ(calendar.GetNeedShowDate().size(), 3u);
    EXPECT_TRUE(calendar.IsDateMarked(2021, 11, 25));
    EXPECT_TRUE(calendar.IsDateMarked(2021, 11, 3));
    EXPECT_FALSE(calendar.IsDateMarked(2021, 11, 24));
    EXPECT_FALSE(calendar.IsDateMarked(2021, 2, 30));
    calendar.SetNeedShowDate({});
    EXPECT_FALSE(calendar.IsDateMarked(2021, 11, 25));
}

TEST_F(CalendarTest, MarkedDaysAreDrawnVisibly)
{
    calendar.SetNeedShowDate({{2021, 11, 25}});
    const QImage image = view->viewport()->grab().toImage();
    const QColor dot(38, 132, 255);
    auto hasDot = [&](const QPoint& centre) {
        const QRect cell = view->visualRect(view->indexAt(centre));
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                if (image.pixelColor(x * image.width() / view->viewport()->width(),
                                     y * image.height() / view->viewport()->height())
                    == dot)
                    return true;
        return false;
    };
    EXPECT_TRUE(hasDot(CellOf(2021, 11, 25)));
    EXPECT_FALSE(hasDot(CellOf(2021, 11, 24)));
}

TEST_F(CalendarTest, PickingADayTellsTheParentAndTheCallback)
{
    Click(CellOf(2021, 11, 25));
    const auto sent = parent.Of(WM_CALENDAR_DATECHANGED);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].wParam, static_cast<WPARAM>(morv::calendar::PackDate(2021, 11, 25)));
    EXPECT_EQ(sent[0].lParam, reinterpret_cast<LPARAM>(&calendar));
    EXPECT_EQ(log.dates, std::vector<int>{morv::calendar::PackDate(2021, 11, 25)});
    int y = 0, m = 0, d = 0;
    calendar.GetDate(y, m, d);
    EXPECT_EQ(d, 25);
}

TEST_F(CalendarTest, ADateSetByCodeIsNotReported)
{
    calendar.SetDate(2022, 1, 5);
    calendar.SetDate(2022, 2, 30); // no such day: ignored
    EXPECT_TRUE(parent.Of(WM_CALENDAR_DATECHANGED).empty());
    EXPECT_TRUE(log.dates.empty());
    int y = 0, m = 0, d = 0;
    calendar.GetDate(y, m, d);
    EXPECT_EQ(morv::calendar::PackDate(y, m, d), morv::calendar::PackDate(2022, 1, 5));
    calendar.GetShownMonth(y, m);
    EXPECT_EQ(y * 100 + m, 202201);
}

TEST_F(CalendarTest, NeighbouringDaysCanBePickedOnlyInPartialMode)
{
    const QPoint october31 = CellOf(2021, 10, 31);
    ASSERT_FALSE(october31.isNull());
    Click(october31);
    EXPECT_TRUE(parent.Of(WM_CALENDAR_DATECHANGED).empty());
    int y = 0, m = 0, d = 0;
    calendar.GetShownMonth(y, m);
    EXPECT_EQ(m, 11);

    calendar.SetShowPartialDate(1);
    EXPECT_EQ(calendar.GetShowPartialDate(), 1);
    Click(october31);
    ASSERT_EQ(parent.Of(WM_CALENDAR_DATECHANGED).size(), 1u);
    calendar.GetDate(y, m, d);
    EXPECT_EQ(morv::calendar::PackDate(y, m, d), morv::calendar::PackDate(2021, 10, 31));
}

TEST_F(CalendarTest, DayNamesAndTitleArePainted)
{
    const std::array<std::string, 7> names = {"S", "M", "T", "W", "T2", "F", "S2"};
    CCusCalendar::SetDrawText("", "", "", names);
    RecordingCanvas dc;
    calendar.OnPaint(dc, calendar.GetClientRect());
    std::vector<std::string> texts;
    for (const DrawOp& op : dc.Ops())
        if (op.kind == DrawOp::Kind::Text)
            texts.push_back(op.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"2021.11", "S", "M", "T", "W", "T2", "F", "S2"}));
}

TEST_F(CalendarTest, ATodayTextAddsALineUnderTheDays)
{
    const int before = grid->height();
    CCusCalendar::SetDrawText("", "", "Today", kNames);
    EXPECT_LT(grid->height(), before);
    RecordingCanvas dc;
    calendar.OnPaint(dc, calendar.GetClientRect());
    const bool found = std::any_of(dc.Ops().begin(), dc.Ops().end(), [](const DrawOp& op) {
        return op.kind == DrawOp::Kind::Text && op.text.rfind("Today ", 0) == 0;
    });
    EXPECT_TRUE(found);

    const CRect today = morv::calendar::CalendarLayout(calendar.GetClientRect(), morv::GetDensity(), true).rcToday;
    calendar.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(today.CenterPoint()));
    const QDate now = QDate::currentDate();
    int y = 0, m = 0, d = 0;
    calendar.GetDate(y, m, d);
    EXPECT_EQ(morv::calendar::PackDate(y, m, d), morv::calendar::PackDate(now.year(), now.month(), now.day()));
    EXPECT_EQ(parent.Of(WM_CALENDAR_DATECHANGED).size(), 1u);
}

TEST_F(CalendarTest, ArrowsStepThroughMonths)
{
    const auto layout = morv::calendar::CalendarLayout(calendar.GetClientRect(), morv::GetDensity(), false);
    calendar.SetDate(2021, 1, 15);
    calendar.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(layout.rcPrev.CenterPoint()));
    int y = 0, m = 0;
    calendar.GetShownMonth(y, m);
    EXPECT_EQ(y * 100 + m, 202012);
    calendar.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(layout.rcNext.CenterPoint()));
    calendar.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(layout.rcNext.CenterPoint()));
    calendar.GetShownMonth(y, m);
    EXPECT_EQ(y * 100 + m, 202102);
    // Stepping shows months; the chosen day stays.
    int d = 0;
    calendar.GetDate(y, m, d);
    EXPECT_EQ(morv::calendar::PackDate(y, m, d), morv::calendar::PackDate(2021, 1, 15));
    EXPECT_TRUE(parent.Of(WM_CALENDAR_DATECHANGED).empty());
}
