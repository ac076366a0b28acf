#include "summary_page.h"

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
    const CRect client = GetClientRect();
    dc.FillRect(client, RGBColor(241, 247, 255));
    const Font title{"", 20, true};
    const Font body{"", 14, false};
    const Color ink = RGBColor(40, 52, 70);
    dc.DrawTextAt("Installation summary", CPoint(24, 20), title, ink);
    int y = 64;
    for (const std::string& line : m_lines()) {
        dc.DrawTextAt(line, CPoint(24, y), body, ink);
        y += 24;
    }
    char last[48];
    std::snprintf(last, sizeof last, "Last update mask: 0x%X", static_cast<uint32_t>(m_lastMask));
    dc.DrawTextAt(last, CPoint(24, y + 12), body, RGBColor(110, 120, 135));
}

} // namespace app
