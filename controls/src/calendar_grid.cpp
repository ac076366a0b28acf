#include "calendar_grid.h"

#include "calendar_look.h"

#include <QEvent>
#include <QMouseEvent>
#include <QTableView>

namespace morv::calendar {

namespace {

// Swallows mouse presses, releases and drags on cells of the neighbouring
// months while those are hidden, so an empty cell never changes the date.
class OtherMonthFilter final : public QObject {
public:
    OtherMonthFilter(CalendarGrid* grid, QTableView* view, std::function<bool()> showOtherMonths)
        : QObject(view), m_grid(grid), m_view(view), m_showOtherMonths(std::move(showOtherMonths))
    {}

protected:
    bool eventFilter(QObject* /*object*/, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove: break;
        default: return false;
        }
        if (m_showOtherMonths())
            return false;
        const QModelIndex index = m_view->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (!index.isValid())
            return false;
        const QDate date = m_grid->DateAt(index.row(), index.column());
        return date.isValid() && date.month() != m_grid->monthShown();
    }

private:
    CalendarGrid* m_grid;
    QTableView* m_view;
    std::function<bool()> m_showOtherMonths;
};

} // namespace

CalendarGrid::CalendarGrid(QWidget* parent, CellPainter painter, std::function<bool()> showOtherMonths)
    : QCalendarWidget(parent), m_painter(std::move(painter))
{
    setNavigationBarVisible(false);
    setHorizontalHeaderFormat(QCalendarWidget::NoHorizontalHeader);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setFirstDayOfWeek(Qt::Sunday);
    setGridVisible(false);
    setDateEditEnabled(false);
    if (QTableView* view = View()) {
        view->setFrameShape(QFrame::NoFrame);
        view->viewport()->installEventFilter(new OtherMonthFilter(this, view, std::move(showOtherMonths)));
    }
}

QTableView* CalendarGrid::View() const { return findChild<QTableView*>(); }

QDate CalendarGrid::DateAt(int row, int col) const
{
    if (row < 0 || row >= 6 || col < 0 || col >= 7)
        return {};
    int y = 0, m = 0, d = 0;
    GridDate(yearShown(), monthShown(), row, col, y, m, d);
    return QDate(y, m, d);
}

void CalendarGrid::paintCell(QPainter* painter, const QRect& rect, QDate date) const
{
    if (painter && m_painter)
        m_painter(*painter, rect, date);
}

} // namespace morv::calendar
