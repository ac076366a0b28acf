// The view's mouse work on what the view really drew: the hover timer,
// clicks, double clicks and tooltips at the rectangles the drawing
// recorded, through the pane's own message road.
#include "controls/button_bar.h"
#include "controls/modal.h"
#include "host/host_enums.h"
#include "host/vistrano_project.h"
#include "host/vistrano_runtime.h"
#include "host/vistrano_show.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "module/update_mask.h"
#include "sim/hardware.h"
#include "sim/project_gen.h"
#include "view/main_view_dlg.h"
#include "view/view_records.h"
#include "view/view_render.h"
#include "view/view_tips.h"
#include "view_fixture.h"

#include <QToolTip>

#include <algorithm>

namespace {

class ViewInputTest : public ViewTest {
protected:
    // A recorded rectangle's centre in the view's client coordinates.
    CPoint Client(const CRect& content) const
    {
        EXPECT_FALSE(content.IsRectEmpty());
        return content.CenterPoint() - g_pRuntimeData->GetDesignBackground()->GetViewStartPt();
    }
    LRESULT Send(UINT message, WPARAM wParam, const CPoint& pt)
    {
        return View().DeliverMessage(message, wParam, MAKELPARAM(pt.x, pt.y));
    }
    // The mouse rests at a point: the hover notification, then pane timer 1.
    void Rest(const CPoint& pt)
    {
        CPoint screen = pt;
        View().ClientToScreen(screen);
        plat::SetCursorPos(screen);
        Send(WM_MOUSEHOVER, 0, pt);
        EXPECT_TRUE(View().HasTimer(CViewMouse::kHoverTimer));
        View().DeliverMessage(WM_TIMER, CViewMouse::kHoverTimer, 0);
        EXPECT_FALSE(View().HasTimer(CViewMouse::kHoverTimer));
    }
    std::vector<int32_t> Masks() const
    {
        std::vector<int32_t> masks;
        for (const CTestHost::SNotify& n : host.notifications)
            masks.push_back(n.mask);
        return masks;
    }
};

} // namespace

TEST_F(ViewInputTest, RestingOnAPortStoresItsHoverKeyOnceAndAnotherPortAgain)
{
    Open(Walls(1, 4, 6, 64));
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 0);
    host.notifications.clear();
    Rest(Client(g_pModuleData->GetLevelRectC(RENDER_RECEIVER, 0, 2)));
    EXPECT_EQ(0x00000002u, g_pModuleData->GetHoverKey());
    EXPECT_EQ((std::vector<int32_t>{UPDATE_VIEW, UPDATE_LAYOUT_CHANGE}), Masks());
    Rest(Client(g_pModuleData->GetLevelRectC(RENDER_RECEIVER, 0, 2)));
    EXPECT_EQ(2u, host.notifications.size());  // the same port: nothing more

    Rest(Client(g_pModuleData->GetItemRect(g_pModuleData->GetCurrentObject(), 0, 3, 0, 1)));  // a receiver of port 3
    EXPECT_EQ(0x00000003u, g_pModuleData->GetHoverKey());
}

TEST_F(ViewInputTest, ClickOnAReceiverSetsTheHoverKeyAndOnNothingChangesNothing)
{
    Open(Walls(1, 4, 6, 64));
    Show(TREE_NODE_SENDER, RENDER_RECEIVER, 0);
    g_pModuleData->SetHoverKey(0x00000002);
    g_pModuleData->SetDemarcationKey(0, 1, 2);
    g_pModuleData->SetDemarcationOn(1);
    host.notifications.clear();
    const CRect client = View().GetClientRect();
    Send(WM_LBUTTONDOWN, MK_LBUTTON, {client.right - 2, client.bottom - 2});
    EXPECT_EQ(0x00000002u, g_pModuleData->GetHoverKey());
    EXPECT_EQ(1, g_pModuleData->GetDemarcationOn());
    EXPECT_TRUE(host.notifications.empty());

    Send(WM_LBUTTONDOWN, MK_LBUTTON, Client(g_pModuleData->GetItemRect(g_pModuleData->GetCurrentObject(), 0, 1, 0, 4)));
    EXPECT_EQ(0x00000001u, g_pModuleData->GetHoverKey());
    EXPECT_EQ(0, g_pModuleData->GetDemarcationOn());  // another receiver ends the demarcation
}

