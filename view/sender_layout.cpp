#include "view/sender_layout.h"

int32_t SSenderLayout::Partner() const
{
    if (nBackupRole == BACKUP_NONE || nSourceIndex == nBackupIndex)
        return -1;
    return nBackupRole == BACKUP_SOURCE ? nBackupIndex : nSourceIndex;
}

bool SSenderLayout::HasBackupPort(int p) const
{
    return p >= 0 && p < kMaxSenderPorts && backedUpPorts.test(static_cast<std::size_t>(p));
}

void ApplyBackupMatch(SSenderLayout& entry, int port, const SBackupMatch& match)
{
    entry.nBackupRole = entry.nSender == match.nSource ? BACKUP_SOURCE : BACKUP_BACKUP;
    entry.nSourceIndex = match.nSource;
    entry.nBackupIndex = match.nBackup;
    if (entry.nBackupRole != BACKUP_BACKUP || port < 0 || port >= kMaxSenderPorts)
        return;
    entry.backedUpPorts.set(static_cast<std::size_t>(port));
    if (port < kMaxBackupPorts)
        entry.arrBackupPort[static_cast<std::size_t>(port)] = match.nPartnerPort + 1;
}

void PropagatePairWarnings(std::vector<SSenderLayout>& entries)
{
    const auto count = static_cast<int32_t>(entries.size());
    for (SSenderLayout& e : entries) {
        const int32_t partner = e.Partner();
        if (partner < 0 || partner >= count)
            continue;
        const SSenderLayout& other = entries[static_cast<std::size_t>(partner)];
        for (int p = 0; p < kMaxBackupPorts && p < e.nPortCount; ++p) {
            const int q = e.arrBackupPort[static_cast<std::size_t>(p)] - 1;
            if (q >= 0 && q < kMaxSenderPorts && other.portWarnings.test(static_cast<std::size_t>(q)))
                e.portWarnings.set(static_cast<std::size_t>(p));
        }
    }
}
