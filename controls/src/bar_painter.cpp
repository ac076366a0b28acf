// Drawing of the button bar's items from the skin.
#include "controls/button_bar.h"

#include "control_painter.h"

#include "controls/density.h"
#include "controls/image_blt.h"
#include "controls/lib_set.h"
#include "controls/skin.h"
#include "controls/state_image.h"

#include <algorithm>

namespace {

const SSkinColors& Colors() { return CMorvSkin::Instance().GetColors(); }

void DrawWarningDot(ICanvas& dc, const CRect& rect) { dc.FillEllipse(rect, Colors().clrWarningFill); }

void DrawDownArrow(ICanvas& dc, const CRect& area, Color color)
{
    const int half = std::max(2, morv::Scale(4));
    const CPoint centre = area.CenterPoint();
    Pen pen{color, std::max(1, morv::Scale(1) + (morv::GetDensity() >= 1.5 ? 1 : 0)), {}};
    dc.DrawPolyline({{centre.x - half, centre.y - half / 2},
                     {centre.x, centre.y + half / 2},
                     {centre.x + half, centre.y - half / 2}},
                    pen);
}

// A drop-down without images: a field with its caption and an arrow.
void DrawDropDownFace(ICanvas& dc, const SBarItem& item, bool hovered, bool pressed)
{
    const SSkinColors& c = Colors();
    dc.FillRect(item.rect, item.bEnabled ? c.clrButtonFill : c.clrDisabledFill);
    dc.DrawRect(item.rect, Pen{(hovered || pressed) && item.bEnabled ? c.clrSelection : c.clrBorder, 1, {}});
    const int arrowWidth = std::min(item.rect.Width() / 3, morv::Scale(20));
    const CRect arrow{item.rect.right - arrowWidth, item.rect.top, item.rect.right, item.rect.bottom};
    DrawDownArrow(dc, arrow, item.bEnabled ? c.clrText : c.clrTextDisabled);
    if (!item.strCaption.empty()) {
        const CRect text{item.rect.left + morv::Scale(4), item.rect.top, arrow.left, item.rect.bottom};
        dc.DrawText(item.strCaption, text, CMorvLibSet::Instance().GetDefaultFont(-1),
                    item.bEnabled ? c.clrText : c.clrTextDisabled, AlignCenter | ElideRight);
    }
}

// An item without state images: flat fills in the skin's colours.
void DrawFlatFace(ICanvas& dc, const SBarItem& item, EImageState state)
{
    const SSkinColors& c = Colors();
    switch (state) {
    case EImageState::Checked: dc.FillRect(item.rect, c.clrSelection); break;
    case EImageState::Down: dc.FillRect(item.rect, c.clrButtonDown); break;
    case EImageState::Hover: dc.FillRect(item.rect, c.clrHover); break;
    default: break;
    }
}

} // namespace

void CMorvButtonBar::Draw(ICanvas& dc) const
{
    for (int i = 0; i < GetItemCount(); ++i) {
        const SBarItem& item = m_items[static_cast<std::size_t>(i)];
        if (item.bVisible && !item.rect.IsRectEmpty())
            DrawItem(dc, i, item);
    }
}

void CMorvButtonBar::DrawItem(ICanvas& dc, int index, const SBarItem& item) const
{
    const SSkinColors& c = Colors();
    if (item.nDrawType == BarDrawWarningMark) {
        if (!item.bWarning)
            return;
        if (const Image* image = morv::StateImage(item.strImageFolder, EImageState::Normal))
            CCusFuntionEx::ImageCusBlt(dc, image, item.rect, BltFit);
        else
            DrawWarningDot(dc, item.rect);
        return;
    }
    if (item.nKind == BarSeparator) {
        if (const Image* image = morv::StateImage(item.strImageFolder, EImageState::Normal)) {
            CCusFuntionEx::ImageCusBlt(dc, image, item.rect, BltStretch);
        } else {
            const CPoint centre = item.rect.CenterPoint();
            const Pen pen{c.clrToolbarLine1, 1, {}};
            if (item.rect.Height() >= item.rect.Width())
                dc.DrawLine({centre.x, item.rect.top}, {centre.x, item.rect.bottom}, pen);
            else
                dc.DrawLine({item.rect.left, centre.y}, {item.rect.right, centre.y}, pen);
        }
        return;
    }

    const bool hovered = index == m_hover;
    const bool pressed = index == m_pressed || item.nBusy > 0;
    const EImageState state = morv::PickImageState(item.bEnabled, pressed, item.bChecked, hovered);
    const Image* face = item.nKind == BarLabel ? nullptr : morv::StateImage(item.strImageFolder, state);
    if (face) {
        CCusFuntionEx::ImageCusBlt(dc, face, item.rect, BltFit);
    } else if (item.nKind == BarDropDown) {
        DrawDropDownFace(dc, item, hovered, pressed);
    } else if (item.nKind == BarPush && !item.strCaption.empty()) {
        // A text button keeps its face and frame in every state, as a dialog's do.
        morv::detail::DrawButtonFace(dc, item.rect, item.bEnabled, hovered, pressed);
    } else if (item.nKind != BarLabel) {
        DrawFlatFace(dc, item, state);
    }

    if (!item.strIconFile.empty()) {
        const CRect area = item.rcImage.IsRectEmpty() ? item.rect : item.rcImage;
        CCusFuntionEx::ImageCusBlt(dc, morv::StateImage(item.strIconFile, state), area, BltFit);
    }

    if (!item.strCaption.empty() && !(item.nKind == BarDropDown && !face)) {
        Color color = c.clrText;
        if (!item.bEnabled)
            color = c.clrTextDisabled;
        else if (!face && state == EImageState::Checked)
            color = c.clrTextOnSelection;
        CRect text = item.rect;
        if (item.nKind == BarDropDown) {
            text.right -= std::min(item.rect.Width() / 3, morv::Scale(20));
            DrawDownArrow(dc, {text.right, item.rect.top, item.rect.right, item.rect.bottom}, color);
        }
        dc.DrawText(item.strCaption, text, CMorvLibSet::Instance().GetDefaultFont(-1, item.bChecked && !face), color,
                    AlignCenter | ElideRight);
    }

    if (item.bWarning) {
        const int size = std::max(4, morv::Scale(7));
        const int inset = std::max(1, morv::Scale(2));
        DrawWarningDot(dc,
                       {item.rect.right - inset - size, item.rect.top + inset, item.rect.right - inset,
                        item.rect.top + inset + size});
    }
}
