#include "panes/sender_panel_rules.h"

#include "host/host_enums.h"
#include "host/vistrano_project.h"

#include <algorithm>

SPanelButtonStates PanelButtonStates(const SPanelButtonInput& in)
{
    const bool room = in.nSenderCount < kMaxSenderCount;
    switch (in.nNodeType) {
    case TREE_NODE_ALL_SENDERS: return {!in.bDemoMode, false, false};
    case TREE_NODE_GROUP: return {!in.bDemoMode && room, !in.bDemoMode, !in.bDemoMode};
    case TREE_NODE_SENDER:
        return {!in.bDemoMode && room, in.nSelectedCount == 1 && in.bNameSettable, in.nSenderCount >= 2};
    default: return {};
    }
}

namespace {

SMenuEntry Command(unsigned id, const char* key, const char* section, const char* suffix = "")
{
    return {SMenuEntry::EKind::Command, id, key, section, suffix, 0};
}
SMenuEntry Separator() { return {SMenuEntry::EKind::Separator, 0, {}, {}, {}, 0}; }

void AddSenderEntries(std::vector<SMenuEntry>& out, int limit, unsigned one, unsigned two, unsigned custom)
{
    if (limit > 0)
        out.push_back(Command(one, "AddOneSender", "Common"));
    if (limit > 1)
        out.push_back(Command(two, "AddTwoSenders", "Common"));
    if (limit > 0)
        out.push_back(Command(custom, "CustomAdd", "Common", "..."));
}

} // namespace

std::vector<SMenuEntry> AddMenuEntries(bool allSendersNode, int limit)
{
    std::vector<SMenuEntry> out;
    if (allSendersNode)
        out.push_back(Command(kCmdAddGroup, "SenderGroupAdd", "Layout"));
    if (limit > 0)
        out.push_back(Separator());
    AddSenderEntries(out, limit, kCmdAddOne, kCmdAddTwo, kCmdAddCustom);
    return out;
}

std::vector<SMenuEntry> ContextMenuEntries(const SContextMenuInput& in)
{
    std::vector<SMenuEntry> out;
    const bool all = in.nNodeType == TREE_NODE_ALL_SENDERS;
    if (all && !in.bDemoMode) {
        out.push_back(Command(kCmdAddGroup, "AddSenderGroup", "Common"));
        if (in.nLimit > 0)
            out.push_back(Separator());
    }
    if (!in.bDemoMode && !in.bSeveral)
        AddSenderEntries(out, in.nLimit, kCmdMenuAddOne, kCmdMenuAddTwo, kCmdMenuAddCustom);
    if (all && in.bPortOutput) {
        out.push_back(Separator());
        out.push_back({SMenuEntry::EKind::SubMenu, 0, "PortOutput", "Monitoring", {}, 0});
        for (SMenuEntry e :
             {Command(kCmdPortAuto, "Auto", "Common"), Command(kCmdPortPrimary, "OnlyPrimaryOutput", "Monitoring"),
              Command(kCmdPortBackup, "OnlyBackupOutput", "Monitoring")}) {
            e.nDepth = 1;
            out.push_back(e);
        }
    }
    if (in.nNodeType == TREE_NODE_GROUP && !in.bSeveral) {
        out.push_back(Separator());
        out.push_back(Command(kCmdRename, "Rename", "Common"));
        out.push_back(Command(kCmdDelete, "Delete", "Common"));
    }
    if (in.nNodeType == TREE_NODE_SENDER) {
        out.push_back(Separator());
        if (!in.bSeveral)
            out.push_back(Command(kCmdRename, "Rename", "Common"));
        if (in.nSenderCount > 1) {
            if (in.bSeveral) {
                out.push_back(Command(kCmdAddGroup, "AddSenderGroup", "Common"));
                out.push_back(Separator());
            }
            out.push_back(Command(kCmdDelete, "Delete", "Common"));
        }
    }
    return out;
}

int AddCountOfCommand(unsigned id)
{
    switch (id) {
    case kCmdAddOne:
    case kCmdMenuAddOne: return 1;
    case kCmdAddTwo:
    case kCmdMenuAddTwo: return 2;
    case kCmdAddCustom:
    case kCmdMenuAddCustom: return -1;
    default: return 0;
    }
}

std::vector<uint8_t> PortOutputMask(int mode, int portCount, bool doubled, const std::vector<bool>& backupDest)
{
    const int total = std::max(0, doubled ? 2 * portCount : portCount);
    std::vector<uint8_t> mask(static_cast<std::size_t>((total + 7) / 8), 0);
    for (int p = 0; p < total; ++p) {
        const auto k = static_cast<std::size_t>(p);
        const bool primary = p < portCount && !(k < backupDest.size() && backupDest[k]);
        const bool off = (mode == PortOutputPrimary && !primary) || (mode == PortOutputBackup && primary);
        if (off)
            mask[k / 8] = static_cast<uint8_t>(mask[k / 8] | (1u << (k % 8)));
    }
    return mask;
}

std::vector<uint8_t> VideoSourcePortMask(int portCount, const std::vector<uint8_t>& mask)
{
    const auto n = static_cast<uint16_t>(std::clamp(portCount, 0, 0xFFFF));
    std::vector<uint8_t> out(mask.size() + 2);
    out[0] = static_cast<uint8_t>(n & 0xFF);
    out[1] = static_cast<uint8_t>(n >> 8);
    std::copy(mask.begin(), mask.end(), out.begin() + 2);
    return out;
}
