#include "summary_page.h"

#include "controls/density.h"
#include "platform/canvas.h"

#include <cstdio>

namespace app {

bool CSummaryPage::Create(CWnd* parent) { return CreateEx(parent, CRect(0, 0, 100, 100), kSummaryPageId); }

int CSummaryPage::Activate()
{
    Invalidate();
    return 1;
}

void CSummaryPage::MoveTo(CRect rect)
{
    if (IsWindow())
        MoveWindow(rect);
}

void CSummaryPage::Release() { DestroyWindow(); }

int CSummaryPage::Update(int32_t mask, int32_t /*word*/, int32_t /*relayout*/)
{
    m_lastMask = mask;
    Invalidate();
    return 1;
}

void CSummaryPage::OnKeyDown(UINT vk, UINT /*repeat*/, UINT /*flags*/)
{
    if (vk == VK_TAB && plat::GetKeyState(VK_CONTROL) < 0 && m_switchPage)
        m_switchPage();
}

int CSummaryPage::Show(int32_t show) { return ShowWindow(show ? SW_SHOW : SW_HIDE) ? 1 : 0; }

void CSummaryPage::OnPaint(ICanvas& dc, const CRect& /*dirty*/)
{
    // Design lengths, grown with the density as the page library's are.
    using morv::Scale;
    const CRect client = GetClientRect();
    dc.FillRect(client, RGBColor(241, 247, 255));
    const Font title{"", Scale(20), true};
    const Font body{"", Scale(14), false};
    const Color ink = RGBColor(40, 52, 70);
    dc.DrawTextAt("Installation summary", CPoint(Scale(24), Scale(20)), title, ink);
    int y = Scale(64);
    for (const std::string& line : m_lines()) {
        dc.DrawTextAt(line, CPoint(Scale(24), y), body, ink);
        y += Scale(24);
    }
    char last[48];
    std::snprintf(last, sizeof last, "Last update mask: 0x%X", static_cast<uint32_t>(m_lastMask));
    dc.DrawTextAt(last, CPoint(Scale(24), y + Scale(12)), body, RGBColor(110, 120, 135));
}

} // namespace app
