#include "view/view_tips.h"

#include "host/vistrano_language.h"
#include "host/vistrano_project.h"
#include "host/vistrano_show.h"
#include "module/module_data.h"
#include "platform/format.h"
#include "view/sender_pair.h"

namespace {

std::string SenderTip(const SViewHit& hit, const STipSource& source, CProjectData& project)
{
    const std::string name = SenderDisplayName(project, hit.nSender);
    std::string warning;
    if (source.bMonitoring && source.pShow && source.pTips)
        warning = IsFiberSender(project, hit.nSender)
            ? source.pTips->GetSenderFiberWarningStr(*source.pShow, hit.nSender)
            : source.pTips->GetSenderWarningStr(*source.pShow, hit.nSender);
    if (!name.empty() && !warning.empty())
        return plat::Format("%s \r\n %s", name, warning);
    return name.empty() ? warning : name;
}

// A backup port whose source is online speaks for the source's port.
SViewHit AsSourcePort(SViewHit hit, CProjectData& project, CModuleData& data)
{
    int source = -1, backup = -1, second = 0, partnerPort = -1;
    if (project.MatchSrcBackup(hit.nSender, hit.nPort, source, backup, second, &partnerPort) && second
        && source != hit.nSender && partnerPort >= 0 && data.IsSenderDetected(source)) {
        hit.nSender = source;
        hit.nPort = partnerPort;
    }
    return hit;
}

} // namespace

std::string SenderDisplayName(CProjectData& project, int sender)
{
    CSender* s = project.GetSender(sender);
    if (!s)
        return {};
    const std::string name = s->GetSenderName();
    return name.empty() ? plat::Format("%s%d", GetLanguageString("Processor", "Monitoring"), sender + 1) : name;
}

std::string ViewTipText(const SViewHit& hit, const STipSource& source, CProjectData& project, CModuleData& data)
{
    if (hit.nKind == VIEW_HIT_NONE || !project.GetSender(hit.nSender))
        return {};
    if (hit.nKind == VIEW_HIT_SENDER)
        return SenderTip(hit, source, project);
    if (!source.bMonitoring || !source.pTips)
        return {};
    const CMonitorTipsData& tips = *source.pTips;
    const int board = hit.nBoard >= 8 ? hit.nBoard - 8 : hit.nBoard;
    switch (hit.nKind) {
    case VIEW_HIT_FIBER_BOARD:
        return source.pShow ? tips.GetFiberPortWarningStr(*source.pShow, hit.nSender, board) : std::string();
    case VIEW_HIT_PORT:
        if (hit.nBoard >= 0)
            return source.pShow ? tips.GetFiberPortWarningStr(*source.pShow, hit.nSender, hit.nBoard, hit.nPort)
                                : std::string();
        {
            const SViewHit port = AsSourcePort(hit, project, data);
            return tips.GetPortWarningStr(source.nRenderType, port.nSender, port.nPort);
        }
    case VIEW_HIT_RECEIVER:
        if (hit.nBoard >= 0)
            return source.pShow
                ? tips.GetPortRcvWarningStr(*source.pShow, hit.nSender, hit.nBoard, hit.nPort, hit.nReceiver)
                : std::string();
        return tips.GetRcvWarningStr(source.nRenderType, hit.nSender, hit.nPort, hit.nReceiver);
    default: return {};
    }
}
