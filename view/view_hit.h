#pragma once
// What lies under a point of the view: the hit record, and an index of the
// rectangles the drawing recorded that answers a point in time that does
// not grow with the number of rectangles.
#include "platform/geometry.h"

#include <cstdint>
#include <vector>

// Kinds of hit.
enum EViewHitKind : int32_t {
    VIEW_HIT_NONE = 0,
    VIEW_HIT_SENDER = 1,
    VIEW_HIT_FIBER_BOARD = 3,
    VIEW_HIT_PORT = 4,
    VIEW_HIT_RECEIVER = 5,
};

// The hit record: kind, sender, board (fibre senders; backup boards are
// numbered 8 above their main board), port and receiver.
struct SViewHit {
    int32_t nKind = VIEW_HIT_NONE;
    int32_t nSender = -1;
    int32_t nBoard = -1;
    int32_t nPort = -1;
    int32_t nReceiver = -1;

    bool operator==(const SViewHit&) const = default;
};

// One recorded rectangle and what it belongs to.
struct SHitItem {
    SViewHit hit;
    CRect rect;
};

// The rectangles of one layout, in the order they are tested: the first
// that contains a point wins. Built once per layout; a point is answered
// from the few rectangles of its grid cell.
class CViewHitIndex {
public:
    // Empty rectangles are left out.
    void Build(std::vector<SHitItem> items);
    void Clear();
    // The first item containing the point (right and bottom edges outside),
    // or a record of kind VIEW_HIT_NONE.
    SViewHit Hit(const CPoint& pt) const;
    std::size_t Size() const { return m_items.size(); }

private:
    std::size_t CellOf(int x, int y) const;

    std::vector<SHitItem> m_items;
    CRect m_bounds;
    int m_nCell = 1; // cell size in pixels
    int m_nColumns = 0;
    int m_nRows = 0;
    // Item numbers per cell, ascending: cell c holds m_cellItems[m_cellStart[c] .. m_cellStart[c + 1]).
    std::vector<uint32_t> m_cellStart;
    std::vector<uint32_t> m_cellItems;
};
