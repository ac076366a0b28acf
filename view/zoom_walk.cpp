#include "view/zoom_walk.h"

#include "view/zoom_steps.h"

#include <cstdlib>

namespace {

constexpr float kEpsilon = 0.0001f;
constexpr float kLargest = 11.0f; // zooming in refuses this and more
constexpr float kSmallest = 0.1f; // zooming out refuses this and less

// One step in: the first table value (in index order) above z.
std::optional<float> StepIn(float z)
{
    for (int i = 0; i < kZoomStepCount; ++i)
        if (ZoomStep(i) - kEpsilon > z)
            return ZoomStep(i);
    return std::nullopt;
}

// One step out: the last table value below z before the first one that is
// not below it, in index order.
std::optional<float> StepOut(float z)
{
    std::optional<float> below;
    for (int i = 0; i < kZoomStepCount; ++i) {
        const float v = ZoomStep(i);
        if (v + kEpsilon >= z)
            break;
        below = v;
    }
    return below;
}

} // namespace

std::optional<float> ZoomWalk(float z, int steps)
{
    const bool in = steps > 0;
    float factor = z;
    for (int pass = 0; pass < std::abs(steps); ++pass) {
        const std::optional<float> next = in ? StepIn(factor) : StepOut(factor);
        if (!next)
            return std::nullopt;
        const bool allowed
            = in ? *next > factor + kEpsilon && *next < kLargest : *next<factor - kEpsilon&& * next> kSmallest;
        if (!allowed)
            return std::nullopt;
        factor = *next;
    }
    if (steps == 0)
        return std::nullopt;
    return factor;
}
