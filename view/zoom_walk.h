#pragma once
// How the wheel walks a sender's zoom factor along the zoom table.
#include <optional>

// The factor after `steps` notches from z: in for steps > 0, out for
// steps < 0. Nothing (no change) for zero steps, when the table runs out
// before the last step, when a step would not move the factor, for a step
// in to 11 or more and for a step out to 0.1 or less.
std::optional<float> ZoomWalk(float z, int steps);
