#include "controls/button_bar.h"

#include "controls/base_dlg.h"
#include "controls/guards.h"

namespace {

// How long the mouse rests on an item before its tooltip shows.
constexpr UINT kTooltipDelayMs = 400;

} // namespace

CMorvButtonBar::CMorvButtonBar(CMorvBaseDlg* owner, int itemCount) : m_owner(owner)
{
    SetItemCount(itemCount);
    m_tooltip.SetOwner(owner);
    if (m_owner)
        m_owner->AttachBar(this, true);
}

CMorvButtonBar::~CMorvButtonBar()
{
    // An owner that went first has cleared m_owner.
    if (m_owner)
        m_owner->AttachBar(this, false);
}

void CMorvButtonBar::SetItemCount(int count)
{
    m_items.resize(static_cast<std::size_t>(std::max(0, count)));
    if (m_hover >= count)
        m_hover = -1;
    if (m_pressed >= count)
        m_pressed = -1;
}

SBarItem* CMorvButtonBar::GetItem(int index)
{
    return (index >= 0 && index < GetItemCount()) ? &m_items[static_cast<std::size_t>(index)] : nullptr;
}

const SBarItem* CMorvButtonBar::GetItem(int index) const
{
    return (index >= 0 && index < GetItemCount()) ? &m_items[static_cast<std::size_t>(index)] : nullptr;
}

namespace {

// Sets a field and repaints the item (before and after, for rectangles).
template <class T>
bool SetField(CMorvButtonBar& bar, int index, T SBarItem::*field, const T& value)
{
    SBarItem* item = bar.GetItem(index);
    if (!item)
        return false;
    if (item->*field == value)
        return true;
    bar.InvalidateItem(index);
    item->*field = value;
    bar.InvalidateItem(index);
    return true;
}

} // namespace

bool CMorvButtonBar::SetItemRect(int index, const CRect& rect) { return SetField(*this, index, &SBarItem::rect, rect); }
bool CMorvButtonBar::SetItemKind(int index, int kind) { return SetField(*this, index, &SBarItem::nKind, kind); }
bool CMorvButtonBar::SetItemStyle(int index, int style) { return SetField(*this, index, &SBarItem::nStyle, style); }
bool CMorvButtonBar::SetItemDrawType(int index, int drawType)
{
    return SetField(*this, index, &SBarItem::nDrawType, drawType);
}
bool CMorvButtonBar::SetItemCaption(int index, const std::string& caption)
{
    return SetField(*this, index, &SBarItem::strCaption, caption);
}
bool CMorvButtonBar::SetItemTooltip(int index, const std::string& tooltip)
{
    // The tooltip on show follows its item's text.
    if (index == m_hover && m_tooltip.IsShown() && tooltip != m_tooltip.GetText())
        m_tooltip.Hide();
    return SetField(*this, index, &SBarItem::strTooltip, tooltip);
}
bool CMorvButtonBar::SetItemImage(int index, const std::string& imageFolder)
{
    return SetField(*this, index, &SBarItem::strImageFolder, imageFolder);
}
bool CMorvButtonBar::SetItemIcon(int index, const std::string& iconFile, const CRect& imageRect)
{
    return SetField(*this, index, &SBarItem::strIconFile, iconFile)
        && SetField(*this, index, &SBarItem::rcImage, imageRect);
}
bool CMorvButtonBar::SetItemVisible(int index, bool visible)
{
    if (!visible && index == m_hover)
        SetHover(-1);
    return SetField(*this, index, &SBarItem::bVisible, visible);
}
bool CMorvButtonBar::SetItemEnabled(int index, bool enabled)
{
    return SetField(*this, index, &SBarItem::bEnabled, enabled);
}
bool CMorvButtonBar::SetItemChecked(int index, bool checked)
{
    return SetField(*this, index, &SBarItem::bChecked, checked);
}
bool CMorvButtonBar::SetItemWarning(int index, bool warning)
{
    return SetField(*this, index, &SBarItem::bWarning, warning);
}
bool CMorvButtonBar::SetItemGroup(int index, int group) { return SetField(*this, index, &SBarItem::nGroup, group); }

bool CMorvButtonBar::IsInputItem(const SBarItem& item) const
{
    return item.bVisible && item.nDrawType != BarDrawWarningMark && item.nKind != BarSeparator
        && item.nKind != BarLabel;
}

bool CMorvButtonBar::TakesInput(int index) const
{
    const SBarItem* item = GetItem(index);
    return item && IsInputItem(*item) && item->bEnabled && item->nBusy == 0;
}

