// The sender tree's rules and node model as plain functions.
#include "host/host_enums.h"
#include "panes/sender_tree_model.h"
#include "panes/sender_tree_rules.h"
#include "platform/utf8.h"

#include <gtest/gtest.h>

namespace {

STreeSenderFacts Sender(const std::string& name, const std::string& group = {})
{
    STreeSenderFacts s;
    s.strName = name;
    s.strGroupId = group;
    return s;
}

std::vector<std::string> Labels(const SSenderTreeNode& root)
{
    std::vector<std::string> labels;
    for (const SSenderTreeNode* node : FlattenModel(root))
        labels.push_back(std::string(static_cast<std::size_t>(node->pParent->pParent ? 2 : 0), ' ') + node->strName);
    return labels;
}

} // namespace

TEST(SenderTreeModelTest, GroupsInOrderUngroupedAfterAndUnknownGroupsLeftOut)
{
    SSenderTreeFacts facts;
    facts.strAllSenders = "All";
    facts.groups = {{"g1", "Hall"}, {"g2", "Empty"}};
    facts.senders = {Sender("A", "g1"), Sender("B"), Sender("C", "g1"), Sender("D", "lost"), Sender("E", "g1")};
    auto root = BuildSenderTreeModel(facts);
    ApplyNodeCounts(*root, 5);
    EXPECT_EQ((std::vector<std::string>{"All (5)", "  B", "Hall (3)", "  A", "  C", "  E", "Empty (0)"}),
              Labels(*root));
    const SSenderTreeNode* hall = FindNode(*root, TREE_NODE_GROUP, 0);
    ASSERT_NE(nullptr, hall);
    EXPECT_EQ((std::vector<int>{0, 2, 4}), SendersOfNode(*hall, 5));
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4}), SendersOfNode(*root->children[0], 5));
}

TEST(SenderTreeModelTest, FibrePortsCarryTheirStateBitsAndWarning)
{
    SSenderTreeFacts facts;
    STreeSenderFacts s = Sender("Tower");
    s.ports = {{true, false, false}, {true, true, true}};
    facts.senders = {s};
    for (bool fiber : {false, true}) {
        facts.bFiber = fiber;
        auto root = BuildSenderTreeModel(facts);
        const SSenderTreeNode* sender = FindNode(*root, TREE_NODE_SENDER, 0);
        ASSERT_NE(nullptr, sender);
        ASSERT_EQ(fiber ? 2u : 0u, sender->children.size());
        if (!fiber)
            continue;
        EXPECT_EQ(kPortPrimaryInUse, sender->children[0]->nFlag1);
        EXPECT_EQ(0, sender->children[0]->nFlag3);
        EXPECT_EQ(kPortPrimaryInUse | kPortBackupInUse, sender->children[1]->nFlag1);
        EXPECT_EQ(kPortWarning, sender->children[1]->nFlag3);
        EXPECT_EQ("光口（主2|备2）", sender->children[1]->strName);
        EXPECT_EQ((std::vector<int>{0}), SendersOfNode(*sender->children[1], 1));
        EXPECT_EQ(sender, FindNode(*root, TREE_NODE_PORT, 0)) << "a port selection counts as its sender";
    }
}

