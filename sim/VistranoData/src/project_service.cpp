// CProjectData: senders, groups and source/backup pairs of the project.
#include "host/vistrano_data.h"
#include "language_file.h"
#include "sender_service.h"
#include "sim/call_log.h"
#include "world_state.h"

#include <algorithm>
#include <map>

namespace sim {
namespace {

using detail::TheWorld;
using detail::World;
using detail::WorldLock;

class ProjectService final : public CProjectData {
public:
    int GetSenderCount() const override
    {
        Log("CProjectData::GetSenderCount");
        WorldLock lock(TheWorld().mutex);
        return Count();
    }
    CSender* GetSender(int i) override
    {
        Log("CProjectData::GetSender", i);
        World& w = TheWorld();
        WorldLock lock(w.mutex);
        if (i < 0 || i >= Count())
            return nullptr;
        const uint64_t serial = w.project.senders[static_cast<std::size_t>(i)].serial;
        std::unique_ptr<detail::SenderService>& service = m_senders[serial];
        if (!service)
            service = std::make_unique<detail::SenderService>(serial);
        return service.get();
    }
    int GetCurSenderIndex() const override
    {
        Log("CProjectData::GetCurSenderIndex");
        WorldLock lock(TheWorld().mutex);
        return TheWorld().project.currentSender;
    }
    void SetCurrentSender(int i) override
    {
        Log("CProjectData::SetCurrentSender", i);
        WorldLock lock(TheWorld().mutex);
        if (i >= 0 && i < Count())
            TheWorld().project.currentSender = i;
    }
    std::string GetShowSenderName(int i, int withAddress) const override
    {
        Log("CProjectData::GetShowSenderName", i, withAddress);
        WorldLock lock(TheWorld().mutex);
        if (i < 0 || i >= Count())
            return {};
        const SenderModel& s = TheWorld().project.senders[static_cast<std::size_t>(i)];
        std::string name = s.name.empty() ? detail::LookupText("Sender", "Common") + std::to_string(i + 1) : s.name;
        if (withAddress && !s.address.empty())
            name += "(" + s.address + ")";
        return name;
    }
    bool MatchSrcBackup(int sender, int port, int& sourceIndex, int& backupIndex, int& secondMember,
                        int* partnerPort) const override
    {
        Log("CProjectData::MatchSrcBackup", sender, port);
        World& w = TheWorld();
        WorldLock lock(w.mutex);
        if (sender < 0 || sender >= Count())
            return false;
        const std::string& id = w.project.senders[static_cast<std::size_t>(sender)].id;
        const BackupLink* link = FindBackupLink(w.project, id, port);
        if (!link)
            return false;
        const bool second = link->backupId == id && link->backupPort == port;
        sourceIndex = FindSender(w.project, link->sourceId);
        backupIndex = FindSender(w.project, link->backupId);
        secondMember = second ? 1 : 0;
        if (partnerPort)
            *partnerPort = second ? link->sourcePort : link->backupPort;
        return true;
    }
    int IsSenderBackupDest(int sender) const override
    {
        Log("CProjectData::IsSenderBackupDest", sender);
        World& w = TheWorld();
        WorldLock lock(w.mutex);
        if (sender < 0 || sender >= Count())
            return 0;
        const std::string& id = w.project.senders[static_cast<std::size_t>(sender)].id;
        for (const BackupLink& l : w.project.backups)
            if (l.backupId == id && l.sourceId != id)
                return 1;
        return 0;
    }
    int NewSender() override
    {
        Log("CProjectData::NewSender");
        World& w = TheWorld();
        WorldLock lock(w.mutex);
        if (Count() >= kMaxSenderCount)
            return -1;
        SenderModel s;
        s.id = NewGuid();
        if (w.runtime.addGroupOn && FindGroup(w.project, w.runtime.addGroupId) >= 0)
            s.groupId = w.runtime.addGroupId;
        // New senders take the port count of the first one.
        s.ports.resize(w.project.senders.empty() ? 4 : w.project.senders.front().ports.size());
        w.Stamp(s);
        w.project.senders.push_back(std::move(s));
        w.Reindex();
        w.RebuildSetIPs();
        w.modified = true;
        return Count() - 1;
    }
    int DeleteSender(int i, int reselect, int confirm, int fixedAddress, CWnd* parent) override
    {
        // The data library shows no window: the page asks the user itself.
        Log("CProjectData::DeleteSender", i, reselect, confirm, fixedAddress, static_cast<const void*>(parent));
        World& w = TheWorld();
        WorldLock lock(w.mutex);
        if (i < 0 || i >= Count())
            return 0;
        const std::string id = w.project.senders[static_cast<std::size_t>(i)].id;
        auto& links = w.project.backups;
        links.erase(std::remove_if(links.begin(), links.end(),
                                   [&](const BackupLink& l) { return l.sourceId == id || l.backupId == id; }),
                    links.end());
        w.project.senders.erase(w.project.senders.begin() + i);
        int& cur = w.project.currentSender;
        if (i < cur)
            --cur;
        if (reselect || cur >= Count())
            cur = std::clamp(cur, 0, std::max(0, Count() - 1));
        w.Reindex();
        w.RebuildSetIPs();
        w.modified = true;
        return 1;
    }
    std::vector<SSenderGroupInfo> GetAllSenderGroup() const override
    {
        Log("CProjectData::GetAllSenderGroup");
        WorldLock lock(TheWorld().mutex);
        std::vector<SSenderGroupInfo> out;
        for (const GroupModel& g : TheWorld().project.groups)
            out.push_back({g.id, g.name, g.expand ? 1 : 0});
        return out;
    }
    int GetSenderGroupCount() const override
    {
        Log("CProjectData::GetSenderGroupCount");
        WorldLock lock(TheWorld().mutex);
        return static_cast<int>(TheWorld().project.groups.size());
    }
    std::string GetSenderGroupID(int index) const override
    {
        Log("CProjectData::GetSenderGroupID", index);
        WorldLock lock(TheWorld().mutex);
        const auto& groups = TheWorld().project.groups;
        return index >= 0 && index < static_cast<int>(groups.size()) ? groups[static_cast<std::size_t>(index)].id
                                                                     : std::string();
    }
    std::vector<int> GetSendersInGroup(const std::string& groupId) const override
    {
        Log("CProjectData::GetSendersInGroup", groupId);
        WorldLock lock(TheWorld().mutex);
        std::vector<int> out;
        for (int i = 0; i < Count(); ++i)
            if (TheWorld().project.senders[static_cast<std::size_t>(i)].groupId == groupId)
                out.push_back(i);
        return out;
    }
    std::string AddGroupInfo(const std::string& name) override
    {
        Log("CProjectData::AddGroupInfo", name);
        World& w = TheWorld();
        WorldLock lock(w.mutex);
        w.project.groups.push_back({NewGuid(), name, true});
        w.modified = true;
        return w.project.groups.back().id;
    }
    void SetGroupName(const std::string& groupId, const std::string& name) override
    {
        Log("CProjectData::SetGroupName", groupId, name);
        ChangeGroup(groupId, [&](GroupModel& g) {
            if (!name.empty())
                g.name = name;
        });
    }
    void DeleteSenderGroup(const std::string& groupId) override
    {
        Log("CProjectData::DeleteSenderGroup", groupId);
        World& w = TheWorld();
        WorldLock lock(w.mutex);
        const int g = FindGroup(w.project, groupId);
        if (g < 0)
            return;
        for (SenderModel& s : w.project.senders)
            if (s.groupId == groupId)
                s.groupId.clear();
        w.project.groups.erase(w.project.groups.begin() + g);
        w.modified = true;
    }
    int GetGroupExpand(const std::string& groupId) const override
    {
        Log("CProjectData::GetGroupExpand", groupId);
        World& w = TheWorld();
        WorldLock lock(w.mutex);
        const int g = FindGroup(w.project, groupId);
        return g >= 0 && w.project.groups[static_cast<std::size_t>(g)].expand ? 1 : 0;
    }
    void SetGroupExpand(const std::string& groupId, int expand) override
    {
        Log("CProjectData::SetGroupExpand", groupId, expand);
        ChangeGroup(groupId, [&](GroupModel& g) { g.expand = expand != 0; });
    }
    int GetDemoModeEnable() const override
    {
        Log("CProjectData::GetDemoModeEnable");
        WorldLock lock(TheWorld().mutex);
        return TheWorld().project.demoMode ? 1 : 0;
    }

private:
    static int Count() { return static_cast<int>(TheWorld().project.senders.size()); }

    template <class F>
    static void ChangeGroup(const std::string& groupId, F f)
    {
        World& w = TheWorld();
        WorldLock lock(w.mutex);
        const int g = FindGroup(w.project, groupId);
        if (g < 0)
            return;
        f(w.project.groups[static_cast<std::size_t>(g)]);
        w.modified = true;
    }

    // One service per sender ever handed out, by serial; kept so that a
    // pointer the page still holds stays valid.
    std::map<uint64_t, std::unique_ptr<detail::SenderService>> m_senders;
};

} // namespace
} // namespace sim

CProjectData* GetProjectData()
{
    static sim::ProjectService* service = new sim::ProjectService;
    sim::Log("GetProjectData");
    return service;
}
