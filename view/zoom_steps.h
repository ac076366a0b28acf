#pragma once
// The zoom factors a sender's receivers can be shown at: a table of 48
// steps, finer at the small end, computed in single precision.
constexpr int kZoomStepCount = 48;

// The factor of step i (0..47); 0 for any other index (the end of the table).
float ZoomStep(int index);
