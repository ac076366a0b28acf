#include "view/zoom_steps.h"

namespace {

// One run of the table: its first index, the factor there and the step.
struct SZoomRun {
    int nFirst;
    float fStart;
    float fStep;
};

// Step 9 (0.055) is larger than step 10 (0.05): the runs meet that way.
constexpr SZoomRun kRuns[] = {
    {0, 0.010f, 0.005f}, {10, 0.05f, 0.01f}, {15, 0.10f, 0.02f}, {20, 0.20f, 0.05f},
    {26, 0.5f, 0.1f},    {31, 1.0f, 0.2f},   {36, 2.0f, 0.5f},   {42, 5.0f, 1.0f},
};

} // namespace

float ZoomStep(int index)
{
    if (index < 0 || index >= kZoomStepCount)
        return 0.0f;
    const SZoomRun* run = kRuns;
    for (const SZoomRun& r : kRuns)
        if (index >= r.nFirst)
            run = &r;
    return run->fStart + run->fStep * static_cast<float>(index - run->nFirst);
}
