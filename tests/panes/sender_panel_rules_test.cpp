// The sender panel's rules: button states, menu entries, port output masks.
#include "host/host_enums.h"
#include "panes/sender_panel_rules.h"

#include <gtest/gtest.h>

namespace {

// Commands by id, separators as 0, submenus as 1.
std::vector<unsigned> Ids(const std::vector<SMenuEntry>& entries)
{
    std::vector<unsigned> ids;
    for (const SMenuEntry& e : entries)
        ids.push_back(e.eKind == SMenuEntry::EKind::Command ? e.nId : e.eKind == SMenuEntry::EKind::SubMenu);
    return ids;
}

} // namespace

TEST(SenderPanelRulesTest, ButtonStatesByNode)
{
    const std::pair<SPanelButtonInput, SPanelButtonStates> cases[] = {
        {{-1, false, 3, 0, true}, {false, false, false}},
        {{TREE_NODE_ALL_SENDERS, false, 255, 1, true}, {true, false, false}},
        {{TREE_NODE_ALL_SENDERS, true, 3, 1, true}, {false, false, false}},
        {{TREE_NODE_GROUP, false, 255, 1, false}, {false, true, true}},
        {{TREE_NODE_GROUP, true, 3, 1, false}, {false, false, false}},
        {{TREE_NODE_SENDER, false, 3, 1, true}, {true, true, true}},
        {{TREE_NODE_SENDER, false, 3, 2, true}, {true, false, true}},
        {{TREE_NODE_SENDER, false, 1, 1, false}, {true, false, false}},
        {{TREE_NODE_PORT, false, 3, 1, true}, {false, false, false}},
    };
    for (const auto& [in, out] : cases) {
        const SPanelButtonStates s = PanelButtonStates(in);
        EXPECT_EQ(std::tuple(out.bAdd, out.bRename, out.bDelete), std::tuple(s.bAdd, s.bRename, s.bDelete))
            << in.nNodeType << " " << in.nSenderCount;
    }
}

TEST(SenderPanelRulesTest, AddAndContextMenusInOrderTrimmedByTheSenderLimit)
{
    using List = std::vector<unsigned>;
    EXPECT_EQ((List{kCmdAddGroup}), Ids(AddMenuEntries(true, 0)));
    EXPECT_EQ((List{kCmdAddGroup, 0, kCmdAddOne, kCmdAddCustom}), Ids(AddMenuEntries(true, 1)));
    EXPECT_EQ((List{0, kCmdAddOne, kCmdAddTwo, kCmdAddCustom}), Ids(AddMenuEntries(false, 2)));
    EXPECT_EQ("...", AddMenuEntries(false, 5).back().strSuffix);

    SContextMenuInput all{TREE_NODE_ALL_SENDERS, false, false, 2, true, 3};
    EXPECT_EQ((List{kCmdAddGroup, 0, kCmdMenuAddOne, kCmdMenuAddTwo, kCmdMenuAddCustom, 0, 1, kCmdPortAuto,
                    kCmdPortPrimary, kCmdPortBackup}),
              Ids(ContextMenuEntries(all)));
    EXPECT_EQ(1, ContextMenuEntries(all).back().nDepth);
    all.bDemoMode = true;
    all.bPortOutput = false;
    EXPECT_TRUE(ContextMenuEntries(all).empty());
    const std::pair<SContextMenuInput, List> cases[] = {
        {{TREE_NODE_GROUP, false, false, 0, false, 3}, {0, kCmdRename, kCmdDelete}},
        {{TREE_NODE_SENDER, false, false, 1, false, 3}, {kCmdMenuAddOne, kCmdMenuAddCustom, 0, kCmdRename, kCmdDelete}},
        {{TREE_NODE_SENDER, true, false, 1, false, 3}, {0, kCmdAddGroup, 0, kCmdDelete}}, // several
        {{TREE_NODE_SENDER, false, false, 0, false, 1}, {0, kCmdRename}},                 // the last sender
    };
    for (const auto& [in, ids] : cases)
        EXPECT_EQ(ids, Ids(ContextMenuEntries(in))) << in.nNodeType << " " << in.bSeveral << " " << in.nLimit;
    EXPECT_EQ(
        std::tuple(-1, 2, 0),
        std::tuple(AddCountOfCommand(kCmdMenuAddCustom), AddCountOfCommand(kCmdAddTwo), AddCountOfCommand(kCmdRename)));
}

TEST(SenderPanelRulesTest, PortOutputMasksOfDoubledPorts)
{
    // Doubled: the second half are backups; ten ports need two bytes.
    EXPECT_EQ((std::vector<uint8_t>{0xE0, 0x03}), PortOutputMask(PortOutputPrimary, 5, true, {}));
    EXPECT_EQ((std::vector<uint8_t>{10, 0, 0xE0, 0x03}), VideoSourcePortMask(10, {0xE0, 0x03}));
}
