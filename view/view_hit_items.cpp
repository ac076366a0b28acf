#include "view/view_hit_items.h"

#include "host/host_enums.h"
#include "host/vistrano_project.h"
#include "host/vistrano_warning.h"
#include "module/module_data.h"
#include "view/sender_pair.h"
#include "view/view_records.h"

namespace {

class CCollector {
public:
    CCollector(const SHitScope& scope, const CModuleData& data, CProjectData& project)
        : m_scope(scope), m_data(data), m_project(project)
    {}

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

    // A fibre sender's block: each output's connector (the board's port),
    // the output (the board), then the block.
    void FiberBlock(int sender)
    {
        const int rt = m_scope.obj.nRenderType;
        for (int o = 0; o < CMonitorWarningData::kFiberOutputCount; ++o) {
            Add(VIEW_HIT_PORT, sender, o, 0, -1, m_data.GetLevelRectD(rt, sender, o));
            Add(VIEW_HIT_FIBER_BOARD, sender, o, -1, -1, m_data.GetLevelRectC(rt, sender, o));
        }
        Add(VIEW_HIT_SENDER, sender, -1, -1, -1, m_data.GetLevelRectA(rt, sender));
    }

    // A board drawn under its sender: its ports, then the board.
    void Board(int sender, int board)
    {
        for (int p = 0; p < kMaxBoardPorts; ++p)
            Add(VIEW_HIT_PORT, sender, board, p, -1, RecordedFiberBoardPort(m_data, m_scope.obj, sender, board, p));
        Add(VIEW_HIT_FIBER_BOARD, sender, board, -1, -1, m_data.GetItemRect(m_scope.obj, sender, board));
    }

    // Receivers of an Ethernet port (board -1) or of a board's port.
    void Receivers(int sender, int board, int port, int count)
    {
        const int d = board < 0 ? port : board;
        const int e = board < 0 ? 0 : port;
        for (int k = 0; k < count; ++k)
            Add(VIEW_HIT_RECEIVER, sender, board, port, k, RecordedReceiver(m_data, m_scope.obj, sender, d, e, k));
    }

    void Overview()
    {
        for (int sender : m_scope.shownSenders)
            if (CSender* s = m_project.GetSender(sender))
                IsFiberSender(m_project, sender) ? FiberBlock(sender) : BlockAndPorts(sender, *s);
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

    // One fibre sender: its boards with their ports, then its block. With
    // one board chosen (scope 3) only that board and its backup board with
    // their ports, and the receivers of the chosen board's port, which the
    // drawing lays out.
    void OneFiberSender(int sender)
    {
        CSender* s = m_project.GetSender(sender);
        const int boards = s ? s->GetFiberPortCount() : 0;
        if (m_scope.obj.nScope != TREE_NODE_PORT) {
            for (int b = 0; b < boards; ++b)
                Board(sender, b);
            FiberBlock(sender);
            return;
        }
        const int chosen = m_scope.obj.nPort;
        if (chosen < 0 || chosen >= boards)
            return;
        const int main = chosen % kBackupBoardOffset;
        for (int board : {main, main + kBackupBoardOffset})
            if (board < boards)
                Board(sender, board);
        if (CPort* port = s->GetFiberPort(chosen))
            Receivers(sender, chosen, 0, port->GetTilesCount());
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
    const bool overview = obj.nScope <= TREE_NODE_GROUP || scope.shownSenders.size() >= 2;
    if (overview)
        collect.Overview();
    else if (!scope.shownSenders.empty() && IsFiberSender(project, scope.shownSenders.front()))
        collect.OneFiberSender(scope.shownSenders.front());
    else if (!scope.shownSenders.empty())
        collect.OneSender(scope.shownSenders.front());
    return collect.Take();
}
