#include "panes/toolbar_states.h"

#include "host/host_enums.h"

SToolBarStates ComputeToolBarStates(const SToolBarInputs& in)
{
    SToolBarStates s;
    // Opening a project is refused to a locked page only while monitoring runs.
    s.bOpenEnabled = !in.bMonitoring || !in.bLocked;
    s.bSaveEnabled = !in.bLocked;
    // A card belongs to one sender: not offered for all senders or a group.
    s.bCardEnabled = !in.bLocked && in.bCardAccess && in.nTreeNodeType != TREE_NODE_ALL_SENDERS
        && in.nTreeNodeType != TREE_NODE_GROUP;
    s.bStartEnabled = !in.bMonitoring;
    s.bStopEnabled = in.bMonitoring;
    s.bMoveChecked = in.nSpecialOpType == SPECIAL_OP_MOVE;
    s.bNormalChecked = !s.bMoveChecked;
    s.bNavigationChecked = in.bNavigationOn;
    return s;
}
