#pragma once
// Which toolbar items are enabled and checked, from what the host and the
// page state say. A pure rule; the dialog gathers the inputs and applies
// the answer to its bar.
struct SToolBarInputs {
    bool bLocked = false; // the host locked the monitoring page
    bool bMonitoring = false;
    bool bCardAccess = false; // the current sender's card can be read and written
    int nTreeNodeType = 2;    // EnTreeNodeType of the tree's selection
    int nSpecialOpType = 0;   // EnSpecialOpType
    bool bNavigationOn = false;
};

struct SToolBarStates {
    bool bOpenEnabled = true;
    bool bSaveEnabled = true;
    bool bCardEnabled = false; // load from card and save to card
    bool bStartEnabled = true;
    bool bStopEnabled = false;
    bool bNormalChecked = true;
    bool bMoveChecked = false;
    bool bNavigationChecked = false;
    bool operator==(const SToolBarStates&) const = default;
};

SToolBarStates ComputeToolBarStates(const SToolBarInputs& in);
