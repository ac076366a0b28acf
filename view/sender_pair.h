#pragma once
// The source/backup pair a sender belongs to, and the sender's kind.
#include <optional>

class CProjectData;

struct SSenderPair {
    int nSource = -1;
    int nBackup = -1;
    int bSecond = 0; // the sender asked about is the backup end
    // The other member; the sender itself when it backs itself up.
    int Partner(int sender) const { return nSource == sender ? nBackup : nSource; }
};

// The pair from the sender's first port that belongs to one; none for a
// sender outside the project or without a pair.
std::optional<SSenderPair> FindSenderPair(CProjectData& project, int sender);
// The other sender of the pair, or -1 (also for a sender backing itself up).
int PairPartnerOf(CProjectData& project, int sender);

// Whether the view draws a sender as a fibre sender (outputs feeding fibre
// boards): the project gives it fibre outputs. Decided sender by sender,
// and by the drawing and the hit test alike, so an installation that mixes
// fibre and Ethernet senders shows and answers each by its own kind.
bool IsFiberSender(CProjectData& project, int sender);
