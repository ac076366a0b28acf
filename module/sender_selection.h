#pragma once
// ISenderSelection: what the page state needs of the sender panel: the
// senders the view shows, and bringing a sender's node into the selection.
// The panel implements it; the page state knows the panel only through it.
#include <vector>

class ISenderSelection {
public:
    // Fills the list with the indices of the senders the tree's selection
    // names (every sender for the all-senders item, the group's senders for
    // a group, the selected senders otherwise); answers nonzero when the
    // list is not empty.
    virtual int GetShowSenders(std::vector<int>& senders) const = 0;
    // Selects the tree node of a sender (nodeType 2 or 3), as the panel's
    // message 0x246C asks; the tree is rebuilt when it has no such node.
    virtual void SelectSenderNode(int nodeType, int sender) = 0;

protected:
    ~ISenderSelection() = default;
};
