#include "controls/control_table.h"

#include <numeric>

namespace morv {

std::string ResolveControlText(const SMorvControl& control, bool checkSourceOn, const LanguageLookup& lookup)
{
    if (control.strKey.empty())
        return control.strText;
    std::string key = control.strKey;
    if (control.nCheckSource >= 0 && !checkSourceOn)
        key += kCloseKeySuffix;
    std::string text = lookup ? lookup(key, control.strSection) : key;
    if (!control.formatArgs.empty()) {
        // The looked-up text is data: the safe formatter never reads past
        // the arguments given, whatever conversions the text holds.
        switch (control.formatArgs.size()) {
        case 1: text = plat::Format(text, control.formatArgs[0]); break;
        case 2: text = plat::Format(text, control.formatArgs[0], control.formatArgs[1]); break;
        default: text = plat::Format(text, control.formatArgs[0], control.formatArgs[1], control.formatArgs[2]); break;
        }
    }
    return text + control.strSuffix;
}

bool IsClickable(const SMorvControl& control)
{
    if (!control.bVisible || !control.bEnabled || control.nBusy > 0)
        return false;
    switch (control.eKind) {
    case EMorvControlKind::Button:
    case EMorvControlKind::CheckBox:
    case EMorvControlKind::Label:
    case EMorvControlKind::Table: return true;
    default: return false;
    }
}

int TableRowCount(const SMorvTable& table) { return 1 + static_cast<int>(table.rows.size()); }

CRect TableRowRect(const SMorvControl& control, int row)
{
    const int height = control.table.nRowHeight;
    if (row < 0 || row >= TableRowCount(control.table) || height <= 0)
        return {};
    const int top = control.rect.top + row * height;
    return {control.rect.left, top, control.rect.right, top + height};
}

CRect TableCellRect(const SMorvControl& control, int row, int column)
{
    const CRect rowRect = TableRowRect(control, row);
    const auto& weights = control.table.columnWeights;
    if (rowRect.IsRectEmpty() || column < 0 || column >= static_cast<int>(weights.size()))
        return {};
    const long long total = std::accumulate(weights.begin(), weights.end(), 0LL);
    if (total <= 0)
        return {};
    // Each edge sits at its share of the width, so the last column ends
    // exactly at the table's right edge.
    const long long before = std::accumulate(weights.begin(), weights.begin() + column, 0LL);
    const int width = rowRect.Width();
    const int left = rowRect.left + static_cast<int>(width * before / total);
    const int right = rowRect.left + static_cast<int>(width * (before + weights[column]) / total);
    return {left, rowRect.top, right, rowRect.bottom};
}

int TableRowAt(const SMorvControl& control, const CPoint& pt)
{
    const int height = control.table.nRowHeight;
    if (height <= 0 || pt.x < control.rect.left || pt.x >= control.rect.right || pt.y < control.rect.top)
        return -1;
    const int row = (pt.y - control.rect.top) / height;
    return row < TableRowCount(control.table) ? row : -1;
}

} // namespace morv