TEST(RecordForSelectionTest, EachNodeKind)
{
    const SCurrentObject start{2, 1, RENDER_TEMPERATURE, 4, 1};
    struct Case {
        STreeSelection sel;
        SCurrentObject before;
        SCurrentObject after;
    } cases[] = {
        {{TREE_NODE_ALL_SENDERS, -1, 1}, start, {0, 0, RENDER_SENDER_BLOCKS, 4, 1}},
        {{TREE_NODE_GROUP, 1, 1, 7}, start, {1, 0, RENDER_TEMPERATURE, 7, 1}},
        {{TREE_NODE_SENDER, 3, 1}, start, {2, 1, RENDER_TEMPERATURE, 3, 1}},
        {{TREE_NODE_SENDER, 3, 1}, {0, 0, RENDER_SENDER_BLOCKS, 4, 1}, {2, 1, RENDER_HUMIDITY, 3, 1}},
        {{TREE_NODE_SENDER, 3, 2}, start, {1, 1, RENDER_BLOCK_GRID, 3, 1}},
        {{TREE_NODE_PORT, 5, 1, -1, 2}, {2, 1, RENDER_SINGLE_SENDER, 4, 1}, {3, 1, RENDER_RECEIVER, 2, 5}},
        {{TREE_NODE_PORT, 5, 1, -1, 2}, {1, 1, RENDER_BLOCK_GRID, 4, 1}, {3, 1, RENDER_HUMIDITY, 2, 5}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.after, RecordForSelection(c.before, c.sel, RENDER_HUMIDITY)) << "node type " << c.sel.nType;
}

TEST(RenameRulesTest, EditTexts)
{
    EXPECT_EQ("Hall", GroupEditText("Hall (3)"));
    EXPECT_EQ("Hall (x)", GroupEditText("Hall (x)"));
    EXPECT_EQ("(12)", GroupEditText("(12)"));
    EXPECT_EQ("Main", SenderEditText("Main(192.168.0.10)", true));
    EXPECT_EQ("Main(192.168.0.10)", SenderEditText("Main(192.168.0.10)", false));
    EXPECT_EQ("Main", SenderEditText("Main", true));
    EXPECT_EQ("New group 3", NewGroupName("New group ", 2));
    EXPECT_EQ("a b", TrimName("  a b \t"));
}

TEST(RenameRulesTest, MultibyteNamesAreNeverCutInsideACharacter)
{
    // 21 three-byte characters take 63 bytes; one more does not fit in 64.
    std::string name;
    for (int i = 0; i < 22; ++i)
        name += "屏";
    for (std::size_t max = 0; max <= name.size(); ++max) {
        const std::string cut = plat::CutUtf8(name, max);
        EXPECT_EQ(0u, cut.size() % 3) << max;
        EXPECT_LE(cut.size(), max);
        EXPECT_GT(cut.size() + 3, max) << "the longest whole prefix";
    }
    bool restored = false;
    EXPECT_EQ(name.substr(0, 63), KeepNameWithinBytes(name, name, kSenderNameBytes, restored));
    EXPECT_TRUE(restored);
    EXPECT_EQ("abc", KeepNameWithinBytes("abc", "ab", kSenderNameBytes, restored));
    EXPECT_FALSE(restored);
    EXPECT_EQ(4, Utf16Length("a屏😀")) << "one unit, one unit, two units";
}

TEST(DeleteRulesTest, RefusalsAndOrder)
{
    const std::vector<std::vector<int>> partners{{1}, {0}, {}, {}};
    EXPECT_EQ(EDeleteRefusal::AllSenders, CheckSenderDeletion({3, 2, 1, 0}, 4, partners).eRefusal);
    const SDeleteCheck lonely = CheckSenderDeletion({2, 1}, 4, partners);
    EXPECT_EQ(EDeleteRefusal::BackupPartner, lonely.eRefusal);
    EXPECT_EQ((std::vector<int>{1}), lonely.lonely);
    EXPECT_EQ(EDeleteRefusal::None, CheckSenderDeletion({0, 1}, 4, partners).eRefusal);
    EXPECT_EQ(EDeleteRefusal::None, CheckSenderDeletion({3}, 4, partners).eRefusal);
    EXPECT_EQ("Sender2,4 stay", BackupExistMessage("Sender", {1, 3}, "stay"));
    EXPECT_EQ((std::vector<int>{1, 2, 4}), DeletionSequence({6, 1, 3}));
    EXPECT_EQ((std::vector<std::pair<int, int>>{{2, 1}, {4, 2}, {5, 3}}), RenumberedSenders(6, {3, 1}));
}

TEST(AddRulesTest, TheProjectLimit)
{
    EXPECT_TRUE(CanAddSenders(0, 1));
    EXPECT_TRUE(CanAddSenders(254, -1));
    EXPECT_FALSE(CanAddSenders(255, 1));
    EXPECT_FALSE(CanAddSenders(0, 255));
    EXPECT_FALSE(CanAddSenders(3, 0));
}
