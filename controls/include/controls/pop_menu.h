#pragma once
// CCusPopMenu: the skinned pop-up menu. Items are kept as data; the menu
// widget exists only while TrackPopupMenu runs (through the modal script).
#include "controls/modal.h"
#include "platform/wintypes.h"

#include <memory>
#include <string>
#include <vector>

class CWnd;

// Item flags.
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_SEPARATOR = 0x0800;
// TrackPopupMenu flags.
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_RETURNCMD = 0x0100;

class CCusPopMenu {
public:
    CCusPopMenu();
    ~CCusPopMenu();
    CCusPopMenu(const CCusPopMenu&) = delete;
    CCusPopMenu& operator=(const CCusPopMenu&) = delete;

    // A command item. The icon is an image file or a state-image folder
    // (relative names resolve against the skin's image root).
    void AppendMenu(UINT flags, UINT id, const std::string& text, const std::string& icon = {});
    void AppendSeparator();
    // A sub-menu; the answer belongs to this menu and lives as long as it.
    CCusPopMenu& AppendSubMenu(const std::string& text, const std::string& icon = {});

    // Check mark and enabled state of a command item, searched through the
    // sub-menus; false when no item has the id.
    bool CheckMenuItem(UINT id, bool checked);
    bool EnableMenuItem(UINT id, bool enabled);

    // Item height and menu width in pixels (0: the style's own).
    void SetItemHeight(int pixels) { m_itemHeight = pixels; }
    void SetMenuWidth(int pixels) { m_menuWidth = pixels; }
    int GetItemHeight() const { return m_itemHeight; }
    int GetMenuWidth() const { return m_menuWidth; }

    // Items of this level (separators included).
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    // Every item, sub-menus flattened with their depth.
    std::vector<SMenuItemRecord> Describe() const;

    // Opens the menu with its top-left corner at a screen point and waits
    // for a choice. With TPM_RETURNCMD it answers the chosen id (0 when
    // dismissed); without, it posts WM_COMMAND with the id to the owner and
    // answers nonzero when an item was chosen. Only with TPM_RIGHTBUTTON does
    // the right mouse button choose items.
    UINT TrackPopupMenu(UINT flags, int x, int y, CWnd* owner);

    struct Item {
        UINT nFlags = 0;
        UINT nId = 0;
        std::string strText;
        std::string strIcon;
        std::unique_ptr<CCusPopMenu> subMenu;
    };
    const std::vector<Item>& Items() const { return m_items; }

private:
    Item* FindItem(UINT id);
    void DescribeInto(std::vector<SMenuItemRecord>& out, int depth) const;

    std::vector<Item> m_items;
    int m_itemHeight = 0;
    int m_menuWidth = 0;
};
