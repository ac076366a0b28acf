#include "controls/image_blt.h"

namespace {

CSize TurnedSize(const Image& image, int quarterTurns)
{
    const bool odd = (quarterTurns & 1) != 0;
    return odd ? CSize{image.Height(), image.Width()} : CSize{image.Width(), image.Height()};
}

} // namespace

void CCusFuntionEx::ImageCusBlt(ICanvas& dc, const Image* image, const CRect& dest, int type, int marginLeft,
                                int marginTop, int marginRight, int marginBottom, int quarterTurns)
{
    if (!image || dest.IsRectEmpty())
        return;
    const int turns = ((quarterTurns % 4) + 4) % 4;
    switch (type) {
    case BltNinePart:
        dc.DrawImageNinePart(*image, dest, Margins{marginLeft, marginTop, marginRight, marginBottom}, turns);
        return;
    case BltCenter: {
        const CSize size = TurnedSize(*image, turns);
        const CPoint topLeft{dest.left + (dest.Width() - size.cx) / 2, dest.top + (dest.Height() - size.cy) / 2};
        dc.DrawImage(*image, CRect(topLeft, size), turns);
        return;
    }
    case BltFit: {
        const CSize size = TurnedSize(*image, turns);
        CSize fit = size;
        if (size.cx > dest.Width() || size.cy > dest.Height()) {
            // The smaller of the two ratios, in integers: width-bound when
            // dest.cx / size.cx <= dest.cy / size.cy.
            if (static_cast<long long>(dest.Width()) * size.cy <= static_cast<long long>(dest.Height()) * size.cx)
                fit = {dest.Width(), static_cast<int>(static_cast<long long>(size.cy) * dest.Width() / size.cx)};
            else
                fit = {static_cast<int>(static_cast<long long>(size.cx) * dest.Height() / size.cy), dest.Height()};
        }
        const CPoint topLeft{dest.left + (dest.Width() - fit.cx) / 2, dest.top + (dest.Height() - fit.cy) / 2};
        dc.DrawImage(*image, CRect(topLeft, fit), turns);
        return;
    }
    case BltTopLeft: dc.DrawImage(*image, CRect(dest.TopLeft(), TurnedSize(*image, turns)), turns); return;
    default: dc.DrawImage(*image, dest, turns); return;
    }
}
