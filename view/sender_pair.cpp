#include "view/sender_pair.h"

#include "host/vistrano_project.h"

std::optional<SSenderPair> FindSenderPair(CProjectData& project, int sender)
{
    CSender* s = project.GetSender(sender);
    for (int p = 0; s && p < s->GetPortCount(); ++p) {
        SSenderPair pair;
        if (project.MatchSrcBackup(sender, p, pair.nSource, pair.nBackup, pair.bSecond))
            return pair;
    }
    return std::nullopt;
}

int PairPartnerOf(CProjectData& project, int sender)
{
    const std::optional<SSenderPair> pair = FindSenderPair(project, sender);
    const int partner = pair ? pair->Partner(sender) : -1;
    return partner == sender ? -1 : partner;
}

bool IsFiberSender(CProjectData& project, int sender)
{
    const CSender* s = project.GetSender(sender);
    return s && s->GetFiberPortCount() > 0;
}
