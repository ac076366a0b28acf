#include "panes/sender_tree_model.h"

#include "platform/format.h"

SSenderTreeNode* SSenderTreeNode::AddChild(std::unique_ptr<SSenderTreeNode> child)
{
    child->pParent = this;
    children.push_back(std::move(child));
    return children.back().get();
}

std::string PortNodeName(int port) { return plat::Format("光口（主%d|备%d）", port + 1, port + 1); }

namespace {

std::unique_ptr<SSenderTreeNode> MakeNode(int type, std::string name, int index)
{
    auto node = std::make_unique<SSenderTreeNode>();
    node->nType = type;
    node->strName = std::move(name);
    node->nIndex = index;
    return node;
}

void AddSenderNode(SSenderTreeNode& parent, const STreeSenderFacts& s, int index, bool fiber)
{
    SSenderTreeNode* node = parent.AddChild(MakeNode(TREE_NODE_SENDER, s.strName, index));
    node->nFlag1 = s.bDetected ? 1 : 0;
    node->nFlag2 = s.bBackupDest ? 1 : 0;
    node->nFlag3 = s.bWarning ? 1 : 0;
    if (!fiber)
        return;
    for (std::size_t p = 0; p < s.ports.size(); ++p) {
        const STreePortFacts& facts = s.ports[p];
        SSenderTreeNode* port
            = node->AddChild(MakeNode(TREE_NODE_PORT, PortNodeName(static_cast<int>(p)), static_cast<int>(p)));
        port->nFlag1
            = (facts.bPrimaryConnected ? kPortPrimaryInUse : 0) | (facts.bBackupConnected ? kPortBackupInUse : 0);
        port->nFlag3 = facts.bWarning ? kPortWarning : 0;
    }
}

void Flatten(const SSenderTreeNode& node, std::vector<const SSenderTreeNode*>& out)
{
    for (const auto& child : node.children) {
        out.push_back(child.get());
        Flatten(*child, out);
    }
}

} // namespace

std::unique_ptr<SSenderTreeNode> BuildSenderTreeModel(const SSenderTreeFacts& facts)
{
    auto root = MakeNode(TREE_NODE_ALL_SENDERS, {}, -1);
    SSenderTreeNode* all = root->AddChild(MakeNode(TREE_NODE_ALL_SENDERS, facts.strAllSenders, -1));
    for (std::size_t g = 0; g < facts.groups.size(); ++g) {
        const STreeGroupFacts& group = facts.groups[g];
        SSenderTreeNode* node = root->AddChild(MakeNode(TREE_NODE_GROUP, group.strName, static_cast<int>(g)));
        for (std::size_t i = 0; i < facts.senders.size(); ++i) {
            const STreeSenderFacts& s = facts.senders[i];
            if (!s.strGroupId.empty() && s.strGroupId == group.strId)
                AddSenderNode(*node, s, static_cast<int>(i), facts.bFiber);
        }
    }
    for (std::size_t i = 0; i < facts.senders.size(); ++i)
        if (facts.senders[i].strGroupId.empty())
            AddSenderNode(*all, facts.senders[i], static_cast<int>(i), facts.bFiber);
    return root;
}

void ApplyNodeCounts(SSenderTreeNode& root, int senderCount)
{
    for (const auto& child : root.children) {
        if (child->nType == TREE_NODE_ALL_SENDERS)
            child->strName = plat::Format("%s (%d)", child->strName, senderCount);
        else if (child->nType == TREE_NODE_GROUP)
            child->strName = plat::Format("%s (%d)", child->strName, static_cast<int>(child->children.size()));
    }
}

std::vector<const SSenderTreeNode*> FlattenModel(const SSenderTreeNode& root)
{
    std::vector<const SSenderTreeNode*> out;
    Flatten(root, out);
    return out;
}

const SSenderTreeNode* FindNode(const SSenderTreeNode& root, int type, int index)
{
    const int wanted = type == TREE_NODE_PORT ? TREE_NODE_SENDER : type;
    for (const SSenderTreeNode* node : FlattenModel(root))
        if (node->nType == wanted && node->nIndex == index)
            return node;
    return nullptr;
}

std::vector<int> SendersOfNode(const SSenderTreeNode& node, int senderCount)
{
    std::vector<int> senders;
    switch (node.nType) {
    case TREE_NODE_ALL_SENDERS:
        for (int i = 0; i < senderCount; ++i)
            senders.push_back(i);
        break;
    case TREE_NODE_GROUP:
        for (const auto& child : node.children)
            if (child->nType == TREE_NODE_SENDER)
                senders.push_back(child->nIndex);
        break;
    case TREE_NODE_SENDER: senders.push_back(node.nIndex); break;
    case TREE_NODE_PORT:
        if (node.pParent)
            senders.push_back(node.pParent->nIndex);
        break;
    default: break;
    }
    return senders;
}
