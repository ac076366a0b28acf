// Queries and checks of the value model.
#include "sim/project_model.h"

#include <cmath>
#include <cstdio>
#include <random>
#include <set>

namespace sim {

bool SenderModel::SameContent(const SenderModel& o) const
{
    return id == o.id && name == o.name && groupId == o.groupId && address == o.address && deviceType == o.deviceType
        && model == o.model && fiber == o.fiber && ports == o.ports && fiberPorts == o.fiberPorts
        && recentPort == o.recentPort && view == o.view;
}

bool ProjectModel::SameContent(const ProjectModel& o) const
{
    if (name != o.name || groups != o.groups || backups != o.backups || currentSender != o.currentSender
        || demoMode != o.demoMode || monitor != o.monitor || senders.size() != o.senders.size())
        return false;
    for (std::size_t i = 0; i < senders.size(); ++i)
        if (!senders[i].SameContent(o.senders[i]))
            return false;
    return true;
}

int FindSender(const ProjectModel& project, const std::string& id)
{
    for (std::size_t i = 0; i < project.senders.size(); ++i)
        if (project.senders[i].id == id)
            return static_cast<int>(i);
    return -1;
}

int FindGroup(const ProjectModel& project, const std::string& id)
{
    for (std::size_t i = 0; i < project.groups.size(); ++i)
        if (project.groups[i].id == id)
            return static_cast<int>(i);
    return -1;
}

CRect SenderBound(const SenderModel& sender)
{
    CRect bound;
    for (const auto* list : {&sender.ports, &sender.fiberPorts})
        for (const PortModel& port : *list)
            for (const CRect& r : port.receivers)
                bound.UnionRect(bound, r);
    return bound;
}

int ReceiverCount(const SenderModel& sender)
{
    std::size_t n = 0;
    for (const auto* list : {&sender.ports, &sender.fiberPorts})
        for (const PortModel& port : *list)
            n += port.receivers.size();
    return static_cast<int>(n);
}

const BackupLink* FindBackupLink(const ProjectModel& project, const std::string& senderId, int port)
{
    for (const BackupLink& link : project.backups)
        if ((link.sourceId == senderId && link.sourcePort == port)
            || (link.backupId == senderId && link.backupPort == port))
            return &link;
    return nullptr;
}

namespace {

std::string CheckSender(const ProjectModel& project, const SenderModel& s, int index)
{
    const std::string where = "sender " + std::to_string(index + 1);
    if (s.id.empty())
        return where + ": missing id";
    if (!s.groupId.empty() && FindGroup(project, s.groupId) < 0)
        return where + ": unknown group " + s.groupId;
    uint32_t address = 0;
    if (!s.address.empty() && !ParseIPv4(s.address, address))
        return where + ": address is not an IPv4 address: " + s.address;
    if (s.deviceType < 0 || s.deviceType > 255)
        return where + ": device type out of range";
    if (s.model < 0)
        return where + ": negative model";
    if (s.ports.size() > static_cast<std::size_t>(kMaxPortsPerSender))
        return where + ": more than " + std::to_string(kMaxPortsPerSender) + " ports";
    if (s.fiber ? s.fiberPorts.size() != static_cast<std::size_t>(kFiberOutputs) : !s.fiberPorts.empty())
        return where + ": a fibre sender has exactly " + std::to_string(kFiberOutputs) + " fibre outputs, others none";
    if (s.view.relativePos < -1 || s.view.relativePos > 7)
        return where + ": relative position out of range";
    const CRect& a = s.view.area;
    for (int32_t c : {a.left, a.top, a.right, a.bottom, s.view.receiverOrigin.x, s.view.receiverOrigin.y})
        if (c < -kMaxViewCoordinate || c > kMaxViewCoordinate)
            return where + ": view coordinate out of range";
    for (const auto* list : {&s.ports, &s.fiberPorts})
        for (const PortModel& port : *list) {
            if (port.receivers.size() > static_cast<std::size_t>(kMaxReceiversPerPort))
                return where + ": too many receivers on one port";
            for (const CRect& r : port.receivers) {
                if (r.IsRectEmpty())
                    return where + ": empty receiver rectangle";
                for (int32_t c : {r.left, r.top, r.right, r.bottom})
                    if (c < -kMaxCoordinate || c > kMaxCoordinate)
                        return where + ": receiver coordinate out of range";
            }
        }
    return {};
}

int PortCountOf(const SenderModel& s) { return static_cast<int>(s.fiber ? s.fiberPorts.size() : s.ports.size()); }

std::string CheckLinks(const ProjectModel& project)
{
    std::set<std::pair<std::string, int>> used;
    for (std::size_t i = 0; i < project.backups.size(); ++i) {
        const BackupLink& link = project.backups[i];
        const std::string where = "backup link " + std::to_string(i + 1);
        const int src = FindSender(project, link.sourceId);
        const int bak = FindSender(project, link.backupId);
        if (src < 0 || bak < 0)
            return where + ": unknown sender";
        if (link.sourcePort < 0 || link.sourcePort >= PortCountOf(project.senders[src]) || link.backupPort < 0
            || link.backupPort >= PortCountOf(project.senders[bak]))
            return where + ": port out of range";
        if (!used.insert({link.sourceId, link.sourcePort}).second
            || !used.insert({link.backupId, link.backupPort}).second)
            return where + ": a port belongs to two links";
    }
    return {};
}

bool InRange(int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; }

bool VoltageInRange(float v) { return std::isfinite(v) && v >= 0.0f && v <= 10000.0f; }

std::string CheckSettings(const CMonitorInterfaceData& m)
{
    if (!InRange(m.nRefreshInterval, 10, 7200))
        return "monitoring: refresh interval out of range (10 to 7200 seconds)";
    const SRecevierSetting& r = m.receiverSetting;
    if (!InRange(r.nTemperature, 20, 100))
        return "monitoring: temperature threshold out of range (20 to 100)";
    if (!InRange(r.nHumidity, 20, 100))
        return "monitoring: humidity threshold out of range (20 to 100)";
    for (float v : {r.fVoltage1Min, r.fVoltage1Max, r.fVoltage2Min, r.fVoltage2Max})
        if (!VoltageInRange(v))
            return "monitoring: voltage bound out of range (0 to 10000)";
    const SEmailSetting& e = m.emailSetting;
    if (!InRange(e.nWarningNum, 1, 1000))
        return "monitoring: warning count out of range (1 to 1000)";
    if (!InRange(e.nPort, 1, 65535))
        return "monitoring: mail server port out of range";
    if (e.arrMail.size() > static_cast<std::size_t>(kMaxMailRecipients))
        return "monitoring: more than " + std::to_string(kMaxMailRecipients) + " recipients";
    for (const SInputSignalSetting& s : m.senderSetting.arrInputSignal)
        if (s.dwSender >= static_cast<uint32_t>(kMaxSenderCount) || !std::isfinite(s.dValue))
            return "monitoring: input signal setting out of range";
    return {};
}

} // namespace

std::string ValidateProject(const ProjectModel& project)
{
    if (project.senders.size() > static_cast<std::size_t>(kMaxSenderCount))
        return "more than " + std::to_string(kMaxSenderCount) + " senders";
    std::set<std::string> ids;
    for (const GroupModel& g : project.groups)
        if (g.id.empty() || !ids.insert(g.id).second)
            return "group id missing or used twice: " + g.id;
    for (std::size_t i = 0; i < project.senders.size(); ++i) {
        const SenderModel& s = project.senders[i];
        if (!ids.insert(s.id).second)
            return "sender " + std::to_string(i + 1) + ": id used twice: " + s.id;
        if (std::string e = CheckSender(project, s, static_cast<int>(i)); !e.empty())
            return e;
    }
    const int count = static_cast<int>(project.senders.size());
    if (project.currentSender < 0 || (count > 0 && project.currentSender >= count)
        || (count == 0 && project.currentSender != 0))
        return "current sender out of range";
    if (std::string e = CheckLinks(project); !e.empty())
        return e;
    return CheckSettings(project.monitor);
}

std::string FormatGuid(uint64_t a, uint64_t b)
{
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%04X-%012llX}", static_cast<unsigned>(a >> 32),
                  static_cast<unsigned>((a >> 16) & 0xFFFF), static_cast<unsigned>(0x4000 | (a & 0x0FFF)),
                  static_cast<unsigned>(0x8000 | ((b >> 48) & 0x3FFF)),
                  static_cast<unsigned long long>(b & 0xFFFFFFFFFFFFull));
    return text;
}

std::string NewGuid()
{
    static thread_local std::mt19937_64 rng{std::random_device{}()};
    const uint64_t a = rng();
    return FormatGuid(a, rng());
}

bool ParseIPv4(const std::string& text, uint32_t& address)
{
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos)
        return false;
    unsigned parts[4];
    char tail;
    if (std::sscanf(text.c_str(), "%3u.%3u.%3u.%3u%c", &parts[0], &parts[1], &parts[2], &parts[3], &tail) != 4)
        return false;
    uint32_t v = 0;
    for (unsigned p : parts) {
        if (p > 255)
            return false;
        v = v << 8 | p;
    }
    address = v;
    return true;
}

std::string FormatIPv4(uint32_t address)
{
    return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 0xFF) + "."
        + std::to_string((address >> 8) & 0xFF) + "." + std::to_string(address & 0xFF);
}

} // namespace sim
