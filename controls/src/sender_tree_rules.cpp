#include "sender_tree_rules.h"

#include "controls/density.h"
#include "controls/sender_tree.h"

#include <algorithm>
#include <cstdlib>

namespace morv::tree {

namespace {

int IndexOf(const std::vector<ItemId>& items, ItemId id)
{
    const auto it = std::find(items.begin(), items.end(), id);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

void AddRange(std::set<ItemId>& into, const std::vector<ItemId>& visible, int from, int to)
{
    if (from > to)
        std::swap(from, to);
    for (int i = from; i <= to; ++i)
        into.insert(visible[static_cast<size_t>(i)]);
}

} // namespace

SSelection ClickSelection(const SSelection& current, const std::vector<ItemId>& visible, ItemId clicked, bool ctrl,
                          bool shift)
{
    const int at = IndexOf(visible, clicked);
    if (at < 0)
        return current;
    SSelection next = current;
    next.focus = clicked;
    const int anchorAt = IndexOf(visible, current.anchor);
    if (shift && anchorAt >= 0) {
        if (!ctrl)
            next.selected.clear();
        AddRange(next.selected, visible, anchorAt, at);
        return next;
    }
    next.anchor = clicked;
    if (ctrl && !shift) {
        if (!next.selected.erase(clicked))
            next.selected.insert(clicked);
        return next;
    }
    if (!ctrl)
        next.selected.clear();
    next.selected.insert(clicked);
    return next;
}

bool DefersPlainClick(const SSelection& current, ItemId clicked, bool ctrl, bool shift)
{
    return !ctrl && !shift && current.selected.size() > 1 && current.selected.count(clicked) != 0;
}

ItemId KeyTarget(const std::vector<ItemId>& visible, ItemId focus, UINT vk, int pageRows)
{
    if (visible.empty())
        return 0;
    const int last = static_cast<int>(visible.size()) - 1;
    const int at = IndexOf(visible, focus);
    const int page = std::max(1, pageRows);
    int to;
    switch (vk) {
    case VK_UP: to = at < 0 ? 0 : at - 1; break;
    case VK_DOWN: to = at < 0 ? 0 : at + 1; break;
    case VK_HOME: to = 0; break;
    case VK_END: to = last; break;
    case VK_PRIOR: to = at < 0 ? 0 : at - page; break;
    case VK_NEXT: to = at < 0 ? 0 : at + page; break;
    default: return 0;
    }
    return visible[static_cast<size_t>(std::clamp(to, 0, last))];
}

ItemId SelectedItem(const SSelection& selection, const std::vector<ItemId>& treeOrder)
{
    if (selection.focus && selection.selected.count(selection.focus))
        return selection.focus;
    for (ItemId id : treeOrder) {
        if (selection.selected.count(id))
            return id;
    }
    return 0;
}

SSelection WithoutItems(const SSelection& selection, const std::set<ItemId>& removed)
{
    SSelection next = selection;
    for (ItemId id : removed)
        next.selected.erase(id);
    if (removed.count(next.focus))
        next.focus = 0;
    if (removed.count(next.anchor))
        next.anchor = 0;
    return next;
}

int DragScrollDirection(const CRect& client, const CPoint& point, int band)
{
    if (client.IsRectEmpty() || band <= 0)
        return 0;
    if (point.y < client.top + band)
        return -1;
    if (point.y >= client.bottom - band)
        return 1;
    return 0;
}

SRowLayout RowLayout(const CRect& row, int itemLeft, int indent, bool hasIcon, double density)
{
    SRowLayout l;
    l.rcRow = row;
    l.nItemLeft = itemLeft;
    l.rcButton = {std::max(row.left, itemLeft - indent), row.top, itemLeft, row.bottom};
    const int gap = Scale(4, density);
    const int icon = Scale(kIconSize, density);
    const int markRoom = Scale(22, density);
    int textLeft = itemLeft + gap;
    if (hasIcon) {
        const int top = row.top + (row.Height() - icon) / 2;
        l.rcIcon = {itemLeft + gap, top, itemLeft + gap + icon, top + icon};
        textLeft = l.rcIcon.right + Scale(6, density);
    }
    l.rcMark = {std::max(textLeft, row.right - markRoom), row.top, row.right, row.bottom};
    l.rcText = {textLeft, row.top, l.rcMark.left, row.bottom};
    return l;
}

UINT HitZone(const SRowLayout& layout, const CPoint& point, bool hasChildren)
{
    if (!layout.rcRow.PtInRect(point))
        return TVHT_NOWHERE;
    if (hasChildren && layout.rcButton.PtInRect(point))
        return TVHT_ONITEMBUTTON;
    if (point.x < layout.nItemLeft)
        return TVHT_ONITEMINDENT;
    if (!layout.rcIcon.IsRectEmpty() && layout.rcIcon.PtInRect(point))
        return TVHT_ONITEMICON;
    if (point.x < layout.rcText.right)
        return TVHT_ONITEMLABEL;
    return TVHT_ONITEMRIGHT;
}

} // namespace morv::tree
