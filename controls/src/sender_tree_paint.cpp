#include "sender_tree_paint.h"

#include "controls/density.h"
#include "controls/image_blt.h"
#include "controls/lib_set.h"
#include "controls/skin.h"
#include "controls/state_image.h"

#include <algorithm>

namespace morv::tree {

namespace {

void PaintChevron(ICanvas& dc, const CRect& box, bool expanded, Color color, double density)
{
    const CPoint c = box.CenterPoint();
    const int s = std::max(2, Scale(4, density));
    const Pen pen{color, std::max(1, Scale(3, density) / 2), {}};
    if (expanded)
        dc.DrawPolyline({{c.x - s, c.y - s / 2}, {c.x, c.y + s / 2}, {c.x + s, c.y - s / 2}}, pen);
    else
        dc.DrawPolyline({{c.x - s / 2, c.y - s}, {c.x + s / 2, c.y}, {c.x - s / 2, c.y + s}}, pen);
}

} // namespace

STreeLook LookFromSkin()
{
    const SSkinColors& c = CMorvSkin::Instance().GetColors();
    STreeLook look;
    look.clrPanel = c.clrPanel;
    look.clrSelection = c.clrSelection;
    look.clrHover = c.clrHover;
    look.clrTextOnline = c.clrOnlineText;
    look.clrTextOffline = c.clrOfflineText;
    look.clrTextOnSelection = c.clrTextOnSelection;
    look.clrWarning = c.clrWarningFill;
    look.font = CMorvLibSet::Instance().GetDefaultFont();
    look.density = GetDensity();
    return look;
}

void PaintRow(ICanvas& dc, const SRowLayout& layout, const STreeRow& row, const STreeLook& look)
{
    const Image* frame = nullptr;
    if (!look.strFrameFolder.empty())
        frame
            = StateImage(look.strFrameFolder, PickImageState(row.bEnabled, row.bPressed, row.bSelected, row.bHovered));
    bool onSelection = false;
    dc.FillRect(layout.rcRow, look.clrPanel);
    if (frame) {
        const int m = Scale(4, look.density);
        CCusFuntionEx::ImageCusBlt(dc, frame, layout.rcRow, BltNinePart, m, m, m, m);
    } else if (row.bSelected) {
        dc.FillRect(layout.rcRow, look.clrSelection);
        onSelection = true;
    } else if (row.bHovered) {
        dc.FillRect(layout.rcRow, look.clrHover);
    }

    const Color ink = onSelection ? look.clrTextOnSelection : (row.bOnline ? look.clrTextOnline : look.clrTextOffline);
    if (row.bHasChildren)
        PaintChevron(dc, layout.rcButton, row.bExpanded, ink, look.density);
    if (row.pIcon && !layout.rcIcon.IsRectEmpty())
        dc.DrawImage(*row.pIcon, layout.rcIcon);
    dc.DrawText(row.strText, layout.rcText, look.font, ink, AlignLeft | AlignVCenter | ElideRight);
    if (row.bWarning) {
        const int d = std::max(4, Scale(8, look.density));
        const CPoint c = layout.rcMark.CenterPoint();
        const CRect dot{c.x - d / 2, c.y - d / 2, c.x - d / 2 + d, c.y - d / 2 + d};
        if (onSelection) {
            // A white ring keeps the mark visible on the selection colour.
            const int r = std::max(1, Scale(1, look.density));
            dc.FillEllipse({dot.left - r, dot.top - r, dot.right + r, dot.bottom + r}, look.clrTextOnSelection);
        }
        dc.FillEllipse(dot, look.clrWarning);
    }
}

} // namespace morv::tree
