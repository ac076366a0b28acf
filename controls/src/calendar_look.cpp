#include "calendar_look.h"

#include "controls/density.h"
#include "controls/lib_set.h"
#include "controls/skin.h"
#include "platform/format.h"

#include <algorithm>
#include <chrono>

namespace morv::calendar {

namespace chr = std::chrono;

namespace {

chr::sys_days SysDays(int year, int month, int day)
{
    return chr::sys_days{chr::year{year} / chr::month{static_cast<unsigned>(month)}
                         / chr::day{static_cast<unsigned>(day)}};
}

// Design lengths of the parts.
constexpr int kNavHeight = 34;
constexpr int kArrowSize = 26;
constexpr int kSideMargin = 6;
constexpr int kHeaderHeight = 26;
constexpr int kTodayHeight = 26;

CRect Centered(const CRect& outer, int side)
{
    const CPoint c = outer.CenterPoint();
    return {c.x - side / 2, c.y - side / 2, c.x - side / 2 + side, c.y - side / 2 + side};
}

void PaintArrow(ICanvas& dc, const CRect& rect, bool next, bool hover, const SCalendarLook& look)
{
    if (hover)
        dc.FillEllipse(rect, look.clrTint);
    const CPoint c = rect.CenterPoint();
    const int w = std::max(2, Scale(4, look.density));
    const int h = std::max(4, Scale(7, look.density));
    const int dir = next ? 1 : -1;
    const Pen pen{hover ? look.clrSelection : look.clrText, std::max(1, Scale(2, look.density)), {}};
    dc.DrawPolyline({{c.x - dir * w / 2, c.y - h}, {c.x + dir * w / 2 + dir, c.y}, {c.x - dir * w / 2, c.y + h}}, pen);
}

} // namespace

int PackDate(int year, int month, int day) { return year * 65536 + month * 256 + day; }

bool IsValidDate(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31)
        return false;
    return chr::year_month_day{chr::year{year} / chr::month{static_cast<unsigned>(month)}
                               / chr::day{static_cast<unsigned>(day)}}
        .ok();
}

int DayNumber(int year, int month, int day)
{
    return static_cast<int>(SysDays(year, month, day).time_since_epoch().count());
}

void DateOfDayNumber(int dayNumber, int& year, int& month, int& day)
{
    const chr::year_month_day ymd{chr::sys_days{chr::days{dayNumber}}};
    year = static_cast<int>(ymd.year());
    month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    day = static_cast<int>(static_cast<unsigned>(ymd.day()));
}

void GridDate(int year, int month, int row, int col, int& outYear, int& outMonth, int& outDay)
{
    const chr::sys_days first = SysDays(year, month, 1);
    const int firstCol = static_cast<int>(chr::weekday{first}.c_encoding()); // Sunday = 0
    const int lead = firstCol == 0 ? 7 : firstCol;
    DateOfDayNumber(DayNumber(year, month, 1) + 7 * row + col - lead, outYear, outMonth, outDay);
}

SCalendarLayout CalendarLayout(const CRect& client, double density, bool todayLine)
{
    SCalendarLayout l;
    const int nav = Scale(kNavHeight, density);
    const int arrow = Scale(kArrowSize, density);
    const int margin = Scale(kSideMargin, density);
    const int header = Scale(kHeaderHeight, density);
    const int today = todayLine ? Scale(kTodayHeight, density) : 0;

    l.rcNav = {client.left, client.top, client.right, std::min(client.bottom, client.top + nav)};
    const int arrowTop = l.rcNav.top + (l.rcNav.Height() - arrow) / 2;
    l.rcPrev = {client.left + margin, arrowTop, client.left + margin + arrow, arrowTop + arrow};
    l.rcNext = {client.right - margin - arrow, arrowTop, client.right - margin, arrowTop + arrow};
    l.rcTitle = {l.rcPrev.right, l.rcNav.top, l.rcNext.left, l.rcNav.bottom};
    l.rcHeader = {client.left + margin, l.rcNav.bottom, client.right - margin,
                  std::min(client.bottom, l.rcNav.bottom + header)};
    const int gridBottom = std::max(l.rcHeader.bottom, client.bottom - today);
    l.rcGrid = {l.rcHeader.left, l.rcHeader.bottom, l.rcHeader.right, gridBottom};
    if (todayLine)
        l.rcToday = {l.rcGrid.left, gridBottom, l.rcGrid.right, client.bottom};
    return l;
}

CRect HeaderColumn(const CRect& header, int col)
{
    const int w = header.Width();
    return {header.left + w * col / 7, header.top, header.left + w * (col + 1) / 7, header.bottom};
}

std::string CalendarTitle(int year, int month, const std::string& yearUnit, const std::string& monthUnit)
{
    if (yearUnit.empty() && monthUnit.empty())
        return plat::Format("%04d.%02d", year, month);
    return plat::Format("%d%s %d%s", year, yearUnit, month, monthUnit);
}

