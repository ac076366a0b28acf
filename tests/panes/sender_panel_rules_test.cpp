// The sender panel's rules: button states, menu entries, port output masks.
#include "host/host_enums.h"
#include "panes/sender_panel_rules.h"

#include <gtest/gtest.h>

namespace {

std::vector<unsigned> Ids(const std::vector<SMenuEntry>& entries)
{
    std::vector<unsigned> ids;
    for (const SMenuEntry& e : entries)
        ids.push_back(e.eKind == SMenuEntry::EKind::Command         ? e.nId
                          : e.eKind == SMenuEntry::EKind::Separator ? 0u
                                                                    : 1u);
    return ids;
}

} // namespace

TEST(PanelButtonStatesTest, ByNode)
{
    struct Case {
        SPanelButtonInput in;
        bool add, rename, del;
    } cases[] = {
        {{-1, false, 3, 0, true}, false, false, false},
        {{TREE_NODE_ALL_SENDERS, false, 255, 1, true}, true, false, false},
        {{TREE_NODE_ALL_SENDERS, true, 3, 1, true}, false, false, false},
        {{TREE_NODE_GROUP, false, 255, 1, false}, false, true, true},
        {{TREE_NODE_GROUP, true, 3, 1, false}, false, false, false},
        {{TREE_NODE_SENDER, false, 3, 1, true}, true, true, true},
        {{TREE_NODE_SENDER, false, 3, 2, true}, true, false, true},
        {{TREE_NODE_SENDER, false, 1, 1, false}, true, false, false},
        {{TREE_NODE_PORT, false, 3, 1, true}, false, false, false},
    };
    for (const Case& c : cases) {
        const SPanelButtonStates s = PanelButtonStates(c.in);
        EXPECT_EQ(c.add, s.bAdd) << c.in.nNodeType;
        EXPECT_EQ(c.rename, s.bRename) << c.in.nNodeType;
        EXPECT_EQ(c.del, s.bDelete) << c.in.nNodeType;
    }
}

TEST(AddMenuTest, TheSenderLimitTrimsTheEntries)
{
    EXPECT_EQ((std::vector<unsigned>{kCmdAddGroup}), Ids(AddMenuEntries(true, 0)));
    EXPECT_EQ((std::vector<unsigned>{kCmdAddGroup, 0, kCmdAddOne, kCmdAddCustom}), Ids(AddMenuEntries(true, 1)));
    EXPECT_EQ((std::vector<unsigned>{0, kCmdAddOne, kCmdAddTwo, kCmdAddCustom}), Ids(AddMenuEntries(false, 2)));
    EXPECT_EQ("...", AddMenuEntries(false, 5).back().strSuffix);
}

TEST(ContextMenuTest, EntriesInOrder)
{
    SContextMenuInput all{TREE_NODE_ALL_SENDERS, false, false, 2, true, 3};
    const std::vector<unsigned> allIds{
        kCmdAddGroup,  0, kCmdMenuAddOne, kCmdMenuAddTwo, kCmdMenuAddCustom, 0, 1, kCmdPortAuto, kCmdPortPrimary,
        kCmdPortBackup};
    EXPECT_EQ(allIds, Ids(ContextMenuEntries(all)));
    EXPECT_EQ(1, ContextMenuEntries(all).back().nDepth);
    all.bDemoMode = true;
    all.bPortOutput = false;
    EXPECT_TRUE(ContextMenuEntries(all).empty());

    const SContextMenuInput group{TREE_NODE_GROUP, false, false, 0, false, 3};
    EXPECT_EQ((std::vector<unsigned>{0, kCmdRename, kCmdDelete}), Ids(ContextMenuEntries(group)));
    const SContextMenuInput one{TREE_NODE_SENDER, false, false, 1, false, 3};
    EXPECT_EQ((std::vector<unsigned>{kCmdMenuAddOne, kCmdMenuAddCustom, 0, kCmdRename, kCmdDelete}),
              Ids(ContextMenuEntries(one)));
    const SContextMenuInput several{TREE_NODE_SENDER, true, false, 1, false, 3};
    EXPECT_EQ((std::vector<unsigned>{0, kCmdAddGroup, 0, kCmdDelete}), Ids(ContextMenuEntries(several)));
    const SContextMenuInput last{TREE_NODE_SENDER, false, false, 0, false, 1};
    EXPECT_EQ((std::vector<unsigned>{0, kCmdRename}), Ids(ContextMenuEntries(last)));
    EXPECT_EQ(-1, AddCountOfCommand(kCmdMenuAddCustom));
    EXPECT_EQ(2, AddCountOfCommand(kCmdAddTwo));
    EXPECT_EQ(0, AddCountOfCommand(kCmdRename));
}

TEST(PortOutputMaskTest, PrimaryAndBackupPorts)
{
    // Ports 4 and 5 of six are backup destinations.
    const std::vector<bool> backup{false, false, false, false, true, true};
    EXPECT_EQ((std::vector<uint8_t>{0x30}), PortOutputMask(PortOutputPrimary, 6, false, backup));
    EXPECT_EQ((std::vector<uint8_t>{0x0F}), PortOutputMask(PortOutputBackup, 6, false, backup));
    EXPECT_EQ((std::vector<uint8_t>{0x00}), PortOutputMask(PortOutputAuto, 6, false, backup));
    // Doubled: the second half are backups; ten ports need two bytes.
    EXPECT_EQ((std::vector<uint8_t>{0xE0, 0x03}), PortOutputMask(PortOutputPrimary, 5, true, {}));
    EXPECT_EQ((std::vector<uint8_t>{10, 0, 0xE0, 0x03}), VideoSourcePortMask(10, {0xE0, 0x03}));
}
