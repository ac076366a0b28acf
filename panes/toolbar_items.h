#pragma once
// The toolbar's items: what each one is (image, tooltip) and where the
// layout puts it. Pure data and functions; the dialog applies them to its
// button bar.
#include "platform/geometry.h"

#include <vector>

enum EToolBarItem : int {
    TB_LEFT_END = 1, // decoration before the first button
    TB_OPEN = 2,
    TB_SAVE = 3,
    TB_LOAD_FROM_CARD = 4,
    TB_SAVE_TO_CARD = 5,
    TB_SETTINGS = 6,
    TB_START = 7,
    TB_STOP = 8,
    TB_NORMAL = 9, // normal (select) mode
    TB_MOVE = 10,  // move mode
    TB_LOG = 11,
    TB_NAVIGATION = 12,
    TB_ZOOM = 13,
    TB_SEPARATOR_FIRST = 14, // 14 to 18: separator lines
    TB_SEPARATOR_LAST = 18,
};
// Item 0 is not used.
constexpr int kToolBarItemCount = 19;

struct SToolBarItemInfo {
    int nIndex = 0;
    const char* pszImage = "";      // state-image folder, or one .png file
    const char* pszTooltipKey = ""; // empty: no tooltip
    const char* pszSection = "";
    const char* pszSuffix = ""; // shortcut appended to the tooltip
};

// Items 1 to 18 in index order.
const std::vector<SToolBarItemInfo>& ToolBarItemTable();
// The item's entry, or null for an index without one.
const SToolBarItemInfo* FindToolBarItem(int index);

// Kind and style of the bar item at an index (button bar values).
int ToolBarItemKind(int index);
int ToolBarItemStyle(int index);

struct SToolBarSlot {
    int nIndex = 0;
    CRect rect;
    bool operator==(const SToolBarSlot&) const = default;
};

// Where the visible items go, in placing order, in a client rectangle at a
// density factor. The zoom item and its separator come last and only for a
// receiver target.
std::vector<SToolBarSlot> ComputeToolBarLayout(const CRect& client, double scale, bool receiverTarget);
