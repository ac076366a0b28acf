#pragma once
// CCusCalendar: a month calendar in which chosen days are marked. It tells
// its parent when the user picks another day (message 0x1506) and, when
// given one, a date-change callback.
#include "platform/window.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

// A day to be marked.
struct SShowDate {
    int nYear = 0;
    int nMonth = 0;
    int nDay = 0;
    bool operator==(const SShowDate&) const = default;
};

// Sent to the parent when the user picks another day: wParam = the date
// packed as year * 65536 + month * 256 + day, lParam = the calendar object.
constexpr UINT WM_CALENDAR_DATECHANGED = 0x1506;

// Told of every date the user picks.
class IDateInfoChangedNotify {
public:
    virtual void OnDateInfoChanged(int nYear, int nMonth, int nDay) = 0;

protected:
    ~IDateInfoChangedNotify() = default;
};

class CCusCalendar : public CWnd {
public:
    // The style bit that makes the calendar a child of its parent; without
    // it the calendar is a frameless pop-up window.
    static constexpr DWORD kStyleChild = 0x40000000;

    CCusCalendar();
    ~CCusCalendar() override;

    // Creates the calendar window and shows it, with today chosen. The
    // callback may be null. Answers nonzero on success.
    int Init(CWnd* pParent, IDateInfoChangedNotify* pNotify = nullptr, DWORD dwStyle = kStyleChild, UINT nID = 0);

    // Whether the leading and trailing days of the neighbouring months are
    // shown (greyed) and can be picked; off, those cells stay empty and a
    // click on them does nothing.
    void SetShowPartialDate(int bShow);
    int GetShowPartialDate() const;

    // The days to mark (replacing the previous list) and whether a day is
    // one of them.
    void SetNeedShowDate(const std::vector<SShowDate>& dates);
    const std::vector<SShowDate>& GetNeedShowDate() const;
    bool IsDateMarked(int nYear, int nMonth, int nDay) const;

    // Texts of every calendar: the units written after the year and the
    // month in the title (both empty: "2021.11"), the caption of a "today"
    // line under the days (empty: no such line), and the seven day names,
    // Sunday first. Calendars already shown take them at once.
    static void SetDrawText(const std::string& strYear, const std::string& strMonth, const std::string& strToday,
                            const std::array<std::string, 7>& arrWeekNames);

    // The chosen day. SetDate chooses a day from code, shows its month and
    // tells nobody; an invalid date is ignored.
    void GetDate(int& nYear, int& nMonth, int& nDay) const;
    void SetDate(int nYear, int nMonth, int nDay);

    // The month on show and the navigation between months.
    void GetShownMonth(int& nYear, int& nMonth) const;
    void ShowPrevMonth();
    void ShowNextMonth();

protected:
    void OnPaint(ICanvas& dc, const CRect& dirty) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnLButtonDown(UINT flags, CPoint pt) override;
    void OnMouseMove(UINT flags, CPoint pt) override;
    void OnMouseLeave() override;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
