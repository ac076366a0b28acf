#include "controls/cursor_manager.h"
#include "platform/native_qt.h"
#include "widgets_test_support.h"

#include <QWidget>
#include <gtest/gtest.h>

using widget_test::CRecorderWnd;

namespace {

Qt::CursorShape ShapeOf(CWnd& wnd) { return plat::NativeWidget(&wnd)->cursor().shape(); }

class CursorManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(view.Create());
        manager.SetOpTypeSource([this] { return opType; });
    }

    int opType = CURSOR_OP_NORMAL;
    CRecorderWnd view;
    CCurSorManager manager;
};

} // namespace

TEST(CursorRules, ModeShapes)
{
    EXPECT_EQ(ChooseCursor(CURSOR_OP_NORMAL, false, false), ECursor::Arrow);
    EXPECT_EQ(ChooseCursor(CURSOR_OP_MOVE, false, false), ECursor::Grab);
    EXPECT_EQ(ChooseCursor(7, false, false), ECursor::Arrow);
}

TEST(CursorRules, GrabBeatsAddTileBeatsMode)
{
    EXPECT_EQ(ChooseCursor(CURSOR_OP_MOVE, true, true), ECursor::Grabbing);
    EXPECT_EQ(ChooseCursor(CURSOR_OP_MOVE, true, false), ECursor::Cross);
    EXPECT_EQ(ChooseCursor(CURSOR_OP_NORMAL, true, false), ECursor::Cross);
}

TEST(CursorRules, ResourceNumbers)
{
    EXPECT_EQ(CursorFromResource(IDC_CURSOR_GRAB), ECursor::Grabbing);
    EXPECT_EQ(CursorFromResource(1102), ECursor::Arrow);
}

TEST(CursorRules, OneSharedManager)
{
    ASSERT_NE(GetCursorManager(0), nullptr);
    EXPECT_EQ(GetCursorManager(0), GetCursorManager(0));
    EXPECT_EQ(GetCursorManager(1), nullptr);
}

TEST_F(CursorManagerTest, WithoutSourceTheModeIsNormal)
{
    CCurSorManager plain;
    EXPECT_EQ(plain.GetOpType(), CURSOR_OP_NORMAL);
    opType = CURSOR_OP_MOVE;
    plain.OnMouseMove(&view, 0, {5, 5});
    EXPECT_EQ(ShapeOf(view), Qt::ArrowCursor);
}

TEST_F(CursorManagerTest, MoveModeShowsTheOpenHandOnTheHoveredWindow)
{
    manager.OnMouseMove(&view, 0, {5, 5});
    EXPECT_EQ(manager.GetHoverWindow(), &view);
    EXPECT_EQ(ShapeOf(view), Qt::ArrowCursor);

    opType = CURSOR_OP_MOVE;
    manager.AutoSelectCursor();
    EXPECT_EQ(ShapeOf(view), Qt::OpenHandCursor);
    EXPECT_EQ(manager.GetCurrentCursor(), ECursor::Grab);

    opType = CURSOR_OP_NORMAL;
    manager.OnMouseHover(&view, 0, {6, 6});
    EXPECT_EQ(ShapeOf(view), Qt::ArrowCursor);
}

TEST_F(CursorManagerTest, ALeftWindowKeepsItsShape)
{
    opType = CURSOR_OP_MOVE;
    manager.OnMouseMove(&view, 0, {5, 5});
    manager.OnMouseLeave(&view);
    EXPECT_EQ(manager.GetHoverWindow(), nullptr);
    opType = CURSOR_OP_NORMAL;
    manager.AutoSelectCursor();
    EXPECT_EQ(ShapeOf(view), Qt::OpenHandCursor);
}

TEST_F(CursorManagerTest, GrabHoldsUntilItEnds)
{
    opType = CURSOR_OP_MOVE;
    manager.OnMouseMove(&view, MK_LBUTTON, {5, 5});
    manager.BeginGrab(&view);
    EXPECT_TRUE(manager.IsGrabbing());
    EXPECT_EQ(ShapeOf(view), Qt::ClosedHandCursor);
    manager.OnMouseMove(&view, MK_LBUTTON, {9, 9});
    manager.AutoSelectCursor();
    EXPECT_EQ(ShapeOf(view), Qt::ClosedHandCursor);
    manager.EndGrab();
    EXPECT_FALSE(manager.IsGrabbing());
    EXPECT_EQ(ShapeOf(view), Qt::OpenHandCursor);
}

TEST_F(CursorManagerTest, AddTileStateEndsOnPressOrEscape)
{
    MSG move{&view, WM_MOUSEMOVE, 0, 0, {}};
    MSG left{&view, WM_LBUTTONDOWN, MK_LBUTTON, 0, {}};
    MSG right{&view, WM_RBUTTONDOWN, MK_RBUTTON, 0, {}};
    MSG escape{&view, WM_KEYDOWN, VK_ESCAPE, 0, {}};
    MSG key{&view, WM_KEYDOWN, 'A', 0, {}};

    EXPECT_FALSE(manager.AutoInvalidAddTileState(&escape)); // nothing to end

    manager.OnMouseMove(&view, 0, {5, 5});
    manager.SetAddTileState(true);
    EXPECT_EQ(ShapeOf(view), Qt::CrossCursor);
    EXPECT_FALSE(manager.AutoInvalidAddTileState(&move));
    EXPECT_FALSE(manager.AutoInvalidAddTileState(&key));
    EXPECT_TRUE(manager.GetAddTileState());

    EXPECT_FALSE(manager.AutoInvalidAddTileState(&left)); // ends it, the press goes on
    EXPECT_FALSE(manager.GetAddTileState());
    EXPECT_EQ(ShapeOf(view), Qt::ArrowCursor);

    manager.SetAddTileState(true);
    EXPECT_TRUE(manager.AutoInvalidAddTileState(&escape));
    EXPECT_FALSE(manager.GetAddTileState());

    manager.SetAddTileState(true);
    EXPECT_TRUE(manager.AutoInvalidAddTileState(&right));
    EXPECT_FALSE(manager.GetAddTileState());
    EXPECT_FALSE(manager.AutoInvalidAddTileState(nullptr));
}

TEST_F(CursorManagerTest, ADestroyedWindowIsForgotten)
{
    CRecorderWnd other;
    ASSERT_TRUE(other.Create());
    manager.OnMouseMove(&other, 0, {1, 1});
    manager.BeginGrab(&other);
    other.DestroyWindow();
    EXPECT_EQ(manager.GetHoverWindow(), nullptr);
    EXPECT_FALSE(manager.IsGrabbing());
    opType = CURSOR_OP_MOVE;
    manager.AutoSelectCursor();
    manager.EndGrab();
}
