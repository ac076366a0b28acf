#pragma once
// The skin as the toolkit's widgets take it: fonts, colours and style
// sheets for the real widgets (edits, menus, message boxes, progress).
#include "platform/canvas.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace morv::detail {

// The library's default font at the current density, larger or smaller by delta pixels.
QFont SkinFont(int delta = 0, bool bold = false);
// Pixels of a design length at the current density.
int Px(int designPixels);

QString EditStyleSheet();
QString MessageBoxStyleSheet();
QString ProgressStyleSheet();
QString ScrollBarStyleSheet(bool vertical);

} // namespace morv::detail
