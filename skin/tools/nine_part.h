#pragma once
// Drawing helpers of the gallery, doing what the control library does with
// skin images: quarter turns and nine-part stretching with fixed corners.
#include <QImage>
#include <QPainter>
#include <QRect>

namespace skin {

// The image turned clockwise by quarter turns (0..3).
QImage Turned(const QImage& image, int quarterTurns);

// The (turned) image stretched into dest: corners of margin pixels keep
// their size, edges stretch along themselves, the middle both ways.
void DrawNinePart(QPainter& painter, const QImage& image, const QRect& dest, int margin, int quarterTurns = 0);

}  // namespace skin
