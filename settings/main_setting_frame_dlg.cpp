#include "settings/main_setting_frame_dlg.h"

#include "controls/skin.h"
#include "host/vistrano_language.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "settings/setting_scroll.h"

#include <algorithm>

using namespace setting_page;

namespace {

constexpr UINT kFrameTemplate = 2013;
constexpr UINT kPageTemplate = 2014;

// Design lengths.
constexpr int kWidth = 780;
constexpr int kHeight = 560;
constexpr int kTitleHeight = 44;
constexpr int kTitleLeft = 20;
constexpr int kCloseSize = 28;
constexpr int kNavWidth = 167;
constexpr int kItemLeft = 1;
constexpr int kItemWidth = 165;
constexpr int kItemHeight = 55;
constexpr int kScrollWidth = 14;
// A navigation item puts its section's title this far below the top.
constexpr int kTitleMargin = 20;

// Bar items: the four sections, then the rest of the column.
constexpr int kNavItems = 4;
constexpr int kFillerItem = kNavItems;
constexpr int kNavGroup = 1;
constexpr const char* kItemKeys[kNavItems] = {"General_Setting", "Sender_Title", "Receive_Title", "EMail_Title"};

} // namespace

CMainSettingFrameDlg::CMainSettingFrameDlg(CWnd* pParent, int initialItem)
    : CMorvBaseDlg(kFrameTemplate, pParent), m_bFiber(g_pModuleData->IsFiberSender() != 0), m_nInitialItem(initialItem),
      m_page(m_bFiber), m_navigation(this, kNavItems + 1)
{
    SetLanguageLookup(GetLanguageString);
}

int CMainSettingFrameDlg::OnSetBaseDlgInfo()
{
    SetBaseDlgInfo(1, 0);
    return 1;
}

int CMainSettingFrameDlg::InitControls()
{
    // Never taller than the screen holds (the page scrolls), never so short
    // that the navigation items do not fit.
    const int screenHeight = plat::GetScreenWorkArea().Height() * 9 / 10;
    const int height = std::max(Px(kTitleHeight + kNavItems * kItemHeight), std::min(Px(kHeight), screenHeight));
    SetWindowPos(0, 0, Px(kWidth), height, SWP_NOMOVE | SWP_NOZORDER);
    const CRect client = GetClientRect();
    SetBackgroundColor(CMorvSkin::Instance().GetColors().clrBackground);

    AddKeyedControl(kTitle, EMorvControlKind::Title, "MonitorSetting", "ToolBar",
                    {Px(kTitleLeft), 0, client.right - Px(kTitleLeft + kCloseSize), Px(kTitleHeight)});
    SetWindowText(GetControlText(kTitle));
    const int closeTop = (Px(kTitleHeight) - Px(kCloseSize)) / 2;
    AddControl(kClose, EMorvControlKind::Button,
               {client.right - Px(kCloseSize) - closeTop, closeTop, client.right - closeTop, closeTop + Px(kCloseSize)},
               "×");

    // The items stack from the top of the column; a fibre sender has no
    // receiver item and the e-mail item moves up in its place.
    int slot = 0;
    for (int i = 0; i < kNavItems; ++i) {
        SBarItem& item = *m_navigation.GetItem(i);
        item.nKind = BarRadio;
        item.nGroup = kNavGroup;
        item.bVisible = !(m_bFiber && i + 1 == kReceiverItem);
        if (!item.bVisible)
            continue;
        const int top = kTitleHeight + slot++ * kItemHeight;
        item.rect = {Px(kItemLeft), Px(top), Px(kItemLeft + kItemWidth), Px(top + kItemHeight)};
    }
    SetItemCaptions();
    SBarItem& filler = *m_navigation.GetItem(kFillerItem);
    filler.nKind = BarLabel;
    filler.bVisible = true;
    filler.rect = {Px(kItemLeft), Px(kTitleHeight + slot * kItemHeight), Px(kItemLeft + kItemWidth), client.bottom};

    const CRect view{Px(kNavWidth), Px(kTitleHeight), client.right - Px(kScrollWidth), client.bottom};
    if (!m_page.Create(kPageTemplate, this))
        return 0;
    m_page.MoveWindow(view);
    m_scrollBar.Create(this, {view.right, view.top, client.right, client.bottom}, kScrollBar, true);
    m_scrollBar.SetScrollRange(0, kScrollMax);
    m_scrollBar.ShowWindow(SW_SHOW);
    return 1;
}

