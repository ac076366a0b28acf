#include "view/view_menu.h"

#include "controls/pop_menu.h"
#include "host/host_enums.h"
#include "host/hwbridge_monitor.h"
#include "host/hwbridge_receiver.h"
#include "host/vistrano_language.h"
#include "host/vistrano_monitor.h"
#include "host/vistrano_project.h"
#include "module/host_notify.h"
#include "module/item_keys.h"
#include "module/module_data.h"
#include "module/module_globals.h"
#include "platform/format.h"
#include "view/sender_pair.h"

namespace {

// The relative position a side command sets (left 0, right 6, top 2,
// bottom 4), and whether a position already stands on that side (either
// value of the side's pair); -1 and false for other commands.
int SideCommandPosition(int command)
{
    switch (command) {
    case VIEW_CMD_LEFT: return 0;
    case VIEW_CMD_TOP: return 2;
    case VIEW_CMD_BOTTOM: return 4;
    case VIEW_CMD_RIGHT: return 6;
    default: return -1;
    }
}

bool IsOnCommandSide(int position, int command)
{
    const int side = SideCommandPosition(command);
    return side >= 0 && (position == side || position == side + 1);
}

// Side commands in menu order with their text keys.
constexpr struct {
    int nCommand;
    const char* pszKey;
} kSides[] = {
    {VIEW_CMD_LEFT, "Menu_LeftPosition"},
    {VIEW_CMD_RIGHT, "Menu_RightPosition"},
    {VIEW_CMD_TOP, "Menu_TopPosition"},
    {VIEW_CMD_BOTTOM, "Menu_BottomPosition"},
};

bool IsMonitoring() { return g_pMonitorThreadMgr && g_pMonitorThreadMgr->IsMonitoring(); }

std::string Text(const char* key, const char* section = "Monitoring") { return GetLanguageString(key, section); }

bool FeedsTiles(CSender& sender)
{
    for (int p = 0; p < sender.GetPortCount(); ++p)
        if (CPort* port = sender.GetPort(p); port && port->GetTilesCount() != 0)
            return true;
    return false;
}

bool IsDemarcated(const SViewHit& hit)
{
    return g_pModuleData->GetDemarcationOn()
        && g_pModuleData->GetDemarcationKey() == DemarcationKey(hit.nSender, hit.nPort, hit.nReceiver);
}

void AddBlockItems(const SViewHit& hit, CCusPopMenu& menu, SViewMenu& target)
{
    const std::optional<SSenderPair> pair = FindSenderPair(*g_pProjectData, hit.nSender);
    target.nSender = pair && pair->bSecond ? pair->Partner(hit.nSender) : hit.nSender;
    CSender* sender = g_pProjectData->GetSender(target.nSender);
    if (sender && FeedsTiles(*sender)) {
        CCusPopMenu& sides = menu.AppendSubMenu(Text("Menu_PlacePosition"));
        const int position = sender->GetMonitorRenderRelativePos();
        for (const auto& side : kSides)
            sides.AppendMenu(IsOnCommandSide(position, side.nCommand) ? MF_CHECKED : MF_STRING, side.nCommand,
                             Text(side.pszKey));
    }
    // Either member of a pair of two senders can swap places with the other.
    if (pair && PairPartnerOf(*g_pProjectData, hit.nSender) >= 0) {
        const std::string other = Text(pair->bSecond ? "Menu_SourceDevice" : "Menu_BackupDevice");
        menu.AppendMenu(MF_STRING, VIEW_CMD_EXCHANGE, plat::Format(Text("Menu_ExchangePosition"), other));
    }
}

bool SetSide(int command, int senderIndex)
{
    CSender* sender = g_pProjectData->GetSender(senderIndex);
    if (!sender || IsOnCommandSide(sender->GetMonitorRenderRelativePos(), command))
        return false;
    sender->SetMonitorRenderRelativePos(SideCommandPosition(command));
    sender->ResetMonitorRenderParam(0);
    if (CSender* other = g_pProjectData->GetSender(PairPartnerOf(*g_pProjectData, senderIndex)))
        other->ResetMonitorRenderParam(0);
    MarkProjectModified();
    return true;
}

bool Exchange(int senderIndex)
{
    const int partner = PairPartnerOf(*g_pProjectData, senderIndex);
    CSender* a = g_pProjectData->GetSender(senderIndex);
    CSender* b = g_pProjectData->GetSender(partner);
    if (!a || !b)
        return false;
    const int position = a->GetMonitorRenderRelativePos();
    a->SetMonitorRenderRelativePos(b->GetMonitorRenderRelativePos());
    b->SetMonitorRenderRelativePos(position);
    a->ResetMonitorRenderParam(0);
    b->ResetMonitorRenderParam(0);
    MarkProjectModified();
    return true;
}

bool Demarcate(const SViewHit& hit)
{
    if (!IsMonitoring())
        return false;
    if (g_pMonitorLogic)
        g_pMonitorLogic->PauseMonitor();
    const bool wasThis = IsDemarcated(hit);
    g_pModuleData->SetDemarcationOn(0);
    if (!wasThis) {
        g_pModuleData->SetDemarcationKey(hit.nSender, hit.nPort, hit.nReceiver);
        g_pModuleData->SetDemarcationOn(1);
        if (g_pReceiverLogic)
            g_pReceiverLogic->MarkReceiver(hit.nSender, hit.nPort, hit.nReceiver, 1);
    }
    if (g_pMonitorLogic)
        g_pMonitorLogic->ResumeMonitor();
    return true;
}

} // namespace

bool BuildViewMenu(const SViewHit& hit, CCusPopMenu& menu, SViewMenu& target)
{
    target = {hit, -1};
    if (!g_pProjectData || !g_pModuleData || !g_pProjectData->GetSender(hit.nSender))
        return false;
    const int renderType = g_pModuleData->GetCurrentObject().nRenderType;
    if (hit.nKind == VIEW_HIT_SENDER && IsReceiverTarget(renderType))
        AddBlockItems(hit, menu, target);
    else if (hit.nKind == VIEW_HIT_RECEIVER && IsMonitoring() && g_pReceiverLogic
             && g_pReceiverLogic->IsRcvMarkable(hit.nSender, hit.nPort, hit.nReceiver))
        menu.AppendMenu(IsDemarcated(hit) ? MF_CHECKED : MF_STRING, VIEW_CMD_DEMARCATE,
                        Text("ToolBar_Demarcate", "ToolBar"));
    return menu.GetItemCount() > 0;
}

bool RunViewCommand(int command, const SViewMenu& target)
{
    // A sender removed since the menu was built is left alone.
    if (!g_pProjectData || !g_pModuleData || !g_pProjectData->GetSender(target.hit.nSender))
        return false;
    switch (command) {
    case VIEW_CMD_LEFT:
    case VIEW_CMD_RIGHT:
    case VIEW_CMD_TOP:
    case VIEW_CMD_BOTTOM: return SetSide(command, target.nSender);
    case VIEW_CMD_EXCHANGE: return Exchange(target.hit.nSender);
    case VIEW_CMD_DEMARCATE: return Demarcate(target.hit);
    default: return false;
    }
}
