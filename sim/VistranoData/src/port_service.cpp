// Ports, their port projects and their tile sets.
#include "sender_service.h"

#include "sim/call_log.h"
#include "world_state.h"

namespace sim::detail {

const PortModel* PortService::Model() const
{
    const SenderModel* s = TheWorld().SenderBySerial(m_serial);
    if (!s)
        return nullptr;
    const std::vector<PortModel>& list = m_fiber ? s->fiberPorts : s->ports;
    return m_index < static_cast<int>(list.size()) ? &list[static_cast<std::size_t>(m_index)] : nullptr;
}

CPortProject* PortService::GetPortProject()
{
    Log("CPort::GetPortProject", m_index);
    return this;
}

CTileSet* PortService::GetTileSet()
{
    Log("CPortProject::GetTileSet", m_index);
    return this;
}

int PortService::GetTilesCount() const
{
    Log("CPort::GetTilesCount", m_index);
    WorldLock lock(TheWorld().mutex);
    const PortModel* p = Model();
    return p ? static_cast<int>(p->receivers.size()) : 0;
}

int PortService::IsBackupDest() const
{
    Log("CPort::IsBackupDest", m_index);
    World& w = TheWorld();
    WorldLock lock(w.mutex);
    const SenderModel* s = w.SenderBySerial(m_serial);
    if (!s || !Model())
        return 0;
    // Fibre outputs 8-15 are the backups of outputs 0-7.
    if (m_fiber)
        return m_index >= kFiberOutputs / 2 ? 1 : 0;
    for (const BackupLink& link : w.project.backups)
        if (link.backupId == s->id && link.backupPort == m_index)
            return 1;
    return 0;
}

int PortService::GetRcvCount() const
{
    Log("CTileSet::GetRcvCount", m_index);
    WorldLock lock(TheWorld().mutex);
    const PortModel* p = Model();
    return p ? static_cast<int>(p->receivers.size()) : 0;
}

CRect PortService::GetRectByRcvCnntIndex(int i) const
{
    Log("CTileSet::GetRectByRcvCnntIndex", i);
    WorldLock lock(TheWorld().mutex);
    const PortModel* p = Model();
    if (!p || i < 0 || i >= static_cast<int>(p->receivers.size()))
        return {};
    return p->receivers[static_cast<std::size_t>(i)];
}

void PortService::GetTileSetNumberedNormalization(CNumberedTileSet& copy) const
{
    Log("CTileSet::GetTileSetNumberedNormalization", m_index);
    World& w = TheWorld();
    WorldLock lock(w.mutex);
    const PortModel* p = Model();
    if (!p) {
        copy.SetRects({});
        return;
    }
    const CPoint origin = SenderBound(*w.SenderBySerial(m_serial)).TopLeft();
    std::vector<CRect> rects = p->receivers;
    for (CRect& r : rects)
        r.OffsetRect(-origin.x, -origin.y);
    copy.SetRects(std::move(rects));
}

} // namespace sim::detail