int CMainSettingFrameDlg::InitFinish()
{
    PageHeightChanged();
    if (m_nInitialItem >= kGeneralItem && m_nInitialItem <= kMailItem)
        Navigate(m_nInitialItem);
    else
        ScrollTo(0);
    CenterWindow();
    // No edit has the focus at first, so the wheel scrolls the page.
    SetFocus();
    return 1;
}

int CMainSettingFrameDlg::SetLanguage()
{
    CMorvBaseDlg::SetLanguage();
    SetWindowText(GetControlText(kTitle));
    SetItemCaptions();
    m_page.SetLanguage();
    return 1;
}

void CMainSettingFrameDlg::SetItemCaptions()
{
    for (int i = 0; i < kNavItems; ++i)
        m_navigation.SetItemCaption(i, GetLanguageText(kItemKeys[i], "Monitoring"));
}

int CMainSettingFrameDlg::ViewHeight() const { return m_page.GetClientRect().Height(); }

int CMainSettingFrameDlg::Scrollable() const { return ScrollableHeight(m_page.GetPageHeight(), ViewHeight()); }

void CMainSettingFrameDlg::Navigate(int item)
{
    if (item < kGeneralItem || item > kMailItem)
        return;
    const int top = m_page.GetLayout().sectionTops[static_cast<std::size_t>(item - 1)];
    if (top < 0)
        return; // a section this sender does not have
    const int scrollable = Scrollable();
    const int offset = OffsetForTitle(top, Px(kTitleMargin), scrollable);
    m_page.LayoutPage(offset);
    m_scrollBar.SetScrollPos(PositionForOffset(offset, scrollable));
    SelectItem(item);
}

void CMainSettingFrameDlg::Wheel(int delta)
{
    const int position = PositionAfterWheel(m_scrollBar.GetScrollPos(), delta, Scrollable(), g_dDpiScale);
    if (position == m_scrollBar.GetScrollPos())
        return;
    m_scrollBar.SetScrollPos(position);
    ScrollTo(position);
}

void CMainSettingFrameDlg::ScrollTo(int position)
{
    const int offset = OffsetForPosition(position, Scrollable());
    m_page.LayoutPage(offset);
    SelectItem(static_cast<int>(SectionAt(m_page.GetLayout().sectionTops, offset)) + 1);
}

void CMainSettingFrameDlg::PageHeightChanged()
{
    // The page keeps its offset as long as the page still reaches that far.
    const int scrollable = Scrollable();
    m_scrollBar.SetScrollRange(0, kScrollMax);
    m_scrollBar.SetPageStep(scrollable > 0 ? std::max(1, kScrollMax * ViewHeight() / m_page.GetPageHeight())
                                           : kScrollMax);
    m_scrollBar.EnableWindow(scrollable > 0);
    const int offset = std::max(m_page.GetOffset(), -scrollable);
    if (offset != m_page.GetOffset())
        m_page.LayoutPage(offset);
    m_scrollBar.SetScrollPos(PositionForOffset(offset, scrollable));
}

void CMainSettingFrameDlg::SelectItem(int item)
{
    for (int i = 0; i < kNavItems; ++i)
        m_navigation.SetItemChecked(i, i + 1 == item);
}

void CMainSettingFrameDlg::OnBarItemClick(CMorvButtonBar& bar, int item)
{
    if (&bar == &m_navigation && item < kNavItems)
        Navigate(item + 1);
}

void CMainSettingFrameDlg::OnClickButton(int index)
{
    if (index == kClose)
        End();
}

bool CMainSettingFrameDlg::OnMouseWheel(UINT /*flags*/, short delta, CPoint /*pt*/)
{
    Wheel(delta);
    return true;
}

LRESULT CMainSettingFrameDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case CMainSettingDlg::kMsgWheel: Wheel(GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case CMainSettingDlg::kMsgHeightChanged: PageHeightChanged(); return 0;
    case WM_VSCROLL:
        if (reinterpret_cast<CWnd*>(lParam) == &m_scrollBar)
            ScrollTo(m_scrollBar.GetScrollPos());
        return 0;
    default: return CMorvBaseDlg::WindowProc(message, wParam, lParam);
    }
}

void CMainSettingFrameDlg::OnCancel() { End(); }

void CMainSettingFrameDlg::OnOK() { m_page.CommitEdits(); }

void CMainSettingFrameDlg::End()
{
    // What is still being typed counts as entered.
    m_page.CommitEdits();
    EndDialog(IDCANCEL);
}
