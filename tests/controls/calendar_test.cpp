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

using morv::calendar::PackDate;
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

TEST_F(CalendarTest, InitOnceAChildNeedsAParent)
{
    EXPECT_EQ(std::tuple(calendar.IsWindowVisible(), calendar.GetParent()),
              std::tuple(true, static_cast<CWnd*>(&parent)));
    EXPECT_EQ(Chosen(), PackDate(2021, 11, 10));
    EXPECT_EQ(calendar.Init(&parent, nullptr), 0); // once only
    CCusCalendar orphan, popup;
    EXPECT_EQ(std::tuple(orphan.Init(nullptr, nullptr, CCusCalendar::kStyleChild), popup.Init(nullptr, nullptr, 0)),
              std::tuple(0, 1));
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

TEST_F(CalendarTest, MarksAreKeptQueriedAndDrawnVisibly)
{
    calendar.SetNeedShowDate({{2021, 11, 25}, {2021, 11, 3}, {2021, 2, 30}});
    EXPECT_EQ(calendar.GetNeedShowDate().size(), 3u);
    EXPECT_EQ(std::tuple(calendar.IsDateMarked(2021, 11, 25), calendar.IsDateMarked(2021, 11, 3),
                         calendar.IsDateMarked(2021, 11, 24), calendar.IsDateMarked(2021, 2, 30)),
              std::tuple(true, true, false, false));
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
}

TEST_F(CalendarTest, DaysPickedByTheUserAreReportedDaysSetByCodeAreNot)
{
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
    EXPECT_EQ(calendar.GetShowPartialDate(), 1);
    Click(october31);
    EXPECT_EQ(std::tuple(parent.Of(WM_CALENDAR_DATECHANGED).size(), Chosen()), std::tuple(2u, PackDate(2021, 10, 31)));

    parent.records.clear();
    log.dates.clear();
    calendar.SetDate(2022, 1, 5);
    calendar.SetDate(2022, 2, 30); // no such day: ignored
    EXPECT_EQ(std::tuple(Chosen(), Shown()), std::tuple(PackDate(2022, 1, 5), 202201));
    // The arrows step through the months; the chosen day stays.
    const auto layout = morv::calendar::CalendarLayout(calendar.GetClientRect(), morv::GetDensity(), false);
    calendar.SetDate(2021, 1, 15);
    calendar.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(layout.rcPrev.CenterPoint()));
    EXPECT_EQ(Shown(), 202012);
    calendar.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(layout.rcNext.CenterPoint()));
    calendar.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(layout.rcNext.CenterPoint()));
    EXPECT_EQ(std::tuple(Shown(), Chosen()), std::tuple(202102, PackDate(2021, 1, 15)));
    EXPECT_TRUE(parent.Of(WM_CALENDAR_DATECHANGED).empty() && log.dates.empty());
}

TEST_F(CalendarTest, TitleDayNamesAndATodayLineArePainted)
{
    const std::array<std::string, 7> names = {"S", "M", "T", "W", "T2", "F", "S2"};
    const int before = grid->height();
    CCusCalendar::SetDrawText("", "", "Today", names);
    EXPECT_LT(grid->height(), before);
    RecordingCanvas dc;
    calendar.OnPaint(dc, calendar.GetClientRect());
    std::vector<std::string> texts;
    for (const DrawOp& op : OpsOf(dc, DrawOp::Kind::Text))
        texts.push_back(op.text);
    ASSERT_EQ(texts.size(), 9u);
    EXPECT_EQ(texts[8].rfind("Today ", 0), 0u);
    texts.pop_back();
    EXPECT_EQ(texts, (std::vector<std::string>{"2021.11", "S", "M", "T", "W", "T2", "F", "S2"}));
    // A press on the today line picks today.
    const CRect today = morv::calendar::CalendarLayout(calendar.GetClientRect(), morv::GetDensity(), true).rcToday;
    calendar.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(today.CenterPoint()));
    const QDate now = QDate::currentDate();
    EXPECT_EQ(Chosen(), PackDate(now.year(), now.month(), now.day()));
    EXPECT_EQ(parent.Of(WM_CALENDAR_DATECHANGED).size(), 1u);
}
