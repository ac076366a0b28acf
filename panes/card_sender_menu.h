#pragma once
// The load-from-card menu lists only the senders whose card can be read;
// a mask remembers which, and maps a chosen entry back to its sender.
#include <bitset>

// Bit i set: sender i has an entry.
using CardSenderMask = std::bitset<256>;

// Entry k (from 1) has the command id kCardMenuBaseId + k.
constexpr unsigned kCardMenuBaseId = 1200;

// The sender of entry k (from 1): the k-th set bit counted from bit 0;
// -1 when there is no such entry.
int SenderOfCardMenuEntry(const CardSenderMask& mask, int k);
