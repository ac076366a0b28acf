#include "panes/toolbar_zoom.h"

#include <algorithm>
#include <cmath>

int ZoomPercent(double zoom)
{
    const double percent = zoom * 100.0;
    if (std::isnan(percent))
        return 0;
    // Held well inside the integer range before rounding.
    return static_cast<int>(std::lround(std::clamp(percent, -1e9, 1e9)));
}

int NextZoomStep(int percent, bool up)
{
    if (up) {
        const auto it = std::find_if(kToolBarZoomSteps.begin(), kToolBarZoomSteps.end(),
                                     [percent](int step) { return step > percent; });
        return it == kToolBarZoomSteps.end() ? 0 : *it;
    }
    const auto it = std::find_if(kToolBarZoomSteps.rbegin(), kToolBarZoomSteps.rend(),
                                 [percent](int step) { return step < percent; });
    return it == kToolBarZoomSteps.rend() ? 0 : *it;
}

std::string ZoomText(int percent) { return std::to_string(percent) + "%"; }
