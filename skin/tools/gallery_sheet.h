#pragma once
// The review sheet of one density: a mock of the monitor view, every
// nine-part frame stretched and turned, and every image with its name.
#include "gallery_context.h"

#include <QImage>

namespace skin {

QImage DrawGallery(const GalleryContext& context);

} // namespace skin
