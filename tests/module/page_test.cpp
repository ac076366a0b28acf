// The page through IQuarnLabel: its panes, their places and refreshes,
// activation, moving, showing and the reserved slots.
#include "controls/density.h"
#include "controls/skin.h"
#include "module/label_monitor_dlg.h"
#include "module/module_data.h"
#include "module/module_entry.h"
#include "module/module_globals.h"
#include "module_test_support.h"
#include "panes/scroll_bar_dlg.h"
#include "panes/sender_select_dlg.h"
#include "panes/target_select_dlg.h"
#include "panes/toolbar_dlg.h"
#include "platform/canvas.h"
#include "platform/native_qt.h"
#include "sim/call_log.h"
#include "sim/monitor_feed.h"
#include "view/main_view_dlg.h"

#include <QWidget>

namespace {

struct SCounts {
    int toolbar, target, panel, view, hscroll, vscroll;
    bool operator==(const SCounts&) const = default;
};

class PageTest : public ModuleTest {
protected:
    void SetUp() override
    {
        ModuleTest::SetUp();
        morv::SetDensity(1.5);
        page = CreatePage(host);
        ASSERT_NE(nullptr, g_pLabelDlg);
        dlg = g_pLabelDlg;
        page->MoveTo({0, 0, 1200, 800});
        page->Update(0, 0, 1);
    }
    void TearDown() override
    {
        g_pModuleData->SetSenderPanelExpanded(1);
        ModuleTest::TearDown();
    }

    SCounts Counts() const
    {
        return {dlg->GetToolBar()->GetRefreshCount(),      dlg->GetTargetSelect()->GetRefreshCount(),
                dlg->GetSenderSelect()->GetRefreshCount(), dlg->GetMainView()->GetRefreshCount(),
                dlg->GetHScroll()->GetRefreshCount(),      dlg->GetVScroll()->GetRefreshCount()};
    }

    CTestHost host;
    IQuarnLabel* page = nullptr;
    CLabelMonitorDlg* dlg = nullptr;
};

// The windows whose parent is wnd, in creation order.
std::vector<const CWnd*> ChildWindowsOf(const CWnd& wnd)
{
    std::vector<const CWnd*> children;
    for (QObject* child : plat::NativeWidget(&wnd)->children())
        if (auto* widget = qobject_cast<QWidget*>(child))
            if (const CWnd* owner = plat::WindowFromWidget(widget); owner && owner != &wnd)
                children.push_back(owner);
    return children;
}

std::vector<const CWnd*> Panes(const CLabelMonitorDlg& dlg)
{
    return {dlg.GetToolBar(), dlg.GetTargetSelect(), dlg.GetSenderSelect(),
            dlg.GetVScroll(), dlg.GetHScroll(),      dlg.GetMainView()};
}

} // namespace

TEST_F(PageTest, SixPanesAreChildWindowsOfTheirTemplatesInCreationOrder)
{
    const std::vector<UINT> templates = {2008, 2012, 2011, 142, 142, 2010};
    const std::vector<const CWnd*> panes = Panes(*dlg);
    EXPECT_EQ(panes, ChildWindowsOf(*dlg));
    for (std::size_t i = 0; i < panes.size(); ++i) {
        ASSERT_NE(nullptr, panes[i]);
        EXPECT_TRUE(panes[i]->IsWindow()) << i;
        EXPECT_EQ(dlg, panes[i]->GetParent()) << i;
        EXPECT_EQ(templates[i], static_cast<const CMorvBaseDlg*>(panes[i])->GetTemplateId()) << i;
        EXPECT_FALSE(panes[i]->GetWindowRect().IsRectEmpty()) << i;
    }
    EXPECT_EQ(CScrollBarDlg::kVertical, dlg->GetVScroll()->GetOrientation());
    EXPECT_EQ(CScrollBarDlg::kHorizontal, dlg->GetHScroll()->GetOrientation());
    EXPECT_EQ(dlg->GetSenderSelect(), g_pModuleData->GetSenderPanel());
}

TEST_F(PageTest, PanesAreShownByTheLayout)
{
    host.Area().ShowWindow(SW_SHOW);
    for (const CWnd* pane : Panes(*dlg))
        EXPECT_TRUE(pane->IsWindowVisible());
}

