#pragma once
// The size of a sender block and where its ports stand in it: pure rules
// on pixel sizes, no host and no drawing.
//
// A block has a status band (status icon, number, name) on the side away
// from its receivers and its ports in a row along the side that faces them,
// in groups with wider gaps between groups.
#include "platform/geometry.h"

#include <vector>

// Pixel sizes of a block's parts at the current density.
struct SBlockMetrics {
    int nPortWidth = 24;  // port unit along the row (the backup mark's width)
    int nPortHeight = 20; // port unit across the row
    int nStatusBand = 24; // depth of the status band
    double dDensity = 1.0;
    int nMinLength = 0; // shortest block, so that its band holds number, icon and name
};

// The side of a block beside its receivers.
enum class EBlockSide { Left, Top, Bottom, Right };
// From a relative position: 0/1 left, 2/3 above, 4/5 below, 6/7 right;
// anything else (-1: never placed) counts as above.
EBlockSide SideOfPosition(int relativePos);
// Quarter turns of an image drawn on that side: above 0, right 1, below 2, left 3.
int QuarterTurnsOf(EBlockSide side);
bool IsUpright(EBlockSide side);

// Length of one row of n ports along the block (the k factor widens
// blocks of 2, 4 and 6 ports, withK false leaves it out).
int PortRowLength(int ports, int portWidth, bool withK = true);

// Rows of ports: more than 40 ports stand in rows of at most 40.
struct SPortRows {
    int nRows = 1;
    int nPerRow = 0;
};
SPortRows PortRowsOf(int ports);

// Length and depth of a block. secondRow: the sender's device class has a
// second port row (and the sender is not the backup of a pair).
struct SBlockShape {
    int nLength = 0;
    int nDepth = 0;
};
SBlockShape BlockShapeOf(int ports, const SBlockMetrics& m, bool secondRow);
// Width and height of the block on a side: the row runs across blocks above
// and below, down blocks at the left and right.
CSize BlockSizeOn(const SBlockShape& shape, EBlockSide side, const SBlockMetrics& m);

// One port in its block: the port frame, the connector (second image: a
// plug in the port, or with a second row the loop's return unit behind the
// port) and the point a cabling path starts from.
struct SPortPlace {
    CRect rcPort;
    CRect rcConnector;
    CPoint ptConnector;
};
// The ports of a block standing at `block` on `side`, port 0 first.
std::vector<SPortPlace> PlacePorts(const CRect& block, int ports, EBlockSide side, const SBlockMetrics& m,
                                   bool secondRow);
// The status band of a block on a side (the strip away from the receivers).
CRect StatusBandOf(const CRect& block, EBlockSide side, const SBlockMetrics& m);
