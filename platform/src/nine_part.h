#pragma once
// Geometry of a nine-part stretch: which part of the image goes where.
#include "platform/canvas.h"
#include "platform/geometry.h"

#include <array>

namespace plat::detail {

struct NinePiece {
    CRect source;
    CRect dest;
};

struct NinePieces {
    std::array<NinePiece, 9> pieces;
    int count = 0;
};

// Corners keep their size, the top and bottom edges stretch across, the
// left and right edges stretch down, the middle both ways. Margins are in
// the image's pixels. Margins larger than the image are shrunk in
// proportion, leaving at least one pixel between them to stretch; a
// destination smaller than the margins shrinks the corners in proportion
// too. Empty parts are left out.
NinePieces NinePartLayout(const CSize& image, const CRect& dest, const Margins& margins);

} // namespace plat::detail
