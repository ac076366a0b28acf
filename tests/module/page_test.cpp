// The page through IQuarnLabel: its panes and their places, activation,
// moving, showing and the host's shortcuts.
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

TEST_F(PageTest, SixPanesInCreationOrderPlacedByTheLayoutMovedOnRelayoutAndShown)
{
    const std::vector<UINT> templates = {2008, 2012, 2011, 142, 142, 2010};
    const std::vector<const CWnd*> panes = Panes(*dlg);
    EXPECT_EQ(panes, ChildWindowsOf(*dlg));
    for (std::size_t i = 0; i < panes.size(); ++i) {
        ASSERT_NE(nullptr, panes[i]);
        EXPECT_TRUE(panes[i]->IsWindow() && dlg == panes[i]->GetParent()) << i;
        EXPECT_EQ(templates[i], static_cast<const CMorvBaseDlg*>(panes[i])->GetTemplateId()) << i;
        EXPECT_FALSE(panes[i]->GetWindowRect().IsRectEmpty()) << i;
    }
    EXPECT_EQ(CScrollBarDlg::kVertical, dlg->GetVScroll()->GetOrientation());
    EXPECT_EQ(CScrollBarDlg::kHorizontal, dlg->GetHScroll()->GetOrientation());
    EXPECT_EQ(dlg->GetSenderSelect(), g_pModuleData->GetSenderPanel());
    EXPECT_TRUE(dlg->GetTargetSelect()->HasTimer(CTargetSelectDlg::kBlinkTimer));

    // The panes stand where the layout places them (EPane order); MoveTo
    // moves the page only, the panes move when the host asks for a layout.
    const std::vector<const CWnd*> placed = {panes[0], panes[1], panes[2], panes[5], panes[3], panes[4]};
    for (int expanded : {1, 0}) {
        g_pModuleData->SetSenderPanelExpanded(expanded);
        EXPECT_EQ(1, page->Update(0, 0, 1));
        for (const SPanePlace& place : ComputePaneLayout(dlg->GetClientRect(), 1.5, expanded))
            EXPECT_EQ(place.rect, RectInPage(*dlg, *placed[static_cast<std::size_t>(place.ePane)])) << expanded;
    }
    g_pModuleData->SetSenderPanelExpanded(1);
    page->Update(0, 0, 1);
    const CRect view = RectInPage(*dlg, *dlg->GetMainView());
    page->MoveTo({10, 20, 610, 420});
    EXPECT_EQ(CRect(10, 20, 610, 420), RectInPage(host.Area(), *dlg));
    page->Update(-1, 0, 0);
    EXPECT_EQ(view, RectInPage(*dlg, *dlg->GetMainView()));
    page->Update(0, 0, 1);
    EXPECT_EQ(CRect(375, 48, 600 - 93 - 21, 400 - 21), RectInPage(*dlg, *dlg->GetMainView()));

    // Show answers the previous visibility.
    host.Area().ShowWindow(SW_SHOW);
    EXPECT_EQ(1, page->IsShown());
    EXPECT_EQ((std::vector{1, 0, 0, 0, 1}),
              (std::vector{page->Show(0), page->IsShown(), page->Show(0), page->Show(1), page->IsShown()}));
}

TEST_F(PageTest, FirstActivationLeavesDemarcationLaterOnesEndIt)
{
    g_pModuleData->SetDemarcationKey(1, 2, 3);
    g_pModuleData->SetDemarcationOn(1);
    sim::ClearCallLog();
    for (const auto& [on, key, cleared] : {std::tuple{1, 0x01020003u, 0}, {0, 0xFFFFFFFFu, 1}}) {
        EXPECT_EQ(1, page->Activate());
        EXPECT_EQ(0, dlg->IsInitialised());
        EXPECT_EQ(std::tuple(on, key, cleared),
                  std::tuple(g_pModuleData->GetDemarcationOn(), g_pModuleData->GetDemarcationKey(),
                             sim::CountCalls("IReceiverLogic::SetDemarcationDisplay")));
    }
}

