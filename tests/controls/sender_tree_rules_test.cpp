#include "controls/sender_tree.h"
#include "sender_tree_paint.h"
#include "sender_tree_rules.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

using namespace morv::tree;

namespace {

const std::vector<ItemId> kRows = {1, 2, 3, 4, 5, 6};

SSelection Only(ItemId id) { return SSelection{{id}, id, id}; }

} // namespace

TEST(TreeSelectionRules, ClicksWithAndWithoutModifiers)
{
    struct Case {
        const char* what;
        SSelection before;
        ItemId clicked;
        bool ctrl, shift;
        SSelection after;
    };
    const std::vector<Case> cases = {
        {"plain click selects one item", {{1, 2, 3}, 3, 1}, 5, false, false, {{5}, 5, 5}},
        {"ctrl adds and moves the anchor", {{2}, 2, 2}, 4, true, false, {{2, 4}, 4, 4}},
        {"ctrl takes a selected item out", {{2, 4}, 4, 4}, 2, true, false, {{4}, 2, 2}},
        {"shift selects the range from the anchor", {{2, 6}, 6, 3}, 5, false, true, {{3, 4, 5}, 5, 3}},
        {"shift selects upwards as well", {{4}, 4, 4}, 2, false, true, {{2, 3, 4}, 2, 4}},
        {"ctrl+shift adds the range", {{6}, 6, 2}, 3, true, true, {{2, 3, 6}, 3, 2}},
        {"shift without a visible anchor acts plain", {{9}, 9, 9}, 3, false, true, {{3}, 3, 3}},
        {"a click outside the rows changes nothing", {{2}, 2, 2}, 42, false, false, {{2}, 2, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ClickSelection(c.before, kRows, c.clicked, c.ctrl, c.shift), c.after);
    }
}

TEST(TreeSelectionRules, DeferredPressKeysFocusAndRemoval)
{
    // A plain press on a multiple selection waits.
    const SSelection several{{2, 3}, 3, 2};
    EXPECT_EQ(std::tuple(DefersPlainClick(several, 2, false, false), DefersPlainClick(several, 4, false, false),
                         DefersPlainClick(several, 2, true, false), DefersPlainClick(Only(2), 2, false, false)),
              std::tuple(true, false, false, false));
    const std::tuple<ItemId, UINT, int, ItemId> keys[]
        = {{3, VK_UP, 2, 2},  {3, VK_DOWN, 2, 4}, {1, VK_UP, 2, 1},    {6, VK_DOWN, 2, 6}, {3, VK_HOME, 2, 1},
           {3, VK_END, 2, 6}, {3, VK_NEXT, 2, 5}, {2, VK_PRIOR, 4, 1}, {0, VK_DOWN, 2, 1}, {3, 'A', 2, 0}};
    for (const auto& [from, key, page, to] : keys)
        EXPECT_EQ(KeyTarget(kRows, from, key, page), to) << from << " key " << key;
    EXPECT_EQ(KeyTarget({}, 3, VK_DOWN, 2), 0u);
    // The selected item is the focus while it is selected.
    EXPECT_EQ(std::tuple(SelectedItem(SSelection{{2, 5}, 5, 2}, kRows), SelectedItem(SSelection{{5, 2}, 4, 2}, kRows),
                         SelectedItem(SSelection{{}, 4, 4}, kRows)),
              std::tuple(5u, 2u, 0u));
    EXPECT_EQ(WithoutItems(SSelection{{2, 3, 5}, 3, 2}, {2, 3}), (SSelection{{5}, 0, 0}));
}

TEST(TreeDragRules, ScrollBandsAtTheEdges)
{
    const CRect client(0, 0, 200, 150);
    const std::pair<int, int> bands[] = {{0, -1}, {19, -1}, {20, 0}, {129, 0}, {130, 1}};
    for (const auto& [y, direction] : bands)
        EXPECT_EQ(DragScrollDirection(client, {50, y}, 20), direction) << y;
    EXPECT_EQ(std::tuple(DragScrollDirection(client, {50, 75}, 0), DragScrollDirection(CRect(), {0, 0}, 20)),
              std::tuple(0, 0));
}

TEST(TreeRowLayout, PartsFromLeftToRight)
{
    const SRowLayout l = RowLayout(CRect(0, 28, 200, 56), 36, 18, true, 1.0);
    EXPECT_EQ(l.rcButton, CRect(18, 28, 36, 56));
    EXPECT_EQ(std::tuple(l.rcIcon.left, l.rcIcon.Width(), l.rcText.left, l.rcText.right, l.rcMark.right),
              std::tuple(40, 16, l.rcIcon.right + 6, l.rcMark.left, 200));
    const std::tuple<CPoint, bool, UINT> zones[] = {
        {{20, 40}, true, TVHT_ONITEMBUTTON}, {{20, 40}, false, TVHT_ONITEMINDENT}, {{5, 40}, true, TVHT_ONITEMINDENT},
        {{45, 40}, false, TVHT_ONITEMICON},  {{100, 40}, false, TVHT_ONITEMLABEL}, {{195, 40}, false, TVHT_ONITEMRIGHT},
        {{100, 10}, false, TVHT_NOWHERE}};
    for (const auto& [point, hasButton, zone] : zones)
        EXPECT_EQ(HitZone(l, point, hasButton), zone) << point.x << "," << point.y;
    const SRowLayout bare = RowLayout(CRect(0, 0, 200, 28), 18, 18, false, 1.0);
    EXPECT_EQ(std::tuple(bare.rcIcon.IsRectEmpty(), bare.rcText.left), std::tuple(true, 22));
    EXPECT_EQ(RowLayout(CRect(0, 0, 400, 56), 36, 36, true, 2.0).rcIcon.Width(), 32);
}

namespace {

STreeLook TestLook()
{
    STreeLook look;
    look.clrPanel = RGBColor(250, 250, 250);
    look.clrSelection = RGBColor(38, 132, 255);
    look.clrHover = RGBColor(222, 236, 255);
    look.clrTextOnline = RGBColor(33, 37, 41);
    look.clrTextOffline = RGBColor(140, 148, 160);
    look.clrTextOnSelection = RGBColor(255, 255, 255);
    look.clrWarning = RGBColor(240, 82, 62);
    look.font = {"Sans", 14, false};
    return look;
}

std::vector<DrawOp> Painted(const STreeRow& row)
{
    RecordingCanvas dc;
    PaintRow(dc, RowLayout(CRect(0, 0, 200, 28), 18, 18, false, 1.0), row, TestLook());
    return dc.Ops();
}

// A copy, so that it outlives the recording it came from.
std::optional<DrawOp> First(const std::vector<DrawOp>& ops, DrawOp::Kind kind)
{
    for (const DrawOp& op : ops)
        if (op.kind == kind)
            return op;
    return std::nullopt;
}

} // namespace

TEST(TreeRowPainting, LabelsBackgroundsMarksAndChevrons)
{
    STreeRow row;
    row.strText = "Sender 1";
    auto ops = Painted(row);
    ASSERT_TRUE(First(ops, DrawOp::Kind::Text));
    EXPECT_EQ(std::tuple(First(ops, DrawOp::Kind::Text)->text, First(ops, DrawOp::Kind::Text)->color),
              std::tuple(std::string("Sender 1"), TestLook().clrTextOnline));
    EXPECT_FALSE(First(ops, DrawOp::Kind::FillEllipse) || First(ops, DrawOp::Kind::Polyline));
    row.bOnline = false;
    EXPECT_EQ(First(Painted(row), DrawOp::Kind::Text)->color, TestLook().clrTextOffline);
    row.bSelected = true;
    ops = Painted(row);
    ASSERT_GE(ops.size(), 2u);
    EXPECT_EQ(std::tuple(ops[1].kind, ops[1].color, ops[1].rect),
              std::tuple(DrawOp::Kind::FillRect, TestLook().clrSelection, CRect(0, 0, 200, 28)));
    EXPECT_EQ(First(ops, DrawOp::Kind::Text)->color, TestLook().clrTextOnSelection);
    std::tie(row.bSelected, row.bHovered) = std::tuple(false, true);
    EXPECT_EQ(Painted(row)[1].color, TestLook().clrHover);

    std::tie(row.bWarning, row.bHasChildren) = std::tuple(true, true);
    ops = Painted(row);
    ASSERT_TRUE(First(ops, DrawOp::Kind::FillEllipse) && First(ops, DrawOp::Kind::Polyline));
    EXPECT_EQ(First(ops, DrawOp::Kind::FillEllipse)->color, TestLook().clrWarning);
    // Collapsed, the chevron points right (its tip is its rightmost point); expanded, down.
    std::vector<CPoint> p = First(ops, DrawOp::Kind::Polyline)->points;
    EXPECT_TRUE(p[1].x > p[0].x && p[0].x == p[2].x);
    row.bExpanded = true;
    ops = Painted(row);
    ASSERT_TRUE(First(ops, DrawOp::Kind::Polyline));
    p = First(ops, DrawOp::Kind::Polyline)->points;
    EXPECT_TRUE(p[1].y > p[0].y && p[0].y == p[2].y);
}

TEST(TreeRowPainting, TheIconFillsItsBox)
{
    const auto icon = Image::Solid(16, 16, RGBColor(1, 2, 3));
    STreeRow row;
    row.pIcon = icon.get();
    RecordingCanvas dc;
    const SRowLayout layout = RowLayout(CRect(0, 0, 200, 28), 18, 18, true, 1.0);
    PaintRow(dc, layout, row, TestLook());
    const auto image = First(dc.Ops(), DrawOp::Kind::Image);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->rect, layout.rcIcon);
}

TEST(TreeRowPainting, AFrameFolderReplacesTheFlatColours)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage checked(12, 12, QImage::Format_ARGB32);
    checked.fill(Qt::blue);
    ASSERT_TRUE(checked.save(dir.filePath("Checked.png")));
    ASSERT_TRUE(checked.save(dir.filePath("Normal.png")));
    STreeLook look = TestLook();
    look.strFrameFolder = dir.path().toStdString() + "/";
    STreeRow row;
    row.bSelected = true;
    RecordingCanvas dc;
    PaintRow(dc, RowLayout(CRect(0, 0, 200, 28), 18, 18, false, 1.0), row, look);
    const auto frame = First(dc.Ops(), DrawOp::Kind::ImageNinePart);
    ASSERT_TRUE(frame);
    EXPECT_NE(frame->image.find("Checked.png"), std::string::npos);
    for (const DrawOp& op : dc.Ops())
        EXPECT_FALSE(op.kind == DrawOp::Kind::FillRect && op.color == look.clrSelection);
}
