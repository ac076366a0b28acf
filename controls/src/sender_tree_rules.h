#pragma once
// The sender tree's rules, kept apart from its widgets: how clicks and keys
// change a multiple selection, where the parts of a row lie and what a
// point hits, and when a drag scrolls.
#include "platform/geometry.h"
#include "platform/wintypes.h"

#include <cstdint>
#include <set>
#include <vector>

namespace morv::tree {

using ItemId = uint64_t; // 0 is no item

struct SSelection {
    std::set<ItemId> selected;
    ItemId focus = 0;  // where the last click or key went
    ItemId anchor = 0; // where a Shift range starts
    bool operator==(const SSelection&) const = default;
};

// A click on an item of the visible rows (top down): plain selects it
// alone, Ctrl toggles it, Shift selects the range from the anchor,
// Ctrl+Shift adds that range. The clicked item becomes the focus; plain
// and Ctrl clicks make it the anchor.
SSelection ClickSelection(const SSelection& current, const std::vector<ItemId>& visible, ItemId clicked, bool ctrl,
                          bool shift);
// A plain press on one of several selected items keeps them selected until
// the button is released (they may be about to be dragged together).
bool DefersPlainClick(const SSelection& current, ItemId clicked, bool ctrl, bool shift);
// The item a navigation key moves the focus to (Up, Down, Home, End,
// Prior, Next by pageRows); 0 when the key does not move it.
ItemId KeyTarget(const std::vector<ItemId>& visible, ItemId focus, UINT vk, int pageRows);
// The item that stands for the selection: the focus while selected, else
// the first selected in tree order, else 0.
ItemId SelectedItem(const SSelection& selection, const std::vector<ItemId>& treeOrder);
// The selection without items that no longer exist.
SSelection WithoutItems(const SSelection& selection, const std::set<ItemId>& removed);

// -1 within band pixels of the top of the client area, 1 within band of
// the bottom, else 0.
int DragScrollDirection(const CRect& client, const CPoint& point, int band);

// The parts of one row, in client coordinates.
struct SRowLayout {
    CRect rcRow;    // the whole width
    CRect rcButton; // the expand button, in the indent just left of the item
    CRect rcIcon;   // empty without an icon
    CRect rcText;
    CRect rcMark; // the warning mark at the right end
    int nItemLeft = 0;
};
SRowLayout RowLayout(const CRect& row, int itemLeft, int indent, bool hasIcon, double density);
// Hit-test flags (TVHT_...) of a point in a row.
UINT HitZone(const SRowLayout& layout, const CPoint& point, bool hasChildren);

// Design lengths.
constexpr int kRowHeight = 28;
constexpr int kIndent = 18;
constexpr int kIconSize = 16;
constexpr int kDragDistance = 4;

} // namespace morv::tree
