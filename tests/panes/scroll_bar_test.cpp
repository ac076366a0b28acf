// The scroll bars in a real page: presses, the thumb drag with its paced
// notifications, the wheel, and what the bar draws.
#include "controls/notify.h"
#include "host/vistrano_runtime.h"
#include "module/label_monitor_dlg.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "module/update_mask.h"
#include "panes/scroll_bar_dlg.h"
#include "panes_test_support.h"
#include "platform/canvas.h"

#include <algorithm>

namespace {

class ScrollBarTest : public PanesTest {
protected:
    void SetUp() override
    {
        PanesTest::SetUp();
        Open(MakeProject(1));
        design = g_pRuntimeData->GetDesignBackground();
        // The view shows 500 × 400 of a design of 2000 × 1600.
        design->SetClientRect(10, {0, 0, 500, 400});
        design->SetViewStartPt({0, 0}, 0, {0, 0});
        g_pModuleData->SetContentExtent(2000, 1600);
        host.notifications.clear();
    }
    void TearDown() override
    {
        bar.reset();
        PanesTest::TearDown();
    }

    // A bar of our own beside the view, on a clock the test moves.
    CScrollBarDlg& MakeBar(int orientation)
    {
        bar = std::make_unique<CScrollBarDlg>(g_pLabelDlg, [this] { return now; });
        bar->Create(142, g_pLabelDlg);
        bar->SetOrientation(orientation);
        bar->MoveWindow(orientation == CScrollBarDlg::kVertical ? CRect(0, 0, 14, 400) : CRect(0, 0, 514, 14));
        return *bar;
    }
    static LPARAM At(int orientation, int along)
    {
        return orientation == CScrollBarDlg::kVertical ? MAKELPARAM(7, along) : MAKELPARAM(along, 7);
    }
    int Along(int orientation) const
    {
        const CPoint start = design->GetViewStartPt();
        return orientation == CScrollBarDlg::kVertical ? start.y : start.x;
    }
    static bool DrawsThumb(const CScrollBarDlg& b)
    {
        RecordingCanvas dc;
        b.DrawBar(dc);
        return std::any_of(dc.Ops().begin(), dc.Ops().end(),
                           [](const DrawOp& op) { return op.image.find("Thumb") != std::string::npos; });
    }

    CDesignBackground* design = nullptr;
    std::unique_ptr<CScrollBarDlg> bar;
    uint32_t now = 5000;
};

} // namespace

TEST_F(ScrollBarTest, ADesignThatFitsShowsNoThumbAndIgnoresTrackPresses)
{
    CScrollBarDlg& b = MakeBar(CScrollBarDlg::kHorizontal);
    EXPECT_TRUE(DrawsThumb(b));
    g_pModuleData->SetContentExtent(0, 0); // widened to the client: it fits
    EXPECT_FALSE(DrawsThumb(b));
    for (int x : {3, 100, 257, 480, 495}) {
        b.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 7));
        b.DeliverMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, 7));
    }
    EXPECT_EQ(CPoint(0, 0), design->GetViewStartPt());
    EXPECT_TRUE(host.notifications.empty());
}

TEST_F(ScrollBarTest, PressesOnArrowAndTrackMoveTheViewAndTellIt)
{
    for (int orientation : {CScrollBarDlg::kHorizontal, CScrollBarDlg::kVertical}) {
        const int visible = orientation == CScrollBarDlg::kVertical ? 400 : 500;
        const int secondArrow = orientation == CScrollBarDlg::kVertical ? 390 : 490;
        CScrollBarDlg& b = MakeBar(orientation);
        b.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(orientation, secondArrow));
        EXPECT_EQ(visible / 5, Along(orientation)) << orientation;
        b.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(orientation, secondArrow - 20)); // track after the thumb
        EXPECT_EQ(visible / 5 + visible, Along(orientation)) << orientation;
        b.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(orientation, 3)); // first arrow
        EXPECT_EQ(visible, Along(orientation)) << orientation;
        EXPECT_EQ(3, Notified(UPDATE_VIEW, 0)) << orientation;
        design->SetViewStartPt({0, 0}, 0, {0, 0});
        host.notifications.clear();
    }
}

TEST_F(ScrollBarTest, ThumbDragNotifiesAtMostEvery30msAndOnceOnRelease)
{
    // Horizontal: 200 pixels of the free track (354) over 1500 hidden units;
    // vertical: over 279 pixels and 1200 units.
    for (const auto& [orientation, expected] :
         {std::pair{CScrollBarDlg::kHorizontal, 847}, std::pair{CScrollBarDlg::kVertical, 860}}) {
        CScrollBarDlg& b = MakeBar(orientation);
        b.DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(orientation, 20));
        std::vector<uint32_t> times;
        for (int i = 1; i <= 200; ++i) {
            now += 2;
            b.DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, At(orientation, 20 + i));
            if (Notified(UPDATE_VIEW, 0) > static_cast<int>(times.size()))
                times.push_back(now);
        }
        EXPECT_EQ(static_cast<int>(times.size()), Notified(UPDATE_VIEW, 0));
        EXPECT_GE(times.size(), 10u) << orientation;
        EXPECT_LE(times.size(), 14u) << orientation; // 400 ms of moves
        for (std::size_t i = 1; i < times.size(); ++i)
            EXPECT_GE(times[i] - times[i - 1], CScrollBarDlg::kDragNotifyPeriodMs) << i;
        EXPECT_EQ(0, Notified(UPDATE_VIEW, 1));

        b.DeliverMessage(WM_LBUTTONUP, 0, At(orientation, 220));
        EXPECT_EQ(1, Notified(UPDATE_VIEW, 1)) << orientation;
        EXPECT_EQ(expected, Along(orientation)) << orientation;
        b.DeliverMessage(WM_MOUSEMOVE, 0, At(orientation, 30)); // the drag is over
        EXPECT_EQ(expected, Along(orientation)) << orientation;
        design->SetViewStartPt({0, 0}, 0, {0, 0});
        host.notifications.clear();
    }
}

TEST_F(ScrollBarTest, WheelScrollsATenthOfTheViewShiftHorizontally)
{
    CScrollBarDlg& b = MakeBar(CScrollBarDlg::kHorizontal);
    b.DeliverMessage(WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, static_cast<WORD>(-120)), 0);
    EXPECT_EQ(CPoint(50, 0), design->GetViewStartPt());
    b.DeliverMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), 0);
    EXPECT_EQ(CPoint(50, 80), design->GetViewStartPt());
    b.DeliverMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 12000), 0); // far past the top: held at 0
    EXPECT_EQ(CPoint(50, 0), design->GetViewStartPt());
    EXPECT_EQ(3, Notified(UPDATE_ACTIVATE_NO_PANEL));
    b.DeliverMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0); // nothing moves, nothing told
    EXPECT_EQ(3, static_cast<int>(host.notifications.size()));
}
