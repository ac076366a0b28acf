#pragma once
// The rectangles the view's drawing recorded in the page state, gathered
// in the order the hit test tries them for what the view shows now.
#include "module/current_object.h"
#include "view/view_hit.h"

#include <vector>

class CModuleData;
class CProjectData;

// What the view shows, as the hit test needs it.
struct SHitScope {
    SCurrentObject obj;
    std::vector<int> shownSenders;
};

// The rectangles in test order, in content coordinates (view coordinates
// shifted by the view start point), exactly those the drawing recorded for
// what it shows (view/view_records.h):
// - several senders: each shown sender's ports with their connectors, then
//   its block; a fibre sender's outputs (connector as the board's port,
//   output as the board), then its block;
// - one Ethernet sender: it and its source/backup partner, each with its
//   ports, block and receivers;
// - one fibre sender: its boards' ports, its boards, then its block as in
//   the overview; with one board chosen (scope 3) that board and its backup
//   board with their ports, and the chosen board's receivers.
// Whether a sender is a fibre sender is IsFiberSender's answer, the
// drawing's. A block holds its ports, so the ports come first: the first
// rectangle that contains a point wins. Nothing while a valid record shows
// render type 2.
std::vector<SHitItem> CollectHitItems(const SHitScope& scope, const CModuleData& data, CProjectData& project);

// Fibre boards carry at most this many ports; a backup board is numbered
// this far above its main board.
constexpr int kMaxBoardPorts = 80;
constexpr int kBackupBoardOffset = 8;