SCalendarLook LookFromSkin()
{
    const SSkinColors& c = CMorvSkin::Instance().GetColors();
    const CMorvLibSet& set = CMorvLibSet::Instance();
    SCalendarLook look;
    look.clrPanel = c.clrPanel;
    look.clrSelection = c.clrSelection;
    look.clrTint = c.clrHover;
    look.clrText = c.clrOnlineText;
    look.clrTextMuted = c.clrOfflineText;
    look.clrTextOnSelection = c.clrTextOnSelection;
    look.font = set.GetDefaultFont();
    look.fontBold = set.GetDefaultFont(0, true);
    look.fontTitle = set.GetDefaultFont(2, true);
    look.density = GetDensity();
    return look;
}

void PaintCell(ICanvas& dc, const CRect& rect, const SCalendarCell& cell, const SCalendarLook& look)
{
    dc.FillRect(rect, look.clrPanel);
    if (!cell.bInShownMonth && !cell.bShowOtherMonths)
        return;
    const int side = std::min(rect.Width(), rect.Height()) - 2 * Scale(2, look.density);
    if (side <= 0)
        return;
    const CRect circle = Centered(rect, side);
    // In short rows the digits shrink to stay inside their disc.
    Font font = look.font;
    Font fontBold = look.fontBold;
    font.pixelSize = std::min(font.pixelSize, std::max(8, side - 2));
    fontBold.pixelSize = std::min(fontBold.pixelSize, std::max(8, side - 2));
    Color text = cell.bInShownMonth ? look.clrText : look.clrTextMuted;
    if (cell.bSelected) {
        dc.FillEllipse(circle, look.clrSelection);
        text = look.clrTextOnSelection;
    } else {
        const Color inner = cell.bMarked ? look.clrTint : look.clrPanel;
        if (cell.bToday) {
            // A ring: the selection colour with the inside filled again.
            const int ring = std::max(1, Scale(1, look.density));
            dc.FillEllipse(circle, look.clrSelection);
            dc.FillEllipse({circle.left + ring, circle.top + ring, circle.right - ring, circle.bottom - ring}, inner);
        } else if (cell.bMarked) {
            dc.FillEllipse(circle, inner);
        }
    }
    if (!cell.bMarked) {
        dc.DrawText(plat::Format("%d", cell.nDay), circle, font, text, AlignCenter);
        return;
    }
    const int dot = std::max(3, Scale(4, look.density));
    const int left = circle.CenterPoint().x - dot / 2;
    const Color dotColor = cell.bSelected ? look.clrTextOnSelection : look.clrSelection;
    if (circle.Height() >= fontBold.pixelSize + 2 * dot) {
        // The number moves up by half the dot so the dot under it stays clear.
        const int bottom = circle.bottom - std::max(2, Scale(3, look.density));
        dc.DrawText(plat::Format("%d", cell.nDay), {circle.left, circle.top, circle.right, circle.bottom - dot},
                    fontBold, text, AlignCenter);
        dc.FillEllipse({left, bottom - dot, left + dot, bottom}, dotColor);
        return;
    }
    // Rows too short for a dot under the number: the mark becomes a short bar
    // on the cell's bottom edge, below the digits.
    const int bar = std::max(2, Scale(2, look.density));
    dc.DrawText(plat::Format("%d", cell.nDay), circle, fontBold, text, AlignCenter);
    dc.FillRect({left - dot, rect.bottom - bar, left + 2 * dot, rect.bottom}, dotColor);
}

void PaintFrame(ICanvas& dc, const CRect& client, const SCalendarLayout& layout, const SCalendarFrame& frame,
                const SCalendarLook& look)
{
    dc.FillRect(client, look.clrPanel);
    PaintArrow(dc, layout.rcPrev, false, frame.hover == ENavPart::Prev, look);
    PaintArrow(dc, layout.rcNext, true, frame.hover == ENavPart::Next, look);
    dc.DrawText(frame.strTitle, layout.rcTitle, look.fontTitle, look.clrText, AlignCenter | ElideRight);
    for (int col = 0; col < 7; ++col)
        dc.DrawText(frame.weekNames[static_cast<size_t>(col)], HeaderColumn(layout.rcHeader, col), look.font,
                    look.clrTextMuted, AlignCenter | ElideRight);
    const Pen line{look.clrTint, std::max(1, Scale(1, look.density)), {}};
    dc.DrawLine({layout.rcHeader.left, layout.rcHeader.bottom - 1}, {layout.rcHeader.right, layout.rcHeader.bottom - 1},
                line);
    if (!frame.strToday.empty() && !layout.rcToday.IsRectEmpty())
        dc.DrawText(frame.strToday, layout.rcToday, look.font,
                    frame.hover == ENavPart::Today ? look.clrSelection : look.clrText, AlignCenter | ElideRight);
}

} // namespace morv::calendar
