#include "controls/calendar.h"

#include "calendar_grid.h"
#include "calendar_look.h"
#include "controls/density.h"
#include "platform/format.h"
#include "platform/native_qt.h"

#include <QLocale>
#include <QPointer>
#include <QTableView>

#include <algorithm>
#include <set>

using namespace morv::calendar;

namespace {

// Texts shared by every calendar (SetDrawText is static).
struct SCalendarTexts {
    std::string yearUnit;
    std::string monthUnit;
    std::string today;
    std::array<std::string, 7> weekNames;
};

SCalendarTexts& Texts()
{
    static SCalendarTexts texts = [] {
        SCalendarTexts t;
        // Until the host hands its own, the system's short day names.
        const QLocale locale;
        for (int i = 0; i < 7; ++i)
            t.weekNames[static_cast<size_t>(i)] = locale.dayName(i == 0 ? 7 : i, QLocale::ShortFormat).toStdString();
        return t;
    }();
    return texts;
}

std::vector<CCusCalendar*>& LiveCalendars()
{
    static std::vector<CCusCalendar*> live;
    return live;
}

} // namespace

struct CCusCalendar::Impl {
    QPointer<CalendarGrid> grid;
    IDateInfoChangedNotify* notify = nullptr;
    bool showPartial = false;
    std::vector<SShowDate> marks;
    std::set<int> markKeys;
    ENavPart hover = ENavPart::None;
    bool fromCode = false; // a date set by code is not reported

    SCalendarLayout Layout(const CRect& client) const
    {
        return CalendarLayout(client, morv::GetDensity(), !Texts().today.empty());
    }

    ENavPart PartAt(const CRect& client, const CPoint& pt) const
    {
        const SCalendarLayout l = Layout(client);
        if (l.rcPrev.PtInRect(pt))
            return ENavPart::Prev;
        if (l.rcNext.PtInRect(pt))
            return ENavPart::Next;
        if (!l.rcToday.IsRectEmpty() && l.rcToday.PtInRect(pt))
            return ENavPart::Today;
        return ENavPart::None;
    }

    void PaintCell(QPainter& painter, const QRect& rect, QDate date) const
    {
        if (!grid)
            return;
        SCalendarCell cell;
        cell.nDay = date.day();
        cell.bInShownMonth = date.month() == grid->monthShown() && date.year() == grid->yearShown();
        cell.bShowOtherMonths = showPartial;
        cell.bSelected = date == grid->selectedDate();
        cell.bToday = date == QDate::currentDate();
        cell.bMarked = markKeys.count(PackDate(date.year(), date.month(), date.day())) != 0;
        auto canvas = plat::MakePainterCanvas(painter);
        morv::calendar::PaintCell(*canvas, plat::ToCRect(rect), cell, LookFromSkin());
    }
};

CCusCalendar::CCusCalendar() : m_impl(std::make_unique<Impl>()) { LiveCalendars().push_back(this); }

CCusCalendar::~CCusCalendar()
{
    auto& live = LiveCalendars();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    DestroyWindow();
}

int CCusCalendar::Init(CWnd* pParent, IDateInfoChangedNotify* pNotify, DWORD dwStyle, UINT nID)
{
    if (IsWindow())
        return 0;
    const bool child = (dwStyle & kStyleChild) != 0;
    const CRect rect(0, 0, morv::Scale(280), morv::Scale(250));
    if (!CreateEx(pParent, rect, nID, child ? EWindowKind::Child : EWindowKind::Popup))
        return 0;
    m_impl->notify = pNotify;

    Impl* d = m_impl.get();
    auto* grid = new CalendarGrid(
        plat::NativeWidget(this), [d](QPainter& p, const QRect& r, QDate date) { d->PaintCell(p, r, date); },
        [d] { return d->showPartial; });
    QPalette palette = grid->palette();
    const Color panel = LookFromSkin().clrPanel;
    palette.setColor(QPalette::Base, QColor(panel.r, panel.g, panel.b));
    palette.setColor(QPalette::Window, QColor(panel.r, panel.g, panel.b));
    grid->setPalette(palette);
    m_impl->grid = grid;

    QObject::connect(grid, &QCalendarWidget::selectionChanged, grid, [this] {
        if (m_impl->fromCode || !m_impl->grid)
            return;
        const QDate date = m_impl->grid->selectedDate();
        if (CWnd* parent = GetParent())
            parent->SendMessage(WM_CALENDAR_DATECHANGED,
                                static_cast<WPARAM>(PackDate(date.year(), date.month(), date.day())),
                                reinterpret_cast<LPARAM>(this));
        if (m_impl->notify)
            m_impl->notify->OnDateInfoChanged(date.year(), date.month(), date.day());
    });
    QObject::connect(grid, &QCalendarWidget::currentPageChanged, grid, [this](int, int) { Invalidate(); });

    const QDate today = QDate::currentDate();
    SetDate(today.year(), today.month(), today.day());
    const CRect client = GetClientRect();
    OnSize(SIZE_RESTORED, client.Width(), client.Height());
    grid->show();
    ShowWindow(SW_SHOW);
    return 1;
}

void CCusCalendar::SetShowPartialDate(int bShow)
{
    m_impl->showPartial = bShow != 0;
    if (m_impl->grid)
        m_impl->grid->update();
    if (m_impl->grid && m_impl->grid->View())
        m_impl->grid->View()->viewport()->update();
}