TEST_F(PageTest, LayoutAtDensity150)
{
    EXPECT_EQ(CRect(375, 48, 1086, 779), RectInPage(*dlg, *dlg->GetMainView()));
    EXPECT_EQ(CRect(1086, 48, 1107, 779), RectInPage(*dlg, *dlg->GetVScroll()));
    EXPECT_EQ(CRect(375, 779, 1107, 800), RectInPage(*dlg, *dlg->GetHScroll()));
    EXPECT_EQ(CRect(375, 0, 1200, 48), RectInPage(*dlg, *dlg->GetToolBar()));
    EXPECT_EQ(CRect(1107, 48, 1200, 800), RectInPage(*dlg, *dlg->GetTargetSelect()));
    EXPECT_EQ(CRect(0, 0, 375, 800), RectInPage(*dlg, *dlg->GetSenderSelect()));

    g_pModuleData->SetSenderPanelExpanded(0);
    EXPECT_EQ(1, page->Update(0, 0, 1));
    EXPECT_EQ(49, RectInPage(*dlg, *dlg->GetMainView()).left);
    EXPECT_EQ(CRect(0, 0, 49, 800), RectInPage(*dlg, *dlg->GetSenderSelect()));
}

TEST_F(PageTest, UpdateWithoutRelayoutDoesNotMovePanes)
{
    page->MoveTo({0, 0, 900, 600});
    page->Update(-1, 0, 0);
    EXPECT_EQ(CRect(375, 48, 1086, 779), RectInPage(*dlg, *dlg->GetMainView()));
    page->Update(0, 0, 1);
    EXPECT_EQ(CRect(375, 48, 900 - 93 - 21, 600 - 21), RectInPage(*dlg, *dlg->GetMainView()));
}

TEST_F(PageTest, ToolbarMaskRefreshesOnlyTheToolbar)
{
    const SCounts before = Counts();
    EXPECT_EQ(1, page->Update(0x4000, 0, 0));
    SCounts expected = before;
    ++expected.toolbar;
    EXPECT_EQ(expected, Counts());
}

TEST_F(PageTest, MaskOfAnotherPageRefreshesNothing)
{
    const SCounts before = Counts();
    EXPECT_EQ(1, page->Update(0x2000, 0, 0));
    EXPECT_EQ(before, Counts());
}

TEST_F(PageTest, EachBitRefreshesItsPane)
{
    SCounts expected = Counts();
    page->Update(0x8000, 0, 0);
    ++expected.target;
    EXPECT_EQ(expected, Counts());
    page->Update(0x10000, 0, 0);
    ++expected.view;
    EXPECT_EQ(expected, Counts());
    page->Update(0x80000, 0, 0);
    ++expected.hscroll;
    EXPECT_EQ(expected, Counts());
    page->Update(0x100000, 0, 0);
    ++expected.vscroll;
    EXPECT_EQ(expected, Counts());
    page->Update(0x200000, 0, 0);
    ++expected.panel;
    EXPECT_EQ(expected, Counts());
    page->Update(-1, 0, 0);
    expected = {expected.toolbar + 1, expected.target + 1, expected.panel + 1,
                expected.view + 1,    expected.hscroll + 1, expected.vscroll + 1};
    EXPECT_EQ(expected, Counts());
}

TEST_F(PageTest, FirstRefreshTellsTheSenderPanelSo)
{
    // Creation refreshed the panel twice: texts set (1), then the first refresh (0).
    EXPECT_EQ(0, dlg->GetSenderSelect()->GetLastRefreshNotify());
    EXPECT_EQ(1, dlg->IsInitialised());
    page->Update(0x200000, 0, 0);
    EXPECT_EQ(1, dlg->GetSenderSelect()->GetLastRefreshNotify());
}

TEST_F(PageTest, FirstActivationLeavesDemarcationLaterOnesEndIt)
{
    g_pModuleData->SetDemarcationKey(1, 2, 3);
    g_pModuleData->SetDemarcationOn(1);
    sim::ClearCallLog();
    const SCounts before = Counts();
    EXPECT_EQ(1, page->Activate());
    EXPECT_EQ(0, dlg->IsInitialised());
    EXPECT_EQ(1, g_pModuleData->GetDemarcationOn());
    EXPECT_EQ(0x01020003u, g_pModuleData->GetDemarcationKey());
    EXPECT_EQ(0, sim::CountCalls("IReceiverLogic::SetDemarcationDisplay"));
    // 0x39E000 names every pane.
    EXPECT_EQ((SCounts{before.toolbar + 1, before.target + 1, before.panel + 1, before.view + 1,
                       before.hscroll + 1, before.vscroll + 1}),
              Counts());

    EXPECT_EQ(1, page->Activate());
    EXPECT_EQ(0, g_pModuleData->GetDemarcationOn());
    EXPECT_EQ(0xFFFFFFFFu, g_pModuleData->GetDemarcationKey());
    EXPECT_EQ(1, sim::CountCalls("IReceiverLogic::SetDemarcationDisplay"));
}

