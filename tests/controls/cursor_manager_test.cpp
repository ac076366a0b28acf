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

// A grab beats the add-tile state, which beats the mode.
TEST(CursorRules, ShapesResourcesAndTheSharedManager)
{
    const std::tuple<int, bool, bool, ECursor> cases[] = {{CURSOR_OP_NORMAL, false, false, ECursor::Arrow},
                                                          {CURSOR_OP_MOVE, false, false, ECursor::Grab},
                                                          {7, false, false, ECursor::Arrow},
                                                          {CURSOR_OP_MOVE, true, true, ECursor::Grabbing},
                                                          {CURSOR_OP_MOVE, true, false, ECursor::Cross},
                                                          {CURSOR_OP_NORMAL, true, false, ECursor::Cross}};
    for (const auto& [mode, addTile, grab, shape] : cases)
        EXPECT_EQ(ChooseCursor(mode, addTile, grab), shape) << mode << addTile << grab;
    EXPECT_EQ(std::tuple(CursorFromResource(IDC_CURSOR_GRAB), CursorFromResource(1102)),
              std::tuple(ECursor::Grabbing, ECursor::Arrow));
    EXPECT_TRUE(GetCursorManager(0) && GetCursorManager(0) == GetCursorManager(0) && !GetCursorManager(1));
}

TEST_F(CursorManagerTest, TheModeTheHoveredWindowAndTheGrab)
{
    CCurSorManager plain; // without a source the mode is normal
    EXPECT_EQ(plain.GetOpType(), CURSOR_OP_NORMAL);
    opType = CURSOR_OP_MOVE;
    plain.OnMouseMove(&view, 0, {5, 5});
    EXPECT_EQ(ShapeOf(view), Qt::ArrowCursor);

    opType = CURSOR_OP_NORMAL;
    manager.OnMouseMove(&view, 0, {5, 5});
    EXPECT_EQ(std::tuple(manager.GetHoverWindow(), ShapeOf(view)),
              std::tuple(static_cast<CWnd*>(&view), Qt::ArrowCursor));
    opType = CURSOR_OP_MOVE;
    manager.AutoSelectCursor();
    EXPECT_EQ(std::tuple(ShapeOf(view), manager.GetCurrentCursor()), std::tuple(Qt::OpenHandCursor, ECursor::Grab));
    opType = CURSOR_OP_NORMAL;
    manager.OnMouseHover(&view, 0, {6, 6});
    EXPECT_EQ(ShapeOf(view), Qt::ArrowCursor);

    opType = CURSOR_OP_MOVE;
    manager.OnMouseMove(&view, MK_LBUTTON, {5, 5});
    manager.BeginGrab(&view);
    EXPECT_EQ(std::tuple(manager.IsGrabbing(), ShapeOf(view)), std::tuple(true, Qt::ClosedHandCursor));
    manager.OnMouseMove(&view, MK_LBUTTON, {9, 9});
    manager.AutoSelectCursor();
    EXPECT_EQ(ShapeOf(view), Qt::ClosedHandCursor); // held until the grab ends
    manager.EndGrab();
    EXPECT_EQ(std::tuple(manager.IsGrabbing(), ShapeOf(view)), std::tuple(false, Qt::OpenHandCursor));

    manager.OnMouseLeave(&view); // a left window keeps its shape
    EXPECT_EQ(manager.GetHoverWindow(), nullptr);
    opType = CURSOR_OP_NORMAL;
    manager.AutoSelectCursor();
    EXPECT_EQ(ShapeOf(view), Qt::OpenHandCursor);

    CRecorderWnd other; // a destroyed window is forgotten
    ASSERT_TRUE(other.Create());
    manager.OnMouseMove(&other, 0, {1, 1});
    manager.BeginGrab(&other);
    other.DestroyWindow();
    EXPECT_EQ(std::tuple(manager.GetHoverWindow(), manager.IsGrabbing()),
              std::tuple(static_cast<CWnd*>(nullptr), false));
    opType = CURSOR_OP_MOVE;
    manager.AutoSelectCursor();
    manager.EndGrab();
}

TEST_F(CursorManagerTest, AddTileStateEndsOnPressOrEscape)
{
    MSG move{&view, WM_MOUSEMOVE, 0, 0, {}}, left{&view, WM_LBUTTONDOWN, MK_LBUTTON, 0, {}},
        right{&view, WM_RBUTTONDOWN, MK_RBUTTON, 0, {}}, escape{&view, WM_KEYDOWN, VK_ESCAPE, 0, {}},
        key{&view, WM_KEYDOWN, 'A', 0, {}};
    EXPECT_FALSE(manager.AutoInvalidAddTileState(&escape)); // nothing to end
    manager.OnMouseMove(&view, 0, {5, 5});
    manager.SetAddTileState(true);
    EXPECT_EQ(ShapeOf(view), Qt::CrossCursor);
    EXPECT_FALSE(manager.AutoInvalidAddTileState(&move) || manager.AutoInvalidAddTileState(&key));
    EXPECT_TRUE(manager.GetAddTileState());
    EXPECT_FALSE(manager.AutoInvalidAddTileState(&left)); // ends it, the press goes on
    EXPECT_EQ(std::tuple(manager.GetAddTileState(), ShapeOf(view)), std::tuple(false, Qt::ArrowCursor));
    for (MSG* ending : {&escape, &right}) {
        manager.SetAddTileState(true);
        EXPECT_TRUE(manager.AutoInvalidAddTileState(ending));
        EXPECT_FALSE(manager.GetAddTileState());
    }
    EXPECT_FALSE(manager.AutoInvalidAddTileState(nullptr));
}
