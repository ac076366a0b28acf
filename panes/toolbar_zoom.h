#pragma once
// The zoom steps of the toolbar's zoom item and the walk between them.
#include <array>
#include <string>

// In percent, smallest first.
constexpr std::array<int, 9> kToolBarZoomSteps{25, 50, 75, 100, 150, 250, 500, 750, 1000};

// A zoom factor in percent, rounded half away from zero (1.2 → 120).
int ZoomPercent(double zoom);
// The step a wheel turn goes to from a percent: upward the smallest step
// above it, downward the largest below it; 0 when there is none.
int NextZoomStep(int percent, bool up);
// "120%".
std::string ZoomText(int percent);