int CMorvButtonBar::HitTest(const CPoint& pt) const
{
    // Later items are drawn over earlier ones, so they are asked first.
    for (int i = GetItemCount() - 1; i >= 0; --i) {
        const SBarItem& item = m_items[static_cast<std::size_t>(i)];
        if (IsInputItem(item) && item.rect.PtInRect(pt))
            return i;
    }
    return -1;
}

void CMorvButtonBar::InvalidateItem(int index) const
{
    const SBarItem* item = GetItem(index);
    if (item && m_owner && m_owner->IsWindow() && !item->rect.IsRectEmpty())
        m_owner->InvalidateRect(item->rect);
}

void CMorvButtonBar::Invalidate() const
{
    for (int i = 0; i < GetItemCount(); ++i)
        InvalidateItem(i);
}

void CMorvButtonBar::SetHover(int index)
{
    if (index == m_hover)
        return;
    const int old = m_hover;
    m_hover = index;
    InvalidateItem(old);
    InvalidateItem(index);
    m_tooltip.Hide();
    if (index >= 0 && m_owner && m_owner->IsWindow()) {
        TRACKMOUSEEVENT tme;
        tme.dwFlags = TME_HOVER | TME_LEAVE;
        tme.dwHoverTime = kTooltipDelayMs;
        m_owner->TrackMouseEvent(tme);
    }
}

bool CMorvButtonBar::OnMouseMove(const CPoint& pt)
{
    const int index = HitTest(pt);
    const bool was = m_hover >= 0;
    SetHover(index);
    return index >= 0 || was;
}

bool CMorvButtonBar::OnMouseLeave()
{
    const bool was = m_hover >= 0;
    SetHover(-1);
    return was;
}

bool CMorvButtonBar::OnMouseHover(const CPoint& pt)
{
    const int index = HitTest(pt);
    if (index < 0 || index != m_hover)
        return false;
    const SBarItem& item = m_items[static_cast<std::size_t>(index)];
    m_tooltip.Show(item.strTooltip, pt);
    return true;
}

bool CMorvButtonBar::OnLButtonDown(const CPoint& pt)
{
    const int index = HitTest(pt);
    if (index < 0)
        return false;
    m_tooltip.Hide();
    if (!TakesInput(index))
        return true;
    SBarItem& item = m_items[static_cast<std::size_t>(index)];
    if (item.nKind == BarDropDown) {
        // A drop-down opens on the press; it shows pressed while its menu is up.
        const LifeWatch life = GetLifeWatch();
        CControlEnable guard(*this, index);
        InvalidateItem(index);
        if (m_owner)
            m_owner->OnBarItemSelect(*this, index);
        if (!life.expired())
            InvalidateItem(index);
        return true;
    }
    m_pressed = index;
    InvalidateItem(index);
    if (m_owner && m_owner->IsWindow())
        m_owner->SetCapture();
    return true;
}

bool CMorvButtonBar::OnLButtonUp(const CPoint& pt)
{
    if (m_pressed < 0)
        return false;
    const int index = m_pressed;
    m_pressed = -1;
    if (CWnd::GetCapture() == m_owner)
        CWnd::ReleaseCapture();
    InvalidateItem(index);
    if (HitTest(pt) != index || !TakesInput(index))
        return true;

    SBarItem& item = m_items[static_cast<std::size_t>(index)];
    const bool selects = item.nKind == BarCheck || item.nKind == BarRadio;
    if (item.nKind == BarCheck) {
        SetItemChecked(index, !item.bChecked);
    } else if (item.nKind == BarRadio) {
        for (int i = 0; i < GetItemCount(); ++i) {
            const SBarItem& other = m_items[static_cast<std::size_t>(i)];
            if (other.nKind == BarRadio && other.nGroup == item.nGroup)
                SetItemChecked(i, i == index);
        }
    }
    const LifeWatch life = GetLifeWatch();
    CControlEnable guard(*this, index);
    CMorvBaseDlg* owner = m_owner;
    if (owner)
        owner->OnBarItemClick(*this, index);
    // The handler may have destroyed the bar with its dialog.
    if (selects && owner && !life.expired())
        owner->OnBarItemSelect(*this, index);
    return true;
}

bool CMorvButtonBar::OnMouseWheel(const CPoint& pt, short delta)
{
    const int index = HitTest(pt);
    if (index < 0 || !TakesInput(index) || !m_owner)
        return false;
    return m_owner->OnBarItemWheel(*this, index, delta);
}

void CMorvButtonBar::CancelInput()
{
    if (m_pressed >= 0 && CWnd::GetCapture() == m_owner)
        CWnd::ReleaseCapture();
    InvalidateItem(m_pressed);
    m_pressed = -1;
    SetHover(-1);
}
