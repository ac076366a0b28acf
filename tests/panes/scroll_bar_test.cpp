// The scroll bars in a real page.
#include "controls/notify.h"
#include "host/vistrano_runtime.h"
#include "module/update_mask.h"
#include "panes/scroll_bar_dlg.h"
#include "panes_test_support.h"
#include "platform/canvas.h"

TEST_F(PanesTest, ScrollBarsMoveTheViewByPressesAPacedDragAndTheWheelAndIgnoreADesignThatFits)
{
    Open(MakeProject(1));
    // The view shows 500 × 400 of a design of 2000 × 1600.
    CDesignBackground& design = *g_pRuntimeData->GetDesignBackground();
    design.SetClientRect(10, {0, 0, 500, 400});
    g_pModuleData->SetContentExtent(2000, 1600);
    // A bar of our own beside the view, on a clock the test moves.
    uint32_t now = 5000;
    std::unique_ptr<CScrollBarDlg> bar;
    const auto make = [&](int orientation) {
        design.SetViewStartPt({0, 0}, 0, {0, 0});
        host.notifications.clear();
        bar = std::make_unique<CScrollBarDlg>(g_pLabelDlg, [&] { return now; });
        bar->Create(142, g_pLabelDlg);
        bar->SetOrientation(orientation);
        bar->MoveWindow(orientation == CScrollBarDlg::kVertical ? CRect(0, 0, 14, 400) : CRect(0, 0, 514, 14));
    };
    // Horizontal: 200 pixels of the free track (354) over 1500 hidden units; vertical: of 279 over 1200.
    for (const auto& [orientation, dragged] :
         {std::pair{CScrollBarDlg::kHorizontal, 847}, std::pair{CScrollBarDlg::kVertical, 860}}) {
        SCOPED_TRACE(orientation);
        const bool vertical = orientation == CScrollBarDlg::kVertical;
        const auto at = [&](int along) { return vertical ? MAKELPARAM(7, along) : MAKELPARAM(along, 7); };
        const auto along = [&] { return vertical ? design.GetViewStartPt().y : design.GetViewStartPt().x; };
        const int visible = vertical ? 400 : 500, secondArrow = vertical ? 390 : 490;
        make(orientation);
        // The second arrow, the track after the thumb, the first arrow.
        for (const auto& [press, start] :
             {std::pair{secondArrow, visible / 5}, {secondArrow - 20, visible / 5 + visible}, {3, visible}}) {
            bar->DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, at(press));
            EXPECT_EQ(start, along()) << press;
        }
        EXPECT_EQ(3, Notified(UPDATE_VIEW, 0));

        // The thumb's drag notifies at most every 30 ms, and once on release.
        make(orientation);
        bar->DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, at(20));
        for (int i = 1; i <= 200; ++i, now += 2)
            bar->DeliverMessage(WM_MOUSEMOVE, MK_LBUTTON, at(20 + i));
        const int paced = Notified(UPDATE_VIEW, 0); // 400 ms of moves; the throttle's own test holds each gap
        EXPECT_TRUE(paced >= 10 && paced <= 14 && Notified(UPDATE_VIEW, 1) == 0) << paced;
        bar->DeliverMessage(WM_LBUTTONUP, 0, at(220));
        EXPECT_EQ(std::pair(1, dragged), std::pair(Notified(UPDATE_VIEW, 1), along()));
        bar->DeliverMessage(WM_MOUSEMOVE, 0, at(30)); // the drag is over
        EXPECT_EQ(dragged, along());
    }

    // The wheel scrolls a tenth of the view, with Shift horizontally; the view's test holds the ends.
    make(CScrollBarDlg::kHorizontal);
    bar->DeliverMessage(WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, static_cast<WORD>(-120)), 0);
    bar->DeliverMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), 0);
    EXPECT_EQ(std::pair(CPoint(50, 80), 2), std::pair(design.GetViewStartPt(), Notified(UPDATE_ACTIVATE_NO_PANEL)));

    // A design that fits shows no thumb and ignores presses on the track.
    const auto thumb = [&] {
        RecordingCanvas dc;
        bar->DrawBar(dc);
        return std::ranges::any_of(dc.Ops(),
                                   [](const DrawOp& op) { return op.image.find("Thumb") != std::string::npos; });
    };
    design.SetViewStartPt({0, 0}, 0, {0, 0});
    host.notifications.clear();
    EXPECT_TRUE(thumb());
    g_pModuleData->SetContentExtent(0, 0); // widened to the client: it fits
    EXPECT_FALSE(thumb());
    for (int x : {3, 100, 257, 480, 495}) {
        bar->DeliverMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 7));
        bar->DeliverMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, 7));
    }
    EXPECT_EQ(CPoint(0, 0), design.GetViewStartPt());
    EXPECT_TRUE(host.notifications.empty());
}
