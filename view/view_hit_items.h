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
    bool bFiber = false;      // the current sender is a fibre sender
};

// The rectangles in test order, in content coordinates (view coordinates
// shifted by the view start point):
// - one sender shown (scope 2 and a single shown sender): the sender and its
//   source/backup partner, each with its ports, block and receivers;
// - scope 3 of a fibre sender: the selected board and its backup board, with
//   their ports and receivers;
// - otherwise (several senders): each shown sender's ports with their
//   connectors, then its block (fibre senders: the boards' ports, the
//   boards, the block).
// A block holds its ports, so the ports come first: the first rectangle
// that contains a point wins.
// Nothing while a valid record shows render type 2.
std::vector<SHitItem> CollectHitItems(const SHitScope& scope, const CModuleData& data, CProjectData& project);

// Where the drawing records each rectangle (page state stores, keys of
// module/item_keys.h). Sender blocks: level rectangles A (render type,
// sender); ports: level rectangles C (render type, sender, port), their
// connectors D; fibre boards: item rectangles (sender, board); a board's
// ports: item rectangles (sender, board, port); receivers: item rectangles
// (sender, port or board, port on the board (0 for Ethernet), receiver).
// Fibre boards carry at most this many ports.
constexpr int kMaxBoardPorts = 80;
constexpr int kBackupBoardOffset = 8;
