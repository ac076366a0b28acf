#pragma once
// Cabinet arrangements of LED walls, as receiver rectangles in cabling
// order: the cable runs row by row, turning at each end (serpentine).
#include "sim/project_model.h"

#include <cstdint>
#include <vector>

namespace sim::shapes {

// A rectangular wall of cols × rows cabinets of w × h pixels at (x, y).
std::vector<CRect> RectWall(int x, int y, int cols, int rows, int w, int h);
// An L: a vertical leg (legCols × rows) and a foot (cols × footRows) along
// its bottom, sharing the corner cabinets once.
std::vector<CRect> LWall(int x, int y, int legCols, int rows, int cols, int footRows, int w, int h);
// A strip of count cabinets along a circular arc of the given radius,
// spanning `degrees`; each cabinet stays upright (curved stage fronts).
std::vector<CRect> CurvedStrip(int x, int y, int count, int w, int h, int radius, int degrees);
// A grid with cabinets left out at random (a mosaic), about `fill` percent kept.
std::vector<CRect> Mosaic(int x, int y, int cols, int rows, int w, int h, int fill, uint32_t seed);
// Splits a cabling order into ports of at most perPort receivers.
std::vector<PortModel> SplitIntoPorts(const std::vector<CRect>& receivers, int perPort);

} // namespace sim::shapes
