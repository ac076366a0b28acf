#include "controls/pop_menu.h"

#include "menu_widget.h"
#include "platform/native_qt.h"

#include <QAction>
#include <QApplication>

CCusPopMenu::CCusPopMenu() = default;
CCusPopMenu::~CCusPopMenu() = default;

void CCusPopMenu::AppendMenu(UINT flags, UINT id, const std::string& text, const std::string& icon)
{
    if (flags & MF_SEPARATOR) {
        AppendSeparator();
        return;
    }
    m_items.push_back(Item{flags, id, text, icon, nullptr});
}

void CCusPopMenu::AppendSeparator() { m_items.push_back(Item{MF_SEPARATOR, 0, {}, {}, nullptr}); }

CCusPopMenu& CCusPopMenu::AppendSubMenu(const std::string& text, const std::string& icon)
{
    m_items.push_back(Item{MF_STRING, 0, text, icon, std::make_unique<CCusPopMenu>()});
    CCusPopMenu& sub = *m_items.back().subMenu;
    sub.SetItemHeight(m_itemHeight);
    return sub;
}

CCusPopMenu::Item* CCusPopMenu::FindItem(UINT id)
{
    for (auto& item : m_items) {
        if (item.subMenu) {
            if (Item* found = item.subMenu->FindItem(id))
                return found;
        } else if (!(item.nFlags & MF_SEPARATOR) && item.nId == id) {
            return &item;
        }
    }
    return nullptr;
}

bool CCusPopMenu::CheckMenuItem(UINT id, bool checked)
{
    Item* item = FindItem(id);
    if (!item)
        return false;
    item->nFlags = checked ? (item->nFlags | MF_CHECKED) : (item->nFlags & ~MF_CHECKED);
    return true;
}

bool CCusPopMenu::EnableMenuItem(UINT id, bool enabled)
{
    Item* item = FindItem(id);
    if (!item)
        return false;
    item->nFlags = enabled ? (item->nFlags & ~(MF_GRAYED | MF_DISABLED)) : (item->nFlags | MF_GRAYED);
    return true;
}

void CCusPopMenu::DescribeInto(std::vector<SMenuItemRecord>& out, int depth) const
{
    for (const auto& item : m_items) {
        SMenuItemRecord record;
        record.nDepth = depth;
        record.bSeparator = (item.nFlags & MF_SEPARATOR) != 0;
        record.bSubMenu = item.subMenu != nullptr;
        record.nId = (record.bSeparator || record.bSubMenu) ? 0 : item.nId;
        record.strText = item.strText;
        record.bChecked = (item.nFlags & MF_CHECKED) != 0;
        record.bEnabled = !(item.nFlags & (MF_GRAYED | MF_DISABLED));
        out.push_back(record);
        if (item.subMenu)
            item.subMenu->DescribeInto(out, depth + 1);
    }
}

std::vector<SMenuItemRecord> CCusPopMenu::Describe() const
{
    std::vector<SMenuItemRecord> out;
    DescribeInto(out, 0);
    return out;
}

UINT CCusPopMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner)
{
    SModalCall call;
    call.record.eKind = EModalKind::Menu;
    call.record.nType = flags;
    call.record.menuItems = Describe();
    call.nDismissAnswer = 0;
    // A choice must be an enabled command of this menu; a disabled
    // ancestor sub-menu disables everything under it.
    call.accepts = [items = call.record.menuItems](int id) {
        if (id == 0)
            return true;
        int disabledDepth = -1;
        for (const auto& item : items) {
            if (disabledDepth >= 0 && item.nDepth > disabledDepth)
                continue;
            disabledDepth = -1;
            if (item.bSubMenu && !item.bEnabled)
                disabledDepth = item.nDepth;
            else if (!item.bSeparator && !item.bSubMenu && item.bEnabled && item.nId == static_cast<UINT>(id))
                return true;
        }
        return false;
    };
    call.live = [&]() {
        QWidget* parent = owner ? plat::NativeWidget(owner) : QApplication::activeWindow();
        auto menu = morv::detail::BuildMenu(*this, parent, (flags & TPM_RIGHTBUTTON) != 0);
        const QAction* chosen = menu->exec(QPoint(x, y));
        return chosen ? chosen->data().toInt() : 0;
    };
    const int chosen = CModalScript::Instance().RunModal(std::move(call));
    if (flags & TPM_RETURNCMD)
        return static_cast<UINT>(chosen);
    if (chosen != 0 && owner)
        owner->PostMessage(WM_COMMAND, static_cast<WPARAM>(static_cast<UINT>(chosen)), 0);
    return chosen != 0 ? 1 : 0;
}