TEST_F(PageTest, MoveToMovesThePageWithoutLayingOutThePanes)
{
    page->MoveTo({10, 20, 610, 420});
    CRect inArea = dlg->GetWindowRect();
    const CRect area = host.Area().GetWindowRect();
    inArea.OffsetRect(-area.left, -area.top);
    EXPECT_EQ(CRect(10, 20, 610, 420), inArea);
    EXPECT_EQ(CRect(375, 48, 1086, 779), RectInPage(*dlg, *dlg->GetMainView()));
}

TEST_F(PageTest, MoveToAfterReleaseDoesNothing)
{
    // A second page object of its own, not the module's page.
    auto* other = new CLabelMonitorDlg;
    ASSERT_TRUE(other->Create(kLabelMonitorTemplate, &host.Area()));
    other->MoveTo({0, 0, 300, 200});
    EXPECT_EQ(300, other->GetClientRect().Width());   // moves while the page exists
    page->Release();
    ASSERT_EQ(nullptr, g_pLabelDlg);
    other->MoveTo({0, 0, 500, 400});
    EXPECT_EQ(CRect(0, 0, 300, 200), other->GetClientRect());
    delete other;
}

TEST_F(PageTest, ShowAnswersThePreviousVisibility)
{
    host.Area().ShowWindow(SW_SHOW);
    EXPECT_EQ(1, page->IsShown());
    EXPECT_EQ(1, page->Show(0));
    EXPECT_EQ(0, page->IsShown());
    EXPECT_EQ(0, page->Show(0));
    EXPECT_EQ(0, page->Show(1));
    EXPECT_EQ(1, page->IsShown());
}

TEST_F(PageTest, ReservedSlotsAnswerTheirFixedValues)
{
    const CRect rect = dlg->GetWindowRect();
    const SCounts counts = Counts();
    page->Reserved3();
    EXPECT_EQ(1, page->Reserved9());
    EXPECT_EQ(1, page->Reserved10());
    EXPECT_EQ(1, page->Reserved11("anything"));
    page->Reserved12();
    page->Reserved13();
    EXPECT_EQ(1, page->Reserved14(-7));
    page->Reserved15(3);
    EXPECT_EQ(1, page->Reserved16(1, 2));
    EXPECT_EQ(0, page->Reserved17(1, 2, 3, 4, 5));
    EXPECT_EQ(0, page->Reserved18(-1, -1, -1, -1));
    EXPECT_EQ(0, page->Reserved19(9, 9, 9, 9, 9));
    EXPECT_EQ(0, page->Reserved20(0, 0, 0, 0, 0));
    page->Reserved21(1);
    page->Reserved22();
    EXPECT_EQ(0, page->Reserved23());
    EXPECT_EQ(0, page->Reserved24(1, 2, 3, 4, 5, 6));
    EXPECT_EQ(0, page->Reserved25(1, 2, "text", 3, 4));
    page->Reserved26(1, 2, 3, 4, 5, 6);
    page->Reserved27(0x7FFFFFFF);
    page->Reserved28("a", 1, 2, 3, 4, "b");
    EXPECT_EQ(rect, dlg->GetWindowRect());
    EXPECT_EQ(counts, Counts());
    EXPECT_EQ(static_cast<IQuarnLabel*>(dlg), page);
}

TEST_F(PageTest, LanguageChangeRefreshesEveryPane)
{
    const SCounts before = Counts();
    EXPECT_EQ(1, page->ApplyLanguage());
    EXPECT_EQ((SCounts{before.toolbar + 1, before.target + 1, before.panel + 1, before.view + 1,
                       before.hscroll + 1, before.vscroll + 1}),
              Counts());
    page->ReloadImages();
    EXPECT_EQ(before.toolbar + 1, Counts().toolbar);
}

TEST_F(PageTest, TargetBlinkStartsTheTargetPanesTimer)
{
    EXPECT_FALSE(dlg->GetTargetSelect()->HasTimer(CTargetSelectDlg::kBlinkTimer));
    dlg->StartTargetBlink();
    EXPECT_TRUE(dlg->GetTargetSelect()->HasTimer(CTargetSelectDlg::kBlinkTimer));
}

