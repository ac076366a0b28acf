// One sender of the project.
#include "sender_service.h"

#include "sim/call_log.h"
#include "world_state.h"

#include <algorithm>

namespace sim::detail {

template <class R, class F>
R SenderService::With(R fallback, F f) const
{
    World& w = TheWorld();
    WorldLock lock(w.mutex);
    SenderModel* s = w.SenderBySerial(m_serial);
    return s ? f(*s) : fallback;
}

std::string SenderService::GetId() const
{
    Log("CSender::GetId");
    return With(std::string(), [](SenderModel& s) { return s.id; });
}

std::string SenderService::GetSenderName() const
{
    Log("CSender::GetSenderName");
    return With(std::string(), [](SenderModel& s) { return s.name; });
}

void SenderService::SetSenderName(const std::string& name)
{
    Log("CSender::SetSenderName", name);
    With(false, [&](SenderModel& s) {
        s.name = name;
        TheWorld().modified = true;
        return true;
    });
}

std::string SenderService::GetScBelongGroup() const
{
    Log("CSender::GetScBelongGroup");
    return With(std::string(), [](SenderModel& s) { return s.groupId; });
}

void SenderService::SetScBelongGroup(const std::string& groupId)
{
    Log("CSender::SetScBelongGroup", groupId);
    With(false, [&](SenderModel& s) {
        // Only a known group (or none) keeps the project sound.
        if (!groupId.empty() && FindGroup(TheWorld().project, groupId) < 0)
            return false;
        s.groupId = groupId;
        TheWorld().modified = true;
        return true;
    });
}

int SenderService::GetPortCount() const
{
    Log("CSender::GetPortCount");
    return With(0, [](SenderModel& s) { return static_cast<int>(s.ports.size()); });
}

void SenderService::SetPortCount(int count)
{
    Log("CSender::SetPortCount", count);
    With(false, [&](SenderModel& s) {
        const int n = std::clamp(count, 0, kMaxPortsPerSender);
        s.ports.resize(static_cast<std::size_t>(n));
        // Backup links of ports that are gone go with them.
        auto& links = TheWorld().project.backups;
        links.erase(std::remove_if(links.begin(), links.end(),
                                   [&](const BackupLink& l) {
                                       return !s.fiber
                                           && ((l.sourceId == s.id && l.sourcePort >= n)
                                               || (l.backupId == s.id && l.backupPort >= n));
                                   }),
                    links.end());
        TheWorld().modified = true;
        return true;
    });
}

PortService* SenderService::Port(std::vector<std::unique_ptr<PortService>>& cache, bool fiber, int i, int count)
{
    if (i < 0 || i >= count)
        return nullptr;
    // Services are kept once made: the page may hold a port while others are added.
    while (static_cast<int>(cache.size()) <= i)
        cache.push_back(std::make_unique<PortService>(m_serial, fiber, static_cast<int>(cache.size())));
    return cache[static_cast<std::size_t>(i)].get();
}

CPort* SenderService::GetPort(int i)
{
    Log("CSender::GetPort", i);
    WorldLock lock(TheWorld().mutex);
    return Port(m_ports, false, i, With(0, [](SenderModel& s) { return static_cast<int>(s.ports.size()); }));
}

int SenderService::GetFiberPortCount() const
{
    Log("CSender::GetFiberPortCount");
    return With(0, [](SenderModel& s) { return static_cast<int>(s.fiberPorts.size()); });
}

CPort* SenderService::GetFiberPort(int i)
{
    Log("CSender::GetFiberPort", i);
    WorldLock lock(TheWorld().mutex);
    return Port(m_fiberPorts, true, i, With(0, [](SenderModel& s) { return static_cast<int>(s.fiberPorts.size()); }));
}

int SenderService::GetRecentPortIndex() const
{
    Log("CSender::GetRecentPortIndex");
    return With(-1, [](SenderModel& s) { return s.recentPort; });
}

void SenderService::SetRecentPortIndex(int i)
{
    Log("CSender::SetRecentPortIndex", i);
    With(false, [&](SenderModel& s) {
        s.recentPort = i;
        return true;
    });
}

CRect SenderService::GetBound() const
{
    Log("CSender::GetBound");
    return With(CRect(), [](SenderModel& s) { return SenderBound(s); });
}

CRect SenderService::GetMonitorRenderArea() const
{
    Log("CSender::GetMonitorRenderArea");
    return With(CRect(-1, -1, -1, -1), [](SenderModel& s) { return s.view.area; });
}

void SenderService::SetMonitorRenderArea(const CRect& area)
{
    Log("CSender::SetMonitorRenderArea", area);
    With(false, [&](SenderModel& s) {
        s.view.area = area;
        return true;
    });
}

CPoint SenderService::GetMonitorRcvOffsetPt() const
{
    Log("CSender::GetMonitorRcvOffsetPt");
    return With(CPoint(), [](SenderModel& s) { return s.view.receiverOrigin; });
}

void SenderService::SetMonitorRcvOffsetPt(const CPoint& pt)
{
    Log("CSender::SetMonitorRcvOffsetPt", pt);
    With(false, [&](SenderModel& s) {
        s.view.receiverOrigin = pt;
        return true;
    });
}

int SenderService::GetMonitorRenderRelativePos() const
{
    Log("CSender::GetMonitorRenderRelativePos");
    return With(-1, [](SenderModel& s) { return s.view.relativePos; });
}

void SenderService::SetMonitorRenderRelativePos(int pos)
{
    Log("CSender::SetMonitorRenderRelativePos", pos);
    With(false, [&](SenderModel& s) {
        if (pos < -1 || pos > 7)
            return false;
        s.view.relativePos = pos;
        TheWorld().modified = true;
        return true;
    });
}

void SenderService::ResetMonitorRenderParam(int forgetPosition)
{
    Log("CSender::ResetMonitorRenderParam", forgetPosition);
    With(false, [&](SenderModel& s) {
        s.view.area = CRect(-1, -1, -1, -1);
        if (forgetPosition)
            s.view.relativePos = -1;
        return true;
    });
}

} // namespace sim::detail
