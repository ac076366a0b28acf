// The sender tree's rules and node model as plain functions.
#include "host/host_enums.h"
#include "panes/sender_tree_model.h"
#include "panes/sender_tree_rules.h"
#include "platform/utf8.h"

#include <gtest/gtest.h>

TEST(SenderTreeModelTest, GroupsInOrderUngroupedAfterUnknownGroupsLeftOutAndFibrePortsWithTheirStates)
{
    SSenderTreeFacts facts{"All", {{"g1", "Hall"}, {"g2", "Empty"}}, {}};
    for (const auto& [name, group] : {std::pair{"A", "g1"}, {"B", ""}, {"C", "g1"}, {"D", "lost"}, {"E", "g1"}})
        facts.senders.push_back({group, name, false, false, false, {}});
    auto root = BuildSenderTreeModel(facts);
    ApplyNodeCounts(*root, 5);
    std::vector<std::string> labels;
    for (const SSenderTreeNode* node : FlattenModel(*root))
        labels.push_back((node->pParent->pParent ? "  " : "") + node->strName);
    EXPECT_EQ((std::vector<std::string>{"All (5)", "  B", "Hall (3)", "  A", "  C", "  E", "Empty (0)"}), labels);
    const SSenderTreeNode* hall = FindNode(*root, TREE_NODE_GROUP, 0);
    ASSERT_NE(nullptr, hall);
    EXPECT_EQ((std::vector<int>{0, 2, 4}), SendersOfNode(*hall, 5));
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4}), SendersOfNode(*root->children[0], 5));

    // Fibre port pairs only where ports are shown, with their state bits and warning.
    facts = {"All", {}, {{"", "Tower", false, false, false, {{true, false, false}, {true, true, true}}}}};
    EXPECT_TRUE(FindNode(*BuildSenderTreeModel(facts), TREE_NODE_SENDER, 0)->children.empty());
    facts.bFiber = true;
    root = BuildSenderTreeModel(facts);
    const SSenderTreeNode* sender = FindNode(*root, TREE_NODE_SENDER, 0);
    ASSERT_EQ(2u, sender->children.size());
    const SSenderTreeNode &first = *sender->children[0], &second = *sender->children[1];
    EXPECT_EQ(std::tuple(kPortPrimaryInUse, 0), std::tuple(first.nFlag1, first.nFlag3));
    EXPECT_EQ(std::tuple(kPortPrimaryInUse | kPortBackupInUse, kPortWarning), std::tuple(second.nFlag1, second.nFlag3));
    EXPECT_EQ("光口（主2|备2）", second.strName);
    EXPECT_EQ((std::vector<int>{0}), SendersOfNode(second, 1));
    EXPECT_EQ(sender, FindNode(*root, TREE_NODE_PORT, 0)) << "a port selection counts as its sender";
}

TEST(SenderTreeRulesTest, TheRecordForASelectionOfEachNodeKind)
{
    const SCurrentObject start{2, 1, RENDER_TEMPERATURE, 4, 1};
    const std::tuple<STreeSelection, SCurrentObject, SCurrentObject> cases[] = {
        {{TREE_NODE_ALL_SENDERS, -1, 1}, start, {0, 0, RENDER_SENDER_BLOCKS, 4, 1}},
        {{TREE_NODE_GROUP, 1, 1, 7}, start, {1, 0, RENDER_TEMPERATURE, 7, 1}},
        {{TREE_NODE_SENDER, 3, 1}, start, {2, 1, RENDER_TEMPERATURE, 3, 1}},
        {{TREE_NODE_SENDER, 3, 1}, {0, 0, RENDER_SENDER_BLOCKS, 4, 1}, {2, 1, RENDER_HUMIDITY, 3, 1}},
        {{TREE_NODE_SENDER, 3, 2}, start, {1, 1, RENDER_BLOCK_GRID, 3, 1}},
        {{TREE_NODE_PORT, 5, 1, -1, 2}, {2, 1, RENDER_SINGLE_SENDER, 4, 1}, {3, 1, RENDER_RECEIVER, 2, 5}},
        {{TREE_NODE_PORT, 5, 1, -1, 2}, {1, 1, RENDER_BLOCK_GRID, 4, 1}, {3, 1, RENDER_HUMIDITY, 2, 5}},
    };
    for (const auto& [selection, before, after] : cases)
        EXPECT_EQ(after, RecordForSelection(before, selection, RENDER_HUMIDITY)) << "node type " << selection.nType;
}

TEST(SenderTreeRulesTest, NamesAreEditedBareTrimmedAndNeverCutInsideACharacter)
{
    const std::pair<std::string, std::string> edits[] = {
        {"Hall (x)", GroupEditText("Hall (x)")},
        {"(12)", GroupEditText("(12)")},
        {"Main(192.168.0.10)", SenderEditText("Main(192.168.0.10)", false)},
        {"Main", SenderEditText("Main", true)},
        {"a b", TrimName("  a b \t")},
    };
    for (const auto& [expected, edited] : edits)
        EXPECT_EQ(expected, edited);
    // 21 three-byte characters take 63 bytes; one more does not fit in 64.
    const std::string name = "屏屏屏屏屏屏屏屏屏屏屏屏屏屏屏屏屏屏屏屏屏屏";
    for (std::size_t max = 0; max <= name.size(); ++max) {
        const std::string cut = plat::CutUtf8(name, max);
        EXPECT_TRUE(cut.size() % 3 == 0 && cut.size() <= max && cut.size() + 3 > max)
            << max << ": the longest whole prefix";
    }
    bool restored = false;
    EXPECT_EQ(name.substr(0, 63), KeepNameWithinBytes(name, name, kSenderNameBytes, restored));
    EXPECT_TRUE(restored);
    EXPECT_EQ("abc", KeepNameWithinBytes("abc", "ab", kSenderNameBytes, restored));
    EXPECT_FALSE(restored);
    EXPECT_EQ(4, Utf16Length("a屏😀")) << "one unit, one unit, two units";
}

TEST(SenderTreeRulesTest, DeletionRefusalsAndOrderAndTheAddLimit)
{
    const std::vector<std::vector<int>> partners{{1}, {0}, {}, {}};
    const SDeleteCheck lonely = CheckSenderDeletion({2, 1}, 4, partners);
    EXPECT_EQ(std::tuple(EDeleteRefusal::BackupPartner, std::vector<int>{1}),
              std::tuple(lonely.eRefusal, lonely.lonely));
    EXPECT_EQ(EDeleteRefusal::None, CheckSenderDeletion({3}, 4, partners).eRefusal);
    EXPECT_EQ("Sender2,4 stay", BackupExistMessage("Sender", {1, 3}, "stay"));
    EXPECT_EQ((std::vector<int>{1, 2, 4}), DeletionSequence({6, 1, 3}));
    EXPECT_EQ((std::vector<std::pair<int, int>>{{2, 1}, {4, 2}, {5, 3}}), RenumberedSenders(6, {3, 1}));
    // The project's limit.
    const std::tuple<int, int, bool> adds[]
        = {{0, 1, true}, {254, -1, true}, {255, 1, false}, {0, 255, false}, {3, 0, false}};
    for (const auto& [count, added, can] : adds)
        EXPECT_EQ(can, CanAddSenders(count, added)) << count << " + " << added;
}