TEST_F(PageTest, ReleaseTakesThePanesDown)
{
    EXPECT_FALSE(ChildWindowsOf(host.Area()).empty());
    page->Release();
    EXPECT_EQ(nullptr, g_pLabelDlg);
    EXPECT_EQ(nullptr, g_pModuleData->GetSenderPanel());
    EXPECT_TRUE(ChildWindowsOf(host.Area()).empty());
    // Releasing again does nothing.
    CLabelMonitorDlg().Release();
    EXPECT_EQ(nullptr, g_pLabelDlg);
}

TEST_F(PageTest, ToolbarPollTurnsNewDataIntoAWholePageRefresh)
{
    CToolBarDlg* bar = dlg->GetToolBar();
    EXPECT_TRUE(bar->HasTimer(CToolBarDlg::kDataPollTimer));
    g_pModuleData->OnMonitorDataUpdate();
    host.notifications.clear();
    // Monitoring off: the flag waits.
    bar->SendMessage(WM_TIMER, CToolBarDlg::kDataPollTimer, 0);
    EXPECT_TRUE(host.notifications.empty());
    sim::SetMonitorThreadState(true, false);
    bar->SendMessage(WM_TIMER, CToolBarDlg::kDataPollTimer, 0);
    ASSERT_EQ(1u, host.notifications.size());
    EXPECT_EQ(-1, host.notifications[0].mask);
    EXPECT_EQ(0, host.notifications[0].word2);
    // Taken once.
    bar->SendMessage(WM_TIMER, CToolBarDlg::kDataPollTimer, 0);
    EXPECT_EQ(1u, host.notifications.size());
    EXPECT_EQ(0, g_pModuleData->TakeNewDataFlag());
}

TEST(PageWithoutPanesTest, AnswersZeroUntilThePanesExist)
{
    CLabelMonitorDlg page;
    EXPECT_EQ(0, page.Update(-1, 0, 1));
    EXPECT_EQ(0, page.Update(0x4000, 0, 0));
    EXPECT_EQ(0, page.RefreshPanes(-1));
    EXPECT_EQ(0, page.LayoutPanes({0, 0, 100, 100}, 1));
    EXPECT_EQ(nullptr, page.GetToolBar());
    EXPECT_EQ(0, page.IsShown());
}

// ---- The panes' empty state ---------------------------------------------------------

namespace {

bool HasFill(const RecordingCanvas& dc, const CRect& rect, Color color)
{
    for (const DrawOp& op : dc.Ops())
        if (op.kind == DrawOp::Kind::FillRect && op.rect == rect && op.color == color)
            return true;
    return false;
}

} // namespace

TEST_F(PageTest, PanesPaintTheirBackgroundAndSeparators)
{
    const SSkinColors& colors = CMorvSkin::Instance().GetColors();
    RecordingCanvas dc;
    dlg->GetToolBar()->DrawTo(dc);
    const CRect bar = dlg->GetToolBar()->GetClientRect();
    EXPECT_TRUE(HasFill(dc, {0, bar.bottom - 2, bar.right, bar.bottom - 1}, colors.clrToolbarLine1));
    EXPECT_TRUE(HasFill(dc, {0, bar.bottom - 1, bar.right, bar.bottom}, colors.clrToolbarLine2));

    dc.Clear();
    dlg->GetMainView()->DrawTo(dc);
    EXPECT_TRUE(HasFill(dc, dlg->GetMainView()->GetClientRect(), RGBColor(241, 247, 255)));

    dc.Clear();
    dlg->GetTargetSelect()->DrawTo(dc);
    const CRect target = dlg->GetTargetSelect()->GetClientRect();
    EXPECT_TRUE(HasFill(dc, {0, 0, 1, target.bottom}, colors.clrGrid));

    dc.Clear();
    dlg->GetSenderSelect()->DrawTo(dc);
    const CRect panel = dlg->GetSenderSelect()->GetClientRect();
    EXPECT_TRUE(HasFill(dc, {panel.right - 1, 0, panel.right, panel.bottom}, colors.clrGrid));

    dc.Clear();
    dlg->GetVScroll()->DrawBar(dc);
    const CRect vbar = dlg->GetVScroll()->GetClientRect();
    EXPECT_TRUE(HasFill(dc, vbar, colors.clrBackground));
    EXPECT_TRUE(HasFill(dc, {0, 0, 1, vbar.bottom}, colors.clrGrid));

    dc.Clear();
    dlg->GetHScroll()->DrawBar(dc);
    const CRect hbar = dlg->GetHScroll()->GetClientRect();
    EXPECT_TRUE(HasFill(dc, {0, 0, hbar.right, 1}, colors.clrGrid));
}
