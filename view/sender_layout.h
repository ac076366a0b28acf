#pragma once
// SSenderLayout: what the view knows of one sender while it paints,
// rebuilt from the project, the page state and the monitor data at every
// paint, one entry per project sender (indexed by sender index).
#include "platform/geometry.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

// Most ports a sender has.
constexpr int kMaxSenderPorts = 160;
// Ports whose backup port an entry keeps.
constexpr int kMaxBackupPorts = 80;

// Backup roles.
enum EBackupRole : int32_t { BACKUP_NONE = 0, BACKUP_SOURCE = 1, BACKUP_BACKUP = 2 };

struct SSenderLayout {
    int32_t nRenderType = 0;
    int32_t nSender = -1;
    std::string strName;
    int32_t nDeviceClass = 0;
    int32_t nPortCount = 0;
    int32_t bOnline = 0;
    int32_t bWarning = 0;
    int32_t nReserved = 0;
    std::bitset<kMaxSenderPorts> portWarnings;
    CRect rcBlock;
    int32_t nRelativePos = -1;
    CPoint ptRcvOrigin;
    int32_t nBackupRole = BACKUP_NONE;
    int32_t nSourceIndex = -1;
    int32_t nBackupIndex = -1;
    std::bitset<kMaxSenderPorts> backedUpPorts;
    // The backup port's number plus 1, 0 when none.
    std::array<int32_t, kMaxBackupPorts> arrBackupPort{};

    // The other sender of this sender's pair; -1 without one (or when the
    // sender backs itself up).
    int32_t Partner() const;
    // Port p has a backup port.
    bool HasBackupPort(int p) const;
};

// One answer of the project's source/backup match for port `port`.
struct SBackupMatch {
    int32_t nSource = -1;
    int32_t nBackup = -1;
    int32_t bSecond = 0;
    int32_t nPartnerPort = -1;
};
// Records a match in the entry: its role, its pair's indices, and for the
// backup sender the backed-up port.
void ApplyBackupMatch(SSenderLayout& entry, int port, const SBackupMatch& match);

// A port whose backup port is in warning is in warning too: for each paired
// sender, bit p of its port warnings is set when the partner's set has the
// bit of p's backup port.
void PropagatePairWarnings(std::vector<SSenderLayout>& entries);
