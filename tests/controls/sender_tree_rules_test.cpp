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

TEST(TreeSelectionRules, PlainPressOnAMultipleSelectionWaits)
{
    const SSelection several{{2, 3}, 3, 2};
    EXPECT_TRUE(DefersPlainClick(several, 2, false, false));
    EXPECT_FALSE(DefersPlainClick(several, 4, false, false));
    EXPECT_FALSE(DefersPlainClick(several, 2, true, false));
    EXPECT_FALSE(DefersPlainClick(Only(2), 2, false, false));
}

TEST(TreeSelectionRules, NavigationKeys)
{
    EXPECT_EQ(KeyTarget(kRows, 3, VK_UP, 2), 2u);
    EXPECT_EQ(KeyTarget(kRows, 3, VK_DOWN, 2), 4u);
    EXPECT_EQ(KeyTarget(kRows, 1, VK_UP, 2), 1u);
    EXPECT_EQ(KeyTarget(kRows, 6, VK_DOWN, 2), 6u);
    EXPECT_EQ(KeyTarget(kRows, 3, VK_HOME, 2), 1u);
    EXPECT_EQ(KeyTarget(kRows, 3, VK_END, 2), 6u);
    EXPECT_EQ(KeyTarget(kRows, 3, VK_NEXT, 2), 5u);
    EXPECT_EQ(KeyTarget(kRows, 2, VK_PRIOR, 4), 1u);
    EXPECT_EQ(KeyTarget(kRows, 0, VK_DOWN, 2), 1u);
    EXPECT_EQ(KeyTarget(kRows, 3, 'A', 2), 0u);
    EXPECT_EQ(KeyTarget({}, 3, VK_DOWN, 2), 0u);
}

TEST(TreeSelectionRules, TheSelectedItemIsTheFocusWhileSelected)
{
    EXPECT_EQ(SelectedItem(SSelection{{2, 5}, 5, 2}, kRows), 5u);
    EXPECT_EQ(SelectedItem(SSelection{{5, 2}, 4, 2}, kRows), 2u);
    EXPECT_EQ(SelectedItem(SSelection{{}, 4, 4}, kRows), 0u);
}

TEST(TreeSelectionRules, RemovedItemsLeaveTheSelection)
{
    const SSelection s = WithoutItems(SSelection{{2, 3, 5}, 3, 2}, {2, 3});
    EXPECT_EQ(s, (SSelection{{5}, 0, 0}));
}

TEST(TreeDragRules, ScrollBandsAtTheEdges)
{
    const CRect client(0, 0, 200, 150);
    EXPECT_EQ(DragScrollDirection(client, {50, 0}, 20), -1);
    EXPECT_EQ(DragScrollDirection(client, {50, 19}, 20), -1);
    EXPECT_EQ(DragScrollDirection(client, {50, 20}, 20), 0);
    EXPECT_EQ(DragScrollDirection(client, {50, 129}, 20), 0);
    EXPECT_EQ(DragScrollDirection(client, {50, 130}, 20), 1);
    EXPECT_EQ(DragScrollDirection(client, {50, 75}, 0), 0);
    EXPECT_EQ(DragScrollDirection(CRect(), {0, 0}, 20), 0);
}

TEST(TreeRowLayout, PartsFromLeftToRight)
{
    const SRowLayout l = RowLayout(CRect(0, 28, 200, 56), 36, 18, true, 1.0);
    EXPECT_EQ(l.rcButton, CRect(18, 28, 36, 56));
    EXPECT_EQ(l.rcIcon.left, 40);
    EXPECT_EQ(l.rcIcon.Width(), 16);
    EXPECT_EQ(l.rcText.left, l.rcIcon.right + 6);
    EXPECT_EQ(l.rcText.right, l.rcMark.left);
    EXPECT_EQ(l.rcMark.right, 200);

    EXPECT_EQ(HitZone(l, {20, 40}, true), TVHT_ONITEMBUTTON);
    EXPECT_EQ(HitZone(l, {20, 40}, false), TVHT_ONITEMINDENT);
    EXPECT_EQ(HitZone(l, {5, 40}, true), TVHT_ONITEMINDENT);
    EXPECT_EQ(HitZone(l, {45, 40}, false), TVHT_ONITEMICON);
    EXPECT_EQ(HitZone(l, {100, 40}, false), TVHT_ONITEMLABEL);
    EXPECT_EQ(HitZone(l, {195, 40}, false), TVHT_ONITEMRIGHT);
    EXPECT_EQ(HitZone(l, {100, 10}, false), TVHT_NOWHERE);

    const SRowLayout bare = RowLayout(CRect(0, 0, 200, 28), 18, 18, false, 1.0);
    EXPECT_TRUE(bare.rcIcon.IsRectEmpty());
    EXPECT_EQ(bare.rcText.left, 22);
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

TEST(TreeRowPainting, OnlineAndOfflineLabels)
{
    STreeRow row;
    row.strText = "Sender 1";
    const std::optional<DrawOp> text = First(Painted(row), DrawOp::Kind::Text);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->text, "Sender 1");
    EXPECT_EQ(text->color, TestLook().clrTextOnline);
    row.bOnline = false;
    EXPECT_EQ(First(Painted(row), DrawOp::Kind::Text)->color, TestLook().clrTextOffline);
}

TEST(TreeRowPainting, SelectedAndHoveredBackgrounds)
{
    STreeRow row;
    row.bSelected = true;
    row.bOnline = false;
    auto ops = Painted(row);
    ASSERT_GE(ops.size(), 2u);
    EXPECT_EQ(ops[1].kind, DrawOp::Kind::FillRect);
    EXPECT_EQ(ops[1].color, TestLook().clrSelection);
    EXPECT_EQ(ops[1].rect, CRect(0, 0, 200, 28));
    EXPECT_EQ(First(ops, DrawOp::Kind::Text)->color, TestLook().clrTextOnSelection);

    row.bSelected = false;
    row.bHovered = true;
    ops = Painted(row);
    EXPECT_EQ(ops[1].color, TestLook().clrHover);
}

TEST(TreeRowPainting, WarningMarkAndChevron)
{
    STreeRow row;
    EXPECT_FALSE(First(Painted(row), DrawOp::Kind::FillEllipse));
    EXPECT_FALSE(First(Painted(row), DrawOp::Kind::Polyline));
    row.bWarning = true;
    row.bHasChildren = true;
    const auto ops = Painted(row);
    const std::optional<DrawOp> mark = First(ops, DrawOp::Kind::FillEllipse);
    ASSERT_TRUE(mark);
    EXPECT_EQ(mark->color, TestLook().clrWarning);
    const std::optional<DrawOp> chevron = First(ops, DrawOp::Kind::Polyline);
    ASSERT_TRUE(chevron);
    // Collapsed: the chevron points right (its tip is its rightmost point).
    EXPECT_GT(chevron->points[1].x, chevron->points[0].x);
    EXPECT_EQ(chevron->points[0].x, chevron->points[2].x);
    row.bExpanded = true;
    const auto expanded = Painted(row);
    const std::optional<DrawOp> down = First(expanded, DrawOp::Kind::Polyline);
    ASSERT_TRUE(down);
    EXPECT_GT(down->points[1].y, down->points[0].y);
    EXPECT_EQ(down->points[0].y, down->points[2].y);
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
