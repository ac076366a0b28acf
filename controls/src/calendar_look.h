#pragma once
// The calendar's rules and drawing, kept apart from its widgets: the
// layout of its parts, the month grid, the title, and how a day cell, the
// navigation bar and the day-name header are painted on a canvas.
#include "platform/canvas.h"

#include <array>
#include <string>

namespace morv::calendar {

// year * 65536 + month * 256 + day, the packing the date messages use.
int PackDate(int year, int month, int day);
bool IsValidDate(int year, int month, int day);
// Days since 1970-01-01, and back; for stepping across months.
int DayNumber(int year, int month, int day);
void DateOfDayNumber(int dayNumber, int& year, int& month, int& day);

// The date in a cell of the six-by-seven grid of a month, Sunday first.
// When the 1st falls on a Sunday the grid still opens with a week of the
// previous month, as the toolkit's month view lays it out.
void GridDate(int year, int month, int row, int col, int& outYear, int& outMonth, int& outDay);

// The parts of the calendar in client coordinates.
struct SCalendarLayout {
    CRect rcNav;    // navigation bar
    CRect rcPrev;   // previous-month arrow
    CRect rcNext;   // next-month arrow
    CRect rcTitle;  // year and month
    CRect rcHeader; // day names
    CRect rcGrid;   // the days
    CRect rcToday;  // "today" line, empty when there is none
};
SCalendarLayout CalendarLayout(const CRect& client, double density, bool todayLine);
// Column col (0..6) of the day-name header, aligned with the grid's columns.
CRect HeaderColumn(const CRect& header, int col);

std::string CalendarTitle(int year, int month, const std::string& yearUnit, const std::string& monthUnit);

struct SCalendarLook {
    Color clrPanel;
    Color clrSelection;
    Color clrTint; // marked days and hovered arrows
    Color clrText;
    Color clrTextMuted; // other months' days, day names
    Color clrTextOnSelection;
    Font font;
    Font fontBold;
    Font fontTitle;
    double density = 1.0;
};
// Colours, fonts and density of the skin and the library settings.
SCalendarLook LookFromSkin();

struct SCalendarCell {
    int nDay = 1;
    bool bInShownMonth = true;
    bool bShowOtherMonths = false;
    bool bSelected = false;
    bool bToday = false;
    bool bMarked = false;
};
void PaintCell(ICanvas& dc, const CRect& rect, const SCalendarCell& cell, const SCalendarLook& look);

enum class ENavPart { None, Prev, Next, Today };
struct SCalendarFrame {
    std::string strTitle;
    std::array<std::string, 7> weekNames;
    std::string strToday; // the whole "today" line; empty: none
    ENavPart hover = ENavPart::None;
};
// Everything but the day cells: background, navigation bar, day names and
// the "today" line.
void PaintFrame(ICanvas& dc, const CRect& client, const SCalendarLayout& layout, const SCalendarFrame& frame,
                const SCalendarLook& look);

} // namespace morv::calendar
