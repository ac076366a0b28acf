#pragma once
// Solid runs blended straight into an image, the way the toolkit's raster
// engine blends a solid colour (source over, premultiplied, the same
// rounding), without its per-call cost. Used for the many short runs of
// dashed pens on our own surfaces.
#include "platform/canvas.h"
#include "platform/geometry.h"

#include <QImage>

#include <vector>

namespace plat::detail {

// Whether BlendRuns can draw into the image (32-bit RGB or premultiplied ARGB).
bool CanBlendRuns(const QImage& image);

// Blends each run, cut to the clip rectangle.
void BlendRuns(QImage& image, const std::vector<CRect>& runs, const QRect& clip, Color color);

} // namespace plat::detail
