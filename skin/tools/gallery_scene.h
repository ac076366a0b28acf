#pragma once
// A mock of the monitoring page built from the skin alone: toolbar, sender
// panel, target pane, the view with sender blocks on all four sides of their
// receivers, a fibre sender, the cabling path with a break, the legend, the
// watermark and the scroll bars.
#include "gallery_context.h"

#include <QPainter>

namespace skin {

// Draws the mock below top; answers its bottom.
int DrawViewScene(QPainter& painter, const GalleryContext& context, int top);

} // namespace skin