TEST_F(ViewInputTest, FibreAndEthernetSendersAnswerByTheirOwnKindWhereTheyWereDrawn)
{
    Open(sim::MakeSampleProject());
    constexpr int kTower = 4;   // the sample's fibre sender, beside Ethernet senders
    Show(TREE_NODE_ALL_SENDERS, RENDER_RECEIVER, 0);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Client(g_pModuleData->GetLevelRectD(RENDER_RECEIVER, kTower, 3)));
    EXPECT_EQ(0x04030000u, g_pModuleData->GetHoverKey());  // output 3's port: the fibre form
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Client(g_pModuleData->GetLevelRectC(RENDER_RECEIVER, 0, 1)));
    EXPECT_EQ(0x00000001u, g_pModuleData->GetHoverKey());

    // One board chosen: its receivers answer as its port's, and the port's
    // cabling path follows the hover.
    Show(TREE_NODE_PORT, RENDER_RECEIVER, kTower, 1);
    const auto pathLines = [this] {
        const std::vector<DrawOp> lines = OpsWith(Draw(), DrawOp::Kind::Line);
        return std::count_if(lines.begin(), lines.end(),
                             [](const DrawOp& op) { return op.pen.color == RGBColor(66, 132, 207); });
    };
    EXPECT_EQ(0, pathLines());
    const SCurrentObject obj = g_pModuleData->GetCurrentObject();
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Client(RecordedReceiver(*g_pModuleData, obj, kTower, 1, 0, 5)));
    EXPECT_EQ(0x04010000u, g_pModuleData->GetHoverKey());
    const int receivers = g_pProjectData->GetSender(kTower)->GetFiberPort(1)->GetTilesCount();
    EXPECT_EQ(3 * receivers, pathLines());  // a line and two arrowhead sides per receiver
}

TEST_F(ViewInputTest, DoubleClickInTheGridDrillsDownFromTheStartOfTheDesign)
{
    Open(Walls(3, 2, 4, 64));
    struct {
        bool port;
        int sender, renderType;
    } const cases[] = {{false, 2, RENDER_SENDER_BLOCKS}, {true, 1, RENDER_RECEIVER}};
    for (const auto& c : cases) {
        Show(TREE_NODE_ALL_SENDERS, RENDER_BLOCK_GRID, 0);
        g_pRuntimeData->GetDesignBackground()->SetViewStartPt({5, 5}, 0, {1920, 1080});
        const CRect target = c.port ? g_pModuleData->GetLevelRectC(RENDER_BLOCK_GRID, c.sender, 0)
                                    : g_pModuleData->GetLevelRectA(RENDER_BLOCK_GRID, c.sender);
        host.notifications.clear();
        Send(WM_LBUTTONDBLCLK, MK_LBUTTON, Client(target));
        const SCurrentObject obj = g_pModuleData->GetCurrentObject();
        EXPECT_EQ(c.renderType, obj.nRenderType) << c.port;
        EXPECT_EQ(c.sender, obj.nSender) << c.port;
        EXPECT_EQ(c.sender, g_pProjectData->GetCurSenderIndex()) << c.port;
        EXPECT_EQ(CPoint(0, 0), g_pRuntimeData->GetDesignBackground()->GetViewStartPt()) << c.port;
        EXPECT_EQ((std::vector<int32_t>{UPDATE_ACTIVATE_NO_PANEL}), Masks()) << c.port;
    }
}

