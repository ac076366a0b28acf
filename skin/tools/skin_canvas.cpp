#include "skin_canvas.h"

#include "platform/native_qt.h"

namespace skin {

void DrawCentered(QPainter& painter, const QImage& image, const QPoint& centre, int quarterTurns)
{
    const auto native = plat::ImageFromNative(image);
    if (!native)
        return;
    const bool across = quarterTurns % 2 != 0;
    const CSize size(across ? image.height() : image.width(), across ? image.width() : image.height());
    const CPoint topLeft(centre.x() - size.cx / 2, centre.y() - size.cy / 2);
    plat::MakePainterCanvas(painter)->DrawImage(*native, CRect(topLeft, size), quarterTurns);
}

void DrawNinePart(QPainter& painter, const QImage& image, const QRect& dest, int margin, int quarterTurns)
{
    const auto native = plat::ImageFromNative(image);
    if (!native)
        return;
    plat::MakePainterCanvas(painter)->DrawImageNinePart(*native, plat::ToCRect(dest), {margin, margin, margin, margin},
                                                        quarterTurns);
}

} // namespace skin
