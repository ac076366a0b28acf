#include "view/sender_layout.h"

#include <gtest/gtest.h>

TEST(SenderLayoutTest, BackupMatchesGiveRolesAndPortsAndWarningsCrossFromThePartnersBackupPort)
{
    std::vector<SSenderLayout> entries(4);
    for (int i = 0; i < 4; ++i)
        entries[i].nSender = i, entries[i].nPortCount = 4;
    ApplyBackupMatch(entries[0], 0, {0, 1, 0, 3});
    ApplyBackupMatch(entries[0], 2, {0, 1, 0, 5});
    ApplyBackupMatch(entries[1], 3, {0, 1, 1, 0});
    ApplyBackupMatch(entries[1], kMaxSenderPorts, {0, 1, 1, 0}); // beyond the set: ignored
    ApplyBackupMatch(entries[3], 0, {3, 3, 0, 1});               // backing itself up: no partner
    EXPECT_EQ(std::tuple(BACKUP_SOURCE, false, 1),
              std::tuple(entries[0].nBackupRole, entries[0].HasBackupPort(2), entries[0].Partner()));
    EXPECT_EQ(std::tuple(BACKUP_BACKUP, true, 1, 0),
              std::tuple(entries[1].nBackupRole, entries[1].HasBackupPort(3), entries[1].arrBackupPort[3],
                         entries[1].Partner()));
    EXPECT_FALSE(entries[1].HasBackupPort(kMaxSenderPorts));
    EXPECT_EQ(-1, entries[3].Partner());

    entries[0].portWarnings.set(0);
    entries[2].portWarnings.set(3);
    PropagatePairWarnings(entries);
    EXPECT_TRUE(entries[1].portWarnings.test(3));
    EXPECT_FALSE(entries[1].portWarnings.test(0));
    EXPECT_EQ(1u, entries[2].portWarnings.count());
}
