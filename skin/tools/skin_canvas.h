#pragma once
// The gallery draws skin images the way the control library does, through
// the platform's canvas: quarter turns and nine-part stretching with fixed
// corners are the platform's, not copies of them.
#include <QImage>
#include <QPainter>
#include <QRect>

namespace skin {

// The image turned clockwise by quarter turns, centred on a point.
void DrawCentered(QPainter& painter, const QImage& image, const QPoint& centre, int quarterTurns = 0);

// The (turned) image stretched into dest: corners of margin pixels keep
// their size, edges stretch along themselves, the middle both ways.
void DrawNinePart(QPainter& painter, const QImage& image, const QRect& dest, int margin, int quarterTurns = 0);

} // namespace skin
