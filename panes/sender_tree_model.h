#pragma once
// The sender tree's node model, built from plain facts about the project
// (groups, senders, ports) so that it can be checked without a window:
// an invisible root holding the all-senders item and the groups, senders
// under their group or under the all-senders item, fibre port nodes under
// their sender, and the counts in the labels.
#include "host/host_enums.h"

#include <memory>
#include <string>
#include <vector>

// One node per tree item.
struct SSenderTreeNode {
    int nType = TREE_NODE_ALL_SENDERS; // EnTreeNodeType; the root is type 0 too
    std::string strName;               // the label shown
    int nIndex = -1;                   // group, sender or port index; -1 for the root and all senders
    // Sender: detected, backup destination, warning.
    // Port: state bits (0x1 primary in use, 0x10 backup in use), 0, warning (0x11).
    int nFlag1 = 0;
    int nFlag2 = 0;
    int nFlag3 = 0;
    SSenderTreeNode* pParent = nullptr;
    std::vector<std::unique_ptr<SSenderTreeNode>> children;

    SSenderTreeNode* AddChild(std::unique_ptr<SSenderTreeNode> child);
};

// Port state bits and the port warning flag.
constexpr int kPortPrimaryInUse = 0x1;
constexpr int kPortBackupInUse = 0x10;
constexpr int kPortWarning = 0x11;

// What the model is built from.
struct STreePortFacts {
    bool bPrimaryConnected = false; // port 2p answers
    bool bBackupConnected = false;  // port 2p + 1 answers
    bool bWarning = false;
};
struct STreeSenderFacts {
    std::string strGroupId; // empty: in no group
    std::string strName;    // display name
    bool bDetected = false;
    bool bBackupDest = false;
    bool bWarning = false;
    std::vector<STreePortFacts> ports; // fibre port pairs shown under the sender
};
struct STreeGroupFacts {
    std::string strId;
    std::string strName;
};
struct SSenderTreeFacts {
    std::string strAllSenders; // label of the all-senders item, before its count
    std::vector<STreeGroupFacts> groups;
    std::vector<STreeSenderFacts> senders;
    bool bFiber = false; // port nodes are shown
};

// The model in the tree's order: the root, whose children are the
// all-senders item and then the groups in project order. Senders of an
// unknown group get no node. Counts are not yet in the labels.
std::unique_ptr<SSenderTreeNode> BuildSenderTreeModel(const SSenderTreeFacts& facts);
// Labels of the all-senders item ("name (senderCount)") and of every group
// ("name (children)").
void ApplyNodeCounts(SSenderTreeNode& root, int senderCount);
// The port node's label for port p (0-based).
std::string PortNodeName(int port);

// The nodes of the model in the order the tree shows them (depth first),
// the root left out.
std::vector<const SSenderTreeNode*> FlattenModel(const SSenderTreeNode& root);
// The node of a type and index, a port node counting as its sender; null
// when there is none.
const SSenderTreeNode* FindNode(const SSenderTreeNode& root, int type, int index);
// The senders a node stands for: every sender for the all-senders item,
// the senders under a group, the sender itself, a port's sender.
std::vector<int> SendersOfNode(const SSenderTreeNode& node, int senderCount);
