#pragma once
// The day grid of CCusCalendar: the toolkit's month calendar with its own
// navigation bar and day-name header hidden (the calendar window draws
// those), every cell painted by the calendar's cell painter, and clicks on
// the neighbouring months' days refused while those days are hidden.
#include <QCalendarWidget>

#include <functional>

class QTableView;

namespace morv::calendar {

class CalendarGrid final : public QCalendarWidget {
public:
    using CellPainter = std::function<void(QPainter& painter, const QRect& rect, QDate date)>;

    CalendarGrid(QWidget* parent, CellPainter painter, std::function<bool()> showOtherMonths);

    // The view that shows the days; null if the toolkit ever builds the
    // calendar without one.
    QTableView* View() const;
    // The day in a cell of the view; invalid outside the cells.
    QDate DateAt(int row, int col) const;

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

private:
    CellPainter m_painter;
};

} // namespace morv::calendar
