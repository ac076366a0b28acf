#pragma once
// The drop targets registered on windows, for the drag session to find the
// one under the mouse.
#include "controls/drop_target.h"

#include <vector>

namespace morv::drag {

const std::vector<COleDropTarget*>& RegisteredTargets();
// The deepest registered target whose visible window holds a screen point.
COleDropTarget* TargetAt(const CPoint& screen);
// A target going away: the session forgets it without calling it.
void ForgetTarget(COleDropTarget* target);

} // namespace morv::drag
