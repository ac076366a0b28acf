// CRuntimeData and the project's undo record.
#include "design_background_service.h"
#include "host/vistrano_data.h"
#include "sim/call_log.h"
#include "world_state.h"

#include "platform/path.h"
#include "platform/shell.h"

#include <algorithm>

namespace sim {
namespace {

using detail::TheWorld;
using detail::WorldLock;

class UndoService final : public CProjectUndoRedo {
public:
    void PrjModify() override
    {
        Log("CProjectUndoRedo::PrjModify");
        WorldLock lock(TheWorld().mutex);
        ++TheWorld().modificationCount;
        TheWorld().modified = true;
    }
};

// Tree icons are images of the skin, in the program's image root.
std::string SkinImage(const char* name)
{
    return plat::JoinPath(plat::GetMainExecutableFolder(), std::string("Skin\\") + name);
}

class RuntimeService final : public CRuntimeData {
public:
    CDesignBackground* GetDesignBackground() override
    {
        Log("CRuntimeData::GetDesignBackground");
        return &m_design;
    }
    CProjectUndoRedo* GetUndoRedoInfo() override
    {
        Log("CRuntimeData::GetUndoRedoInfo");
        return &m_undo;
    }
    int GetCurInterfaceDlg() const override
    {
        Log("CRuntimeData::GetCurInterfaceDlg");
        return Read([](const detail::RuntimeState& r) { return r.curInterfaceDlg; });
    }
    int GetOpenPrjRefresh() const override
    {
        Log("CRuntimeData::GetOpenPrjRefresh");
        return Read([](const detail::RuntimeState& r) { return r.openPrjRefresh; });
    }
    void SetOpenPrjRefresh(int refresh) override
    {
        Log("CRuntimeData::SetOpenPrjRefresh", refresh);
        Write([&](detail::RuntimeState& r) { r.openPrjRefresh = refresh; });
    }
    int GetSpecialOpType() const override
    {
        Log("CRuntimeData::GetSpecialOpType");
        return Read([](const detail::RuntimeState& r) { return r.specialOpType; });
    }
    void SetSpecialOpType(int type) override
    {
        Log("CRuntimeData::SetSpecialOpType", type);
        Write([&](detail::RuntimeState& r) { r.specialOpType = type; });
    }
    int GetTreeCurSelNodeType() const override
    {
        Log("CRuntimeData::GetTreeCurSelNodeType");
        return Read([](const detail::RuntimeState& r) { return r.treeSelType; });
    }
    void SetTreeCurSelNodeType(int type) override
    {
        Log("CRuntimeData::SetTreeCurSelNodeType", type);
        Write([&](detail::RuntimeState& r) { r.treeSelType = type; });
    }
    int GetTreeCurSelNodeIndex() const override
    {
        Log("CRuntimeData::GetTreeCurSelNodeIndex");
        return Read([](const detail::RuntimeState& r) { return r.treeSelIndex; });
    }
    void SetTreeCurSelNodeIndex(int index) override
    {
        Log("CRuntimeData::SetTreeCurSelNodeIndex", index);
        Write([&](detail::RuntimeState& r) { r.treeSelIndex = index; });
    }
    SNodeSelect GetCurInterfaceNodeSelect() const override
    {
        Log("CRuntimeData::GetCurInterfaceNodeSelect");
        WorldLock lock(TheWorld().mutex);
        return TheWorld().runtime.nodeSelect;
    }
    void SetCurInterfaceNodeSelect(const SNodeSelect& s) override
    {
        Log("CRuntimeData::SetCurInterfaceNodeSelect", s.nNodeType, s.strGroupId, s.strSenderId, s.nPortIndex);
        Write([&](detail::RuntimeState& r) { r.nodeSelect = s; });
    }
    std::string GetItemImage(int nodeType, int flag1, int flag2, int flag3) const override
    {
        Log("CRuntimeData::GetItemImage", nodeType, flag1, flag2, flag3);
        switch (nodeType) {
        case TREE_NODE_SENDER:
            return SkinImage(flag3       ? "Monitor\\SenderStatus\\Warning.png"
                                 : flag1 ? "Monitor\\SenderStatus\\Online.png"
                                         : "Monitor\\SenderStatus\\Offline.png");
        case TREE_NODE_PORT:
            return SkinImage(flag3       ? "Monitor\\PortFrame\\Warning.png"
                                 : flag1 ? "Monitor\\PortFrame\\Normal.png"
                                         : "Monitor\\PortFrame\\UnKnown.png");
        default: return SkinImage("Monitor\\Sender\\Normal.png");
        }
    }
    void SetAddGroupId(int on, const std::string& groupId) override
    {
        Log("CRuntimeData::SetAddGroupId", on, groupId);
        Write([&](detail::RuntimeState& r) {
            r.addGroupOn = on;
            r.addGroupId = on ? groupId : std::string();
        });
    }
    int GetSenderCountLimit(int fixedAddress, int productKind, int detectedCount) const override
    {
        Log("CRuntimeData::GetSenderCountLimit", fixedAddress, productKind, detectedCount);
        // Product kind 1 drives a single sender; every other kind up to the project limit.
        const int cap = productKind == 1 ? 1 : kMaxSenderCount;
        WorldLock lock(TheWorld().mutex);
        return std::max(0, cap - static_cast<int>(TheWorld().project.senders.size()));
    }
    uint32_t GetSenderIDbyIndex(int i) const override
    {
        Log("CRuntimeData::GetSenderIDbyIndex", i);
        return SenderIdByIndex(i);
    }
    uint32_t GetSenderIDbyIndexForNotSpecifyIP(int i) const override
    {
        Log("CRuntimeData::GetSenderIDbyIndexForNotSpecifyIP", i);
        return SenderIdByIndexForNotSpecifyIP(i);
    }
    std::vector<uint32_t> GetSetIPArray() const override
    {
        Log("CRuntimeData::GetSetIPArray");
        WorldLock lock(TheWorld().mutex);
        return TheWorld().runtime.setIPs;
    }
    void UpdateIPArray() override
    {
        Log("CRuntimeData::UpdateIPArray");
        WorldLock lock(TheWorld().mutex);
        TheWorld().RebuildSetIPs();
    }

private:
    template <class F>
    static int Read(F f)
    {
        WorldLock lock(TheWorld().mutex);
        return f(TheWorld().runtime);
    }
    template <class F>
    static void Write(F f)
    {
        WorldLock lock(TheWorld().mutex);
        f(TheWorld().runtime);
    }

    detail::DesignBackgroundService m_design;
    UndoService m_undo;
};

} // namespace
} // namespace sim

CRuntimeData* GetRuntimeData()
{
    static sim::RuntimeService* service = new sim::RuntimeService;
    sim::Log("GetRuntimeData");
    return service;
}