TEST_F(ViewInputTest, TooltipsNameTheBlockAndShowAReceiversWarningsWhileMonitoring)
{
    Open(Walls(1, 2, 6, 96));
    Show(TREE_NODE_SENDER, RENDER_TEMPERATURE, 0);
    const CPoint block = Client(g_pModuleData->GetLevelRectA(RENDER_TEMPERATURE, 0));
    Send(WM_MOUSEMOVE, 0, block);
    EXPECT_EQ(SenderDisplayName(*g_pProjectData, 0), QToolTip::text().toStdString());

    ASSERT_TRUE(sim::InjectReceiverFault(0, 1, 2, sim::ReceiverFault::OverTemperature));
    Monitor();
    Send(WM_MOUSEMOVE, 0, Client(g_pModuleData->GetItemRect(g_pModuleData->GetCurrentObject(), 0, 1, 0, 2)));
    std::string expected;
    {
        CModuleDataLock lock(*g_pModuleData);
        expected = g_pModuleData->GetTipsData().GetRcvWarningStr(RENDER_TEMPERATURE, 0, 1, 2);
    }
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(expected, QToolTip::text().toStdString());

    // The same receiver's warnings are not shown once monitoring is off.
    SMonitorShow show;
    STipSource source{&g_pModuleData->GetTipsData(), &show, false, RENDER_TEMPERATURE};
    EXPECT_EQ("", ViewTipText({VIEW_HIT_RECEIVER, 0, -1, 1, 2}, source, *g_pProjectData, *g_pModuleData));
    source.bMonitoring = true;
    EXPECT_EQ(expected, ViewTipText({VIEW_HIT_RECEIVER, 0, -1, 1, 2}, source, *g_pProjectData, *g_pModuleData));
}

TEST_F(ViewInputTest, NavigationOverlayHoversAndPicksASender)
{
    Open(Walls(3, 1, 4, 64));
    Show(TREE_NODE_ALL_SENDERS, RENDER_BLOCK_GRID, 0);
    g_pModuleData->SetNavigationOn(1);
    page->Update(-1, 0, 0);
    const CPoint box = g_pModuleData->GetOverlayRect(2).CenterPoint();  // client coordinates
    ASSERT_FALSE(g_pModuleData->GetOverlayRect(2).IsRectEmpty());
    host.notifications.clear();
    Send(WM_MOUSEMOVE, 0, box);
    EXPECT_EQ(2, g_pModuleData->GetHoveredSender());
    Send(WM_MOUSEMOVE, 0, box + CPoint(1, 0));  // still on it: no second refresh
    EXPECT_EQ((std::vector<int32_t>{UPDATE_ALL}), Masks());

    Send(WM_LBUTTONDOWN, MK_LBUTTON, box);
    EXPECT_EQ(-1, g_pModuleData->GetHoveredSender());
    EXPECT_EQ(2, g_pProjectData->GetCurSenderIndex());
    EXPECT_EQ(RENDER_RECEIVER, g_pModuleData->GetCurrentObject().nRenderType);
    EXPECT_EQ((std::vector<int32_t>{UPDATE_ALL, UPDATE_ALL}), Masks());
}

TEST_F(ViewInputTest, TheVideoInputButtonOpensTheSendersVideoInputSettings)
{
    Open(Walls(2, 1, 4, 64));
    g_pProjectData->SetCurrentSender(1);
    Show(TREE_NODE_SENDER, RENDER_SINGLE_SENDER, 1);
    const SBarItem* button = View().GetInputBar()->GetItem(0);
    ASSERT_NE(nullptr, button);
    ASSERT_TRUE(button->bVisible);
    CModalScript::Instance().SetMode(CModalScript::EMode::Scripted);
    CModalScript::Instance().EndDialog(2);
    const CPoint centre = button->rect.CenterPoint();
    Send(WM_LBUTTONDOWN, MK_LBUTTON, centre);
    Send(WM_LBUTTONUP, 0, centre);
    const SModalRecord* dialog = CModalScript::Instance().Last(EModalKind::Dialog);
    const UINT shown = dialog ? dialog->nTemplateId : 0;
    CModalScript::Instance().Reset();
    EXPECT_EQ(2024u, shown);  // the video input settings
}
