#include "view/view_hit_items.h"

#include "host/host_enums.h"
#include "host/vistrano_project.h"
#include "module/module_data.h"
#include "view/sender_pair.h"

namespace {

class CCollector {
public:
    CCollector(const SHitScope& scope, const CModuleData& data, CProjectData& project)
        : m_scope(scope), m_data(data), m_project(project)
    {
    }

    void Add(int32_t kind, int sender, int board, int port, int receiver, const CRect& rect)
    {
        m_items.push_back({{kind, sender, board, port, receiver}, rect});
    }

    // Each port and its connector, then the block. The ports stand inside
    // the block, so they are tried first or they could never be hit.
    void BlockAndPorts(int sender, CSender& s)
    {
        const int rt = m_scope.obj.nRenderType;
        for (int p = 0; p < s.GetPortCount(); ++p) {
            Add(VIEW_HIT_PORT, sender, -1, p, -1, m_data.GetLevelRectC(rt, sender, p));
            Add(VIEW_HIT_PORT, sender, -1, p, -1, m_data.GetLevelRectD(rt, sender, p));
        }
        Add(VIEW_HIT_SENDER, sender, -1, -1, -1, m_data.GetLevelRectA(rt, sender));
    }

    // A fibre sender's boards' ports, its boards, then its block.
    void FiberBlock(int sender, CSender& s)
    {
        for (int b = 0; b < s.GetFiberPortCount(); ++b)
            BoardPorts(sender, b);
        for (int b = 0; b < s.GetFiberPortCount(); ++b)
            Add(VIEW_HIT_FIBER_BOARD, sender, b, -1, -1, m_data.GetItemRect(m_scope.obj, sender, b));
        Add(VIEW_HIT_SENDER, sender, -1, -1, -1, m_data.GetLevelRectA(m_scope.obj.nRenderType, sender));
    }

    void BoardPorts(int sender, int board)
    {
        for (int p = 0; p < kMaxBoardPorts; ++p)
            Add(VIEW_HIT_PORT, sender, board, p, -1, m_data.GetItemRect(m_scope.obj, sender, board, p));
    }

    // Receivers of an Ethernet port (board -1) or of a board's port.
    void Receivers(int sender, int board, int port, int count)
    {
        const int d = board < 0 ? port : board;
        const int e = board < 0 ? 0 : port;
        for (int k = 0; k < count; ++k)
            Add(VIEW_HIT_RECEIVER, sender, board, port, k, m_data.GetItemRect(m_scope.obj, sender, d, e, k));
    }

    void Overview()
    {
        for (int sender : m_scope.shownSenders)
            if (CSender* s = m_project.GetSender(sender))
                m_scope.bFiber ? FiberBlock(sender, *s) : BlockAndPorts(sender, *s);
    }

    void OneSender(int sender)
    {
        const int partner = PairPartnerOf(m_project, sender);
        for (int member : {sender, partner}) {
            CSender* s = m_project.GetSender(member);
            if (!s)
                continue;
            BlockAndPorts(member, *s);
            for (int p = 0; p < s->GetPortCount(); ++p)
                if (CPort* port = s->GetPort(p))
                    Receivers(member, -1, p, port->GetTilesCount());
        }
    }

    // The selected board and its backup board: ports, then receivers of
    // the selected port.
    void FiberBoards(int sender)
    {
        CSender* s = m_project.GetSender(sender);
        if (!s)
            return;
        const int main = m_scope.obj.nPort % kBackupBoardOffset;
        for (int board : {main, main + kBackupBoardOffset})
            if (board < s->GetFiberPortCount())
                BoardPorts(sender, board);
        for (int board : {main, main + kBackupBoardOffset})
            if (CPort* port = board < s->GetFiberPortCount() ? s->GetFiberPort(board) : nullptr)
                for (int p = 0; p < kMaxBoardPorts; ++p)
                    if (!m_data.GetItemRect(m_scope.obj, sender, board, p).IsRectEmpty())
                        Receivers(sender, board, p, port->GetTilesCount());
    }

    std::vector<SHitItem> Take() { return std::move(m_items); }

private:
    const SHitScope& m_scope;
    const CModuleData& m_data;
    CProjectData& m_project;
    std::vector<SHitItem> m_items;
};

} // namespace

std::vector<SHitItem> CollectHitItems(const SHitScope& scope, const CModuleData& data, CProjectData& project)
{
    const SCurrentObject& obj = scope.obj;
    if (obj.bValid && obj.nRenderType == RENDER_SINGLE_SENDER)
        return {};
    CCollector collect(scope, data, project);
    const bool overview = obj.nScope <= 1 || scope.shownSenders.size() >= 2;
    if (overview)
        collect.Overview();
    else if (!scope.shownSenders.empty() && scope.bFiber && obj.nScope == 3)
        collect.FiberBoards(scope.shownSenders.front());
    else if (!scope.shownSenders.empty())
        collect.OneSender(scope.shownSenders.front());
    return collect.Take();
}