int CCusCalendar::GetShowPartialDate() const { return m_impl->showPartial ? 1 : 0; }

void CCusCalendar::SetNeedShowDate(const std::vector<SShowDate>& dates)
{
    m_impl->marks = dates;
    m_impl->markKeys.clear();
    for (const SShowDate& date : dates) {
        if (IsValidDate(date.nYear, date.nMonth, date.nDay))
            m_impl->markKeys.insert(PackDate(date.nYear, date.nMonth, date.nDay));
    }
    if (m_impl->grid && m_impl->grid->View())
        m_impl->grid->View()->viewport()->update();
}

const std::vector<SShowDate>& CCusCalendar::GetNeedShowDate() const { return m_impl->marks; }

bool CCusCalendar::IsDateMarked(int nYear, int nMonth, int nDay) const
{
    return IsValidDate(nYear, nMonth, nDay) && m_impl->markKeys.count(PackDate(nYear, nMonth, nDay)) != 0;
}

void CCusCalendar::SetDrawText(const std::string& strYear, const std::string& strMonth, const std::string& strToday,
                               const std::array<std::string, 7>& arrWeekNames)
{
    SCalendarTexts& texts = Texts();
    texts.yearUnit = strYear;
    texts.monthUnit = strMonth;
    texts.today = strToday;
    texts.weekNames = arrWeekNames;
    for (CCusCalendar* calendar : LiveCalendars()) {
        if (!calendar->IsWindow())
            continue;
        // The "today" line may have come or gone: the grid's room changes.
        const CRect client = calendar->GetClientRect();
        calendar->OnSize(SIZE_RESTORED, client.Width(), client.Height());
        calendar->Invalidate();
    }
}

void CCusCalendar::GetDate(int& nYear, int& nMonth, int& nDay) const
{
    const QDate date = m_impl->grid ? m_impl->grid->selectedDate() : QDate::currentDate();
    nYear = date.year();
    nMonth = date.month();
    nDay = date.day();
}

void CCusCalendar::SetDate(int nYear, int nMonth, int nDay)
{
    if (!m_impl->grid || !IsValidDate(nYear, nMonth, nDay))
        return;
    m_impl->fromCode = true;
    m_impl->grid->setSelectedDate(QDate(nYear, nMonth, nDay));
    m_impl->grid->setCurrentPage(nYear, nMonth);
    m_impl->fromCode = false;
}

void CCusCalendar::GetShownMonth(int& nYear, int& nMonth) const
{
    const QDate today = QDate::currentDate();
    nYear = m_impl->grid ? m_impl->grid->yearShown() : today.year();
    nMonth = m_impl->grid ? m_impl->grid->monthShown() : today.month();
}

void CCusCalendar::ShowPrevMonth()
{
    if (m_impl->grid)
        m_impl->grid->showPreviousMonth();
}

void CCusCalendar::ShowNextMonth()
{
    if (m_impl->grid)
        m_impl->grid->showNextMonth();
}

void CCusCalendar::OnPaint(ICanvas& dc, const CRect& /*dirty*/)
{
    const CRect client = GetClientRect();
    const SCalendarTexts& texts = Texts();
    int year = 0, month = 0;
    GetShownMonth(year, month);
    SCalendarFrame frame;
    frame.strTitle = CalendarTitle(year, month, texts.yearUnit, texts.monthUnit);
    frame.weekNames = texts.weekNames;
    if (!texts.today.empty()) {
        const QDate today = QDate::currentDate();
        frame.strToday = plat::Format("%s %04d-%02d-%02d", texts.today, today.year(), today.month(), today.day());
    }
    frame.hover = m_impl->hover;
    PaintFrame(dc, client, m_impl->Layout(client), frame, LookFromSkin());
}

void CCusCalendar::OnSize(UINT /*type*/, int cx, int cy)
{
    if (!m_impl->grid)
        return;
    const CRect grid = m_impl->Layout(CRect(0, 0, cx, cy)).rcGrid;
    m_impl->grid->setGeometry(grid.left, grid.top, std::max(0, grid.Width()), std::max(0, grid.Height()));
}

void CCusCalendar::OnLButtonDown(UINT /*flags*/, CPoint pt)
{
    switch (m_impl->PartAt(GetClientRect(), pt)) {
    case ENavPart::Prev: ShowPrevMonth(); break;
    case ENavPart::Next: ShowNextMonth(); break;
    case ENavPart::Today:
        // A pick by the user: reported like a click on the day.
        if (m_impl->grid) {
            m_impl->grid->setSelectedDate(QDate::currentDate());
            m_impl->grid->setCurrentPage(QDate::currentDate().year(), QDate::currentDate().month());
        }
        break;
    case ENavPart::None: break;
    }
}

void CCusCalendar::OnMouseMove(UINT /*flags*/, CPoint pt)
{
    const ENavPart part = m_impl->PartAt(GetClientRect(), pt);
    if (part == m_impl->hover)
        return;
    m_impl->hover = part;
    TRACKMOUSEEVENT tme;
    tme.dwFlags = TME_LEAVE;
    TrackMouseEvent(tme);
    Invalidate();
}

void CCusCalendar::OnMouseLeave()
{
    if (m_impl->hover == ENavPart::None)
        return;
    m_impl->hover = ENavPart::None;
    Invalidate();
}
