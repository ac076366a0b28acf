// The page through IQuarnLabel: its panes and their places, activation,
// moving, showing, the reserved slots and the host's shortcuts. Which
// panes a mask refreshes is pane_layout_test's.
#include "controls/density.h"
#include "module/label_monitor_dlg.h"
#include "module/module_data.h"
#include "module/module_entry.h"
#include "module/module_globals.h"
#include "module/pane_layout.h"
#include "module_test_support.h"
#include "panes/scroll_bar_dlg.h"
#include "panes/sender_select_dlg.h"
#include "panes/target_select_dlg.h"
#include "panes/toolbar_dlg.h"
#include "platform/native_qt.h"
#include "sim/call_log.h"
#include "sim/monitor_feed.h"
#include "view/main_view_dlg.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

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

TEST_F(PageTest, PanesStandWhereTheLayoutPlacesThemAndMoveOnlyOnRelayout)
{
    const auto pane = [this](EPane which) -> const CWnd* {
        switch (which) {
        case EPane::ToolBar: return dlg->GetToolBar();
        case EPane::TargetSelect: return dlg->GetTargetSelect();
        case EPane::SenderPanel: return dlg->GetSenderSelect();
        case EPane::MainView: return dlg->GetMainView();
        case EPane::VScroll: return dlg->GetVScroll();
        case EPane::HScroll: return dlg->GetHScroll();
        }
        return nullptr;
    };
    for (int expanded : {1, 0}) {
        g_pModuleData->SetSenderPanelExpanded(expanded);
        EXPECT_EQ(1, page->Update(0, 0, 1));
        for (const SPanePlace& place : ComputePaneLayout(dlg->GetClientRect(), 1.5, expanded))
            EXPECT_EQ(place.rect, RectInPage(*dlg, *pane(place.ePane))) << static_cast<int>(place.ePane);
    }
    const CRect view = RectInPage(*dlg, *dlg->GetMainView());
    page->MoveTo({0, 0, 900, 600});
    page->Update(-1, 0, 0);
    EXPECT_EQ(view, RectInPage(*dlg, *dlg->GetMainView()));
    page->Update(0, 0, 1);
    EXPECT_EQ(CRect(49, 48, 900 - 93 - 21, 600 - 21), RectInPage(*dlg, *dlg->GetMainView()));
}

TEST_F(PageTest, FirstActivationLeavesDemarcationLaterOnesEndIt)
{
    g_pModuleData->SetDemarcationKey(1, 2, 3);
    g_pModuleData->SetDemarcationOn(1);
    sim::ClearCallLog();
    EXPECT_EQ(1, page->Activate());
    EXPECT_EQ(0, dlg->IsInitialised());
    EXPECT_EQ(1, g_pModuleData->GetDemarcationOn());
    EXPECT_EQ(0x01020003u, g_pModuleData->GetDemarcationKey());
    EXPECT_EQ(0, sim::CountCalls("IReceiverLogic::SetDemarcationDisplay"));

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
    EXPECT_EQ(300, other->GetClientRect().Width()); // moves while the page exists
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
    EXPECT_EQ(static_cast<IQuarnLabel*>(dlg), page);
}

TEST_F(PageTest, TargetBlinkStartsTheTargetPanesTimer)
{
    EXPECT_TRUE(dlg->GetTargetSelect()->HasTimer(CTargetSelectDlg::kBlinkTimer)) << "from the start";
    dlg->GetTargetSelect()->KillTimer(CTargetSelectDlg::kBlinkTimer);
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

TEST_F(PageTest, HostShortcutsReachTheHostFromEveryPane)
{
    struct SCase {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* command; // null: the host is not asked
    };
    const SCase cases[] = {
        {Qt::Key_Tab, Qt::ControlModifier, "SwitchLabel"},
        {Qt::Key_O, Qt::ControlModifier, "OpenProject()"},
        {Qt::Key_S, Qt::ControlModifier, "SaveProject"},
        {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier, "SaveProjectAs"},
        {Qt::Key_Tab, Qt::NoModifier, nullptr},
        {Qt::Key_S, Qt::NoModifier, nullptr},
        {Qt::Key_Tab, Qt::ControlModifier | Qt::AltModifier, nullptr},
        {Qt::Key_O, Qt::ControlModifier | Qt::MetaModifier, nullptr},
        {Qt::Key_P, Qt::ControlModifier, nullptr},
    };
    for (const CWnd* pane : Panes(*dlg)) {
        for (const SCase& c : cases) {
            host.commands.clear();
            QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers);
            QCoreApplication::sendEvent(plat::NativeWidget(pane), &press);
            QKeyEvent release(QEvent::KeyRelease, c.key, c.modifiers);
            QCoreApplication::sendEvent(plat::NativeWidget(pane), &release);
            const auto expected = c.command ? std::vector<std::string>{c.command} : std::vector<std::string>{};
            EXPECT_EQ(expected, host.commands) << static_cast<const CMorvBaseDlg*>(pane)->GetTemplateId() << " key "
                                               << c.key << " modifiers " << c.modifiers.toInt();
        }
    }
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