// Release takes the panes down; a page object released before it moves no more.
TEST_F(PageTest, ReleaseTakesThePanesDown)
{
    auto other = std::make_unique<CLabelMonitorDlg>();
    ASSERT_TRUE(other->Create(kLabelMonitorTemplate, &host.Area()));
    other->MoveTo({0, 0, 300, 200});
    EXPECT_EQ(300, other->GetClientRect().Width());
    EXPECT_FALSE(ChildWindowsOf(host.Area()).empty());
    page->Release();
    EXPECT_EQ(nullptr, g_pLabelDlg);
    other->MoveTo({0, 0, 500, 400});
    EXPECT_EQ(CRect(0, 0, 300, 200), other->GetClientRect());
    other.reset();
    EXPECT_EQ(nullptr, g_pModuleData->GetSenderPanel());
    EXPECT_TRUE(ChildWindowsOf(host.Area()).empty());
    CLabelMonitorDlg().Release();
    EXPECT_EQ(nullptr, g_pLabelDlg);
}

TEST_F(PageTest, ToolbarPollTurnsNewDataIntoAWholePageRefreshOnceWhileMonitoring)
{
    CToolBarDlg* bar = dlg->GetToolBar();
    EXPECT_TRUE(bar->HasTimer(CToolBarDlg::kDataPollTimer));
    g_pModuleData->OnMonitorDataUpdate();
    host.notifications.clear();
    bar->SendMessage(WM_TIMER, CToolBarDlg::kDataPollTimer, 0);
    EXPECT_TRUE(host.notifications.empty()) << "monitoring off: the flag waits";
    sim::SetMonitorThreadState(true, false);
    bar->SendMessage(WM_TIMER, CToolBarDlg::kDataPollTimer, 0);
    bar->SendMessage(WM_TIMER, CToolBarDlg::kDataPollTimer, 0);
    ASSERT_EQ(1u, host.notifications.size());
    EXPECT_EQ((std::pair{-1, 0}), (std::pair{host.notifications[0].mask, host.notifications[0].word2}));
    EXPECT_EQ(0, g_pModuleData->TakeNewDataFlag());
}

TEST_F(PageTest, HostShortcutsReachTheHostFromEveryPane)
{
    const std::tuple<int, Qt::KeyboardModifiers, const char*> cases[]
        = {{Qt::Key_Tab, Qt::ControlModifier, "SwitchLabel"},
           {Qt::Key_O, Qt::ControlModifier, "OpenProject()"},
           {Qt::Key_S, Qt::ControlModifier, "SaveProject"},
           {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier, "SaveProjectAs"},
           {Qt::Key_Tab, Qt::NoModifier, nullptr}, // null: the host is not asked
           {Qt::Key_S, Qt::NoModifier, nullptr},
           {Qt::Key_Tab, Qt::ControlModifier | Qt::AltModifier, nullptr},
           {Qt::Key_O, Qt::ControlModifier | Qt::MetaModifier, nullptr},
           {Qt::Key_P, Qt::ControlModifier, nullptr}};
    for (const CWnd* pane : Panes(*dlg)) {
        for (const auto& [key, modifiers, command] : cases) {
            host.commands.clear();
            for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent event(type, key, modifiers);
                QCoreApplication::sendEvent(plat::NativeWidget(pane), &event);
            }
            EXPECT_EQ(command ? std::vector<std::string>{command} : std::vector<std::string>{}, host.commands)
                << static_cast<const CMorvBaseDlg*>(pane)->GetTemplateId() << " key " << key << " modifiers "
                << modifiers.toInt();
        }
    }
}

TEST(PageWithoutPanesTest, AnswersZeroUntilThePanesExist)
{
    CLabelMonitorDlg page;
    EXPECT_EQ((std::vector{0, 0, 0, 0, 0}),
              (std::vector{page.Update(-1, 0, 1), page.Update(0x4000, 0, 0), page.RefreshPanes(-1),
                           page.LayoutPanes({0, 0, 100, 100}, 1), page.IsShown()}));
    EXPECT_EQ(nullptr, page.GetToolBar());
}
