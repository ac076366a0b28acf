#include "view/block_shape.h"

#include <gtest/gtest.h>

namespace {

// The port unit of the skin at density 1.0: 24 × 20, a 24-pixel band.
const SBlockMetrics kBase{24, 20, 24, 1.0};

} // namespace

TEST(BlockShapeTest, LengthAndDepthByPortCountRowsAndDensity)
{
    // r(0.2 × 24) = 5, r(0.1 × 24) = 2, r(0.3 × 24) = 7, r(0.5 × 24) = 12.
    const std::tuple<int, int, int> rows[] = {
        // ports, length, depth
        {1, 34, 44},     // one port, the two end margins
        {2, 180, 44},    // (48 + 10 + 2) × 3
        {6, 225, 44},    // (144 + 10 + 7 + 8) × 4/3, truncated
        {20, 543, 44},   // four groups of five: 3 group gaps
        {21, 584, 44},   // groups of five, gap factor 0.5
        {24, 652, 44},   // groups of eight
        {40, 1078, 44},  // groups of ten
        {41, 584, 69},   // two rows of 21 and 20, no k
        {160, 1078, 119} // four rows of 40
    };
    for (const auto& [ports, length, depth] : rows) {
        const SBlockShape shape = BlockShapeOf(ports, kBase, false);
        EXPECT_EQ(std::pair(length, depth), std::pair(shape.nLength, shape.nDepth)) << ports << " ports";
    }
    EXPECT_EQ(24 + 2 * 20 + 5, BlockShapeOf(8, kBase, true).nDepth); // a second row
    EXPECT_EQ(69, BlockShapeOf(41, kBase, true).nDepth);             // beyond 40 ports the rows rule wins over it
    const SBlockShape shape = BlockShapeOf(8, kBase, false);
    EXPECT_EQ(CSize(shape.nLength, 44), BlockSizeOn(shape, EBlockSide::Bottom, kBase));
    // At the left or right the row runs down; the band plus a port width across.
    EXPECT_EQ(CSize(24 + 24, shape.nLength), BlockSizeOn(shape, EBlockSide::Left, kBase));
    const SBlockMetrics dense{36, 30, 36, 1.5, 270};
    EXPECT_EQ(270, BlockShapeOf(1, dense, false).nLength); // the shortest block
    EXPECT_EQ(PortRowLength(20, 36), BlockShapeOf(20, dense, false).nLength);
    EXPECT_EQ(36 + 2 * 30 + 7, BlockShapeOf(8, dense, true).nDepth);
    // Two positions a side; the images turn clockwise from the top.
    const std::pair<EBlockSide, int> sides[]
        = {{EBlockSide::Left, 3}, {EBlockSide::Top, 0}, {EBlockSide::Bottom, 2}, {EBlockSide::Right, 1}};
    for (int pos = 0; pos < 8; ++pos)
        EXPECT_EQ(sides[pos / 2], std::pair(SideOfPosition(pos), QuarterTurnsOf(SideOfPosition(pos)))) << pos;
    EXPECT_EQ(EBlockSide::Top, SideOfPosition(-1));
}

TEST(BlockShapeTest, EveryPortStandsInsideItsBlockFacingTheReceiversWithItsConnector)
{
    for (EBlockSide side : {EBlockSide::Top, EBlockSide::Bottom, EBlockSide::Left, EBlockSide::Right}) {
        for (int n : {1, 2, 6, 20, 21, 41, 160}) {
            SCOPED_TRACE(std::to_string(n) + " ports, side " + std::to_string(static_cast<int>(side)));
            const CRect block(CPoint(100, 50), BlockSizeOn(BlockShapeOf(n, kBase, false), side, kBase));
            const std::vector<SPortPlace> ports = PlacePorts(block, n, side, kBase, false);
            ASSERT_EQ(static_cast<std::size_t>(n), ports.size());
            const CRect band = StatusBandOf(block, side, kBase);
            for (std::size_t p = 0; p < ports.size(); ++p) {
                const CRect& r = ports[p].rcPort;
                CRect overlap;
                EXPECT_TRUE(r.left >= block.left && r.right <= block.right && r.top >= block.top
                            && r.bottom <= block.bottom)
                    << p;
                EXPECT_FALSE(overlap.IntersectRect(r, band)) << p;
                EXPECT_FALSE(p > 0 && n <= 40 && overlap.IntersectRect(r, ports[p - 1].rcPort)) << p;
            }
        }
    }
    // Above the receivers the first row runs along the block's bottom edge.
    const CRect block(CPoint(), BlockSizeOn(BlockShapeOf(41, kBase, false), EBlockSide::Top, kBase));
    const std::vector<SPortPlace> many = PlacePorts(block, 41, EBlockSide::Top, kBase, false);
    EXPECT_EQ(44, PlacePorts({0, 0, 200, 44}, 4, EBlockSide::Top, kBase, false)[0].rcPort.bottom);
    // A plug in the middle of ports below 40; from port 40 the second image fills the port.
    EXPECT_EQ(CSize(12, 12), many[0].rcConnector.Size());
    EXPECT_EQ(many[0].rcPort.CenterPoint(), many[0].ptConnector);
    EXPECT_EQ(many[40].rcPort, many[40].rcConnector);
    // With a second row, the connector is the unit behind its port.
    const CRect looped(CPoint(), BlockSizeOn(BlockShapeOf(4, kBase, true), EBlockSide::Top, kBase));
    const SPortPlace p = PlacePorts(looped, 4, EBlockSide::Top, kBase, true)[0];
    EXPECT_EQ(p.rcPort.top - 5, p.rcConnector.bottom);
    EXPECT_EQ(p.rcPort.CenterPoint(), p.ptConnector);
    EXPECT_EQ(p.rcPort.Size(), p.rcConnector.Size());
}
