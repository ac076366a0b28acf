#pragma once
// How the settings frame scrolls its page, as plain functions: the scroll
// bar runs 0 to 100 over the part of the page that does not fit the view,
// a wheel notch moves it by 80 design pixels, a navigation item brings its
// section's title 20 pixels below the top, and the section shown is the
// first whose title is still in view.
#include "settings/setting_map.h"

#include <array>

namespace setting_page {

constexpr int kScrollMax = 100;

// How far the page can scroll: its height beyond the view's, 0 when it fits.
int ScrollableHeight(int pageHeight, int viewHeight);

// The page's offset for a scroll-bar position (0 or negative).
int OffsetForPosition(int position, int scrollable);

// The position after one wheel turn: one step of round(100 × 80 pixels /
// scrollable height) per notch, up for a positive delta, held to 0..100.
// Nothing moves when the page fits.
int PositionAfterWheel(int position, int wheelDelta, int scrollable, double scale);

// The offset that puts a title `titleTop` (at offset 0) `margin` pixels
// below the top of the view, as near as the page can scroll.
int OffsetForTitle(int titleTop, int margin, int scrollable);
// The scroll-bar position that shows an offset.
int PositionForOffset(int offset, int scrollable);

// The section shown at an offset: the first of general, sender and
// receiver whose title row is at or below the top of the view, else the
// e-mail section. Sections not shown have a top of -1.
ESection SectionAt(const std::array<int, kSectionCount>& sectionTops, int offset);

} // namespace setting_page
