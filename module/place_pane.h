#pragma once
// Moves one pane of a page to its rectangle and shows it.
#include "platform/geometry.h"

class CWnd;

// rect is relative to the page. A pane already in place is left alone (no
// move, no redraw suspension) and answers 1. Otherwise the pane is moved
// and shown, with the page's redrawing suspended around the move when
// suspendRedraw is set; answers the move's result. A null pane answers 0.
int PlacePane(CWnd& page, CWnd* pane, const CRect& rect, int suspendRedraw);
