#include "control_painter.h"

#include "controls/density.h"
#include "controls/image_blt.h"
#include "controls/lib_set.h"
#include "controls/skin.h"
#include "controls/state_image.h"

#include <algorithm>

namespace morv::detail {
namespace {

const SSkinColors& Colors() { return CMorvSkin::Instance().GetColors(); }

Color Or(const Color& color, const Color& fallback) { return color.a == 0 ? fallback : color; }

Color TextColor(const SMorvControl& control)
{
    return control.bEnabled ? Or(control.clrText, Colors().clrText) : Colors().clrTextDisabled;
}

void DrawTitle(ICanvas& dc, const SMorvControl& control)
{
    const int bar = std::max(2, Scale(3));
    const int barHeight = std::min(control.rect.Height(), std::max(bar * 4, ControlFont(control).pixelSize + Scale(2)));
    const int top = control.rect.top + (control.rect.Height() - barHeight) / 2;
    dc.FillRect({control.rect.left, top, control.rect.left + bar, top + barHeight}, Colors().clrSelection);
    CRect text = control.rect;
    text.left += bar + Scale(8);
    dc.DrawText(control.strText, text, ControlFont(control), TextColor(control),
                control.nAlign ? control.nAlign : (AlignLeft | AlignVCenter | ElideRight));
}

void DrawLabel(ICanvas& dc, const SMorvControl& control)
{
    dc.DrawText(control.strText, control.rect, ControlFont(control), TextColor(control),
                control.nAlign ? control.nAlign : (AlignLeft | AlignVCenter | ElideRight));
}

// The check mark of a check box drawn without its images.
void DrawVectorCheck(ICanvas& dc, const CRect& box, bool checked, bool enabled, bool hovered)
{
    const SSkinColors& c = Colors();
    if (checked) {
        dc.FillRect(box, enabled ? c.clrSelection : c.clrTextDisabled);
        const int w = box.Width();
        const Pen pen{c.clrTextOnSelection, std::max(2, Scale(2)), {}};
        dc.DrawPolyline({{box.left + w * 22 / 100, box.top + w * 52 / 100},
                         {box.left + w * 42 / 100, box.top + w * 72 / 100},
                         {box.left + w * 78 / 100, box.top + w * 32 / 100}},
                        pen);
    } else {
        dc.FillRect(box, enabled ? c.clrButtonFill : c.clrDisabledFill);
        dc.DrawRect(box, Pen{hovered && enabled ? c.clrSelection : c.clrBorder, std::max(1, Scale(1)), {}});
    }
}

void DrawCheckBox(ICanvas& dc, const SMorvControl& control, const SControlLook& look)
{
    const bool checked = control.nCheck != 0;
    const EImageState state
        = !control.bEnabled ? EImageState::Disable : (look.bHovered ? EImageState::Hover : EImageState::Normal);
    const Image* image = StateImage(checked ? kCheckedImageFolder : kUncheckedImageFolder, state);
    const CRect& r = control.rect;
    int imageRight = r.left;
    if (image) {
        // Natural size (scaled down only when it does not fit), at the left, centred vertically.
        const CRect area{r.left, r.top, r.left + std::min(r.Width(), image->Width()), r.bottom};
        CCusFuntionEx::ImageCusBlt(dc, image, area, BltFit);
        imageRight = area.right;
    } else {
        const int side = std::min({r.Width(), r.Height(), Scale(16)});
        const CRect box{r.left, r.top + (r.Height() - side) / 2, r.left + side, r.top + (r.Height() - side) / 2 + side};
        DrawVectorCheck(dc, box, checked, control.bEnabled, look.bHovered);
        imageRight = box.right;
    }
    if (!control.strText.empty()) {
        const CRect text{imageRight + Scale(6), r.top, r.right, r.bottom};
        dc.DrawText(control.strText, text, ControlFont(control), TextColor(control),
                    control.nAlign ? control.nAlign : (AlignLeft | AlignVCenter | ElideRight));
    }
}

// A button is its state images alone, a skinned face with its text, or,
// with both an image folder and a text (a table cell with a settings
// icon), a face with the text and the image at its right end.
void DrawButton(ICanvas& dc, const SMorvControl& control, const SControlLook& look)
{
    const bool pressed = look.bPressed || control.nBusy > 0;
    const EImageState state = PickImageState(control.bEnabled, pressed, false, look.bHovered);
    const Image* image = StateImage(control.strImageFolder, state);
    CRect textRect = control.rect;
    if (image && control.strText.empty()) {
        CCusFuntionEx::ImageCusBlt(dc, image, control.rect, BltFit);
        return;
    }
    DrawButtonFace(dc, control.rect, control.bEnabled, look.bHovered, pressed, control.nStyle == ButtonPrimary);
    if (image) {
        const int side = control.rect.Height();
        const CRect icon{control.rect.right - side, control.rect.top, control.rect.right, control.rect.bottom};
        CCusFuntionEx::ImageCusBlt(dc, image, icon, BltFit);
        textRect.right = icon.left;
    }
    if (control.strText.empty())
        return;
    Color text = TextColor(control);
    if (control.nStyle == ButtonPrimary && control.bEnabled)
        text = Colors().clrTextOnSelection;
    dc.DrawText(control.strText, textRect, ControlFont(control), text,
                control.nAlign ? control.nAlign : (AlignCenter | ElideRight));
}

void DrawTable(ICanvas& dc, const SMorvControl& control)
{
    const SSkinColors& c = Colors();
    const SMorvTable& table = control.table;
    const int rows = TableRowCount(table);
    const int columns = static_cast<int>(table.columnWeights.size());
    Font header = ControlFont(control);
    header.bold = true;
    for (int r = 0; r < rows; ++r) {
        const CRect rowRect = TableRowRect(control, r);
        const STableRow* row = r > 0 ? &table.rows[static_cast<std::size_t>(r - 1)] : nullptr;
        dc.FillRect(rowRect, r == 0 ? c.clrTableHeader : Or(row->clrFill, c.clrButtonFill));
        for (int col = 0; col < columns; ++col) {
            const std::vector<std::string>& texts = row ? row->cells : table.headers;
            if (col >= static_cast<int>(texts.size()) || texts[static_cast<std::size_t>(col)].empty())
                continue;
            CRect cell = TableCellRect(control, r, col);
            cell.DeflateRect(Scale(4), 0);
            const Color color = row ? (control.bEnabled ? Or(row->clrText, c.clrText) : c.clrTextDisabled) : c.clrText;
            dc.DrawText(texts[static_cast<std::size_t>(col)], cell, row ? ControlFont(control) : header, color,
                        AlignCenter | ElideRight);
        }
    }
    // The grid over the fills: row lines, column lines, the frame.
    const CRect whole{control.rect.left, control.rect.top, control.rect.right, TableRowRect(control, rows - 1).bottom};
    const Pen grid{c.clrGrid, 1, {}};
    for (int r = 1; r < rows; ++r) {
        const int y = TableRowRect(control, r).top;
        dc.DrawLine({whole.left, y}, {whole.right, y}, grid);
    }
    for (int col = 1; col < columns; ++col) {
        const int x = TableCellRect(control, 0, col).left;
        dc.DrawLine({x, whole.top}, {x, whole.bottom}, grid);
    }
    dc.DrawRect(whole, grid);
}

} // namespace

void DrawButtonFace(ICanvas& dc, const CRect& rect, bool enabled, bool hovered, bool pressed, bool primary)
{
    const SSkinColors& c = Colors();
    Color fill = primary ? c.clrSelection : c.clrButtonFill;
    Color border = primary ? c.clrSelection : c.clrBorder;
    if (!enabled) {
        fill = c.clrDisabledFill;
        border = c.clrBorder;
    } else if (pressed) {
        fill = primary ? RGBColor(28, 110, 220) : c.clrButtonDown;
        border = c.clrSelection;
    } else if (hovered) {
        fill = primary ? RGBColor(64, 150, 255) : c.clrHover;
        border = c.clrSelection;
    }
    dc.FillRect(rect, fill);
    dc.DrawRect(rect, Pen{border, std::max(1, Scale(1)), {}});
}

Font ControlFont(const SMorvControl& control)
{
    const bool title = control.eKind == EMorvControlKind::Title;
    Font font = CMorvLibSet::Instance().GetDefaultFont(title ? 1 : -1, title);
    if (control.nFontSize > 0)
        font.pixelSize = control.nFontSize;
    return font;
}

void DrawControl(ICanvas& dc, const SMorvControl& control, const SControlLook& look)
{
    if (!control.bVisible || control.rect.IsRectEmpty())
        return;
    switch (control.eKind) {
    case EMorvControlKind::Title: DrawTitle(dc, control); break;
    case EMorvControlKind::Label: DrawLabel(dc, control); break;
    case EMorvControlKind::CheckBox: DrawCheckBox(dc, control, look); break;
    case EMorvControlKind::Button: DrawButton(dc, control, look); break;
    case EMorvControlKind::Table: DrawTable(dc, control); break;
    case EMorvControlKind::NumericEdit:
    case EMorvControlKind::TimeEdit:
    case EMorvControlKind::Edit: break; // real windows draw themselves
    }
}

} // namespace morv::detail
