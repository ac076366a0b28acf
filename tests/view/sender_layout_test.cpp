#include "view/sender_layout.h"

#include <gtest/gtest.h>

TEST(SenderLayoutTest, BackupMatchesGiveRolesAndBackedUpPorts)
{
    SSenderLayout source, backup;
    source.nSender = 0;
    backup.nSender = 1;
    ApplyBackupMatch(source, 2, {0, 1, 0, 5});
    ApplyBackupMatch(backup, 5, {0, 1, 1, 2});
    EXPECT_EQ(BACKUP_SOURCE, source.nBackupRole);
    EXPECT_FALSE(source.HasBackupPort(2));
    EXPECT_EQ(1, source.Partner());
    EXPECT_EQ(BACKUP_BACKUP, backup.nBackupRole);
    EXPECT_TRUE(backup.HasBackupPort(5));
    EXPECT_EQ(3, backup.arrBackupPort[5]);
    EXPECT_EQ(0, backup.Partner());
    // A sender backing itself up has no partner.
    SSenderLayout self;
    self.nSender = 4;
    ApplyBackupMatch(self, 0, {4, 4, 0, 1});
    EXPECT_EQ(-1, self.Partner());
    // Ports beyond the set are ignored.
    ApplyBackupMatch(backup, kMaxSenderPorts, {0, 1, 1, 0});
    EXPECT_FALSE(backup.HasBackupPort(kMaxSenderPorts));
}

TEST(SenderLayoutTest, WarningsCrossFromThePartnersBackupPort)
{
    std::vector<SSenderLayout> entries(3);
    for (int i = 0; i < 3; ++i) {
        entries[static_cast<std::size_t>(i)].nSender = i;
        entries[static_cast<std::size_t>(i)].nPortCount = 4;
    }
    ApplyBackupMatch(entries[0], 0, {0, 1, 0, 3});
    ApplyBackupMatch(entries[1], 3, {0, 1, 1, 0});
    entries[0].portWarnings.set(0);
    entries[2].portWarnings.set(3);
    PropagatePairWarnings(entries);
    EXPECT_TRUE(entries[1].portWarnings.test(3));
    EXPECT_FALSE(entries[1].portWarnings.test(0));
    EXPECT_EQ(1u, entries[2].portWarnings.count());
}
