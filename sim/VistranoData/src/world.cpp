// The world's state and its control API.
#include "world_state.h"

#include "language_file.h"
#include "monitor_state.h"
#include "sim/project_file.h"

#include "platform/path.h"
#include "platform/shell.h"

#include <algorithm>
#include <optional>

namespace sim {
namespace detail {

World& TheWorld()
{
    static World* world = new World; // outlives every caller, the module's teardown included
    return *world;
}

void World::Adopt(ProjectModel p)
{
    for (SenderModel& s : p.senders)
        Stamp(s);
    project = std::move(p);
    Reindex();
    RebuildSetIPs();
}

void World::Reindex()
{
    indexBySerial.clear();
    for (std::size_t i = 0; i < project.senders.size(); ++i)
        indexBySerial[project.senders[i].serial] = i;
}

SenderModel* World::SenderBySerial(uint64_t serial)
{
    auto it = indexBySerial.find(serial);
    return it == indexBySerial.end() ? nullptr : &project.senders[it->second];
}

void World::RebuildSetIPs()
{
    runtime.setIPs.clear();
    for (const SenderModel& s : project.senders) {
        uint32_t address = 0;
        if (ParseIPv4(s.address, address)
            && std::find(config.specifiedIPs.begin(), config.specifiedIPs.end(), address) != config.specifiedIPs.end())
            runtime.setIPs.push_back(address);
    }
}

} // namespace detail

using detail::TheWorld;
using detail::WorldLock;

void ResetWorld()
{
    {
        detail::World& w = TheWorld();
        WorldLock lock(w.mutex);
        w.projectPath.clear();
        w.modificationCount = 0;
        w.modified = false;
        w.runtime = {};
        w.config = {};
        w.specifiedIPsSaves = 0;
        w.Adopt({});
    }
    SetConfigFolder({});
    detail::ResetMonitorState();
}

namespace {

// A project just opened is shown whole: the page is told to refresh for it,
// and its sender trees start at the all-senders item, not at a selection
// of the project it replaced.
void MarkOpened(detail::World& w)
{
    w.runtime.openPrjRefresh = 1;
    w.runtime.treeSelType = TREE_NODE_ALL_SENDERS;
    w.runtime.treeSelIndex = -1;
    w.runtime.nodeSelect = SNodeSelect();
}

} // namespace

bool LoadProjectFile(const std::string& path, std::string& error)
{
    ProjectModel fresh;
    if (!ReadProjectFile(path, fresh, error))
        return false;
    detail::World& w = TheWorld();
    WorldLock lock(w.mutex);
    w.Adopt(std::move(fresh));
    w.projectPath = path;
    w.modified = false;
    MarkOpened(w);
    return true;
}

bool SaveProjectFile(const std::string& path, std::string& error)
{
    detail::World& w = TheWorld();
    WorldLock lock(w.mutex);
    if (!WriteProjectFile(path, w.project, error))
        return false;
    w.projectPath = path;
    w.modified = false;
    return true;
}

std::string GetProjectPath()
{
    WorldLock lock(TheWorld().mutex);
    return TheWorld().projectPath;
}

ProjectModel GetProject()
{
    WorldLock lock(TheWorld().mutex);
    return TheWorld().project;
}

bool SetProject(ProjectModel project, std::string& error, bool opened)
{
    error = ValidateProject(project);
    if (!error.empty())
        return false;
    detail::World& w = TheWorld();
    WorldLock lock(w.mutex);
    w.Adopt(std::move(project));
    w.modified = true;
    if (opened)
        MarkOpened(w);
    return true;
}

int GetModificationCount()
{
    WorldLock lock(TheWorld().mutex);
    return TheWorld().modificationCount;
}

bool IsProjectModified()
{
    WorldLock lock(TheWorld().mutex);
    return TheWorld().modified;
}

ConfigSettings GetConfig()
{
    WorldLock lock(TheWorld().mutex);
    return TheWorld().config;
}

void SetConfig(const ConfigSettings& config)
{
    detail::World& w = TheWorld();
    WorldLock lock(w.mutex);
    w.config = config;
    w.RebuildSetIPs();
}

int GetSpecifiedIPsSaveCount()
{
    WorldLock lock(TheWorld().mutex);
    return TheWorld().specifiedIPsSaves;
}

void SetCurInterfaceDlg(int dlg)
{
    WorldLock lock(TheWorld().mutex);
    TheWorld().runtime.curInterfaceDlg = dlg;
}

std::string GetConfigFolder()
{
    if (std::optional<std::string> folder = plat::GetConfigFolderOverride())
        return *folder;
    const std::string exeFolder = plat::GetMainExecutableFolder();
    const std::optional<std::string> documents = plat::GetDocumentsFolder();
    if (!documents)
        return exeFolder;
    return plat::JoinPath(*documents, detail::SoftwareConfigurationPath()) + plat::kPathSeparator;
}

void SetConfigFolder(const std::string& folder) { plat::SetConfigFolderOverride(folder); }

uint32_t SenderIdByIndex(int i)
{
    detail::World& w = TheWorld();
    WorldLock lock(w.mutex);
    if (i < 0 || i >= static_cast<int>(w.project.senders.size()))
        return 0;
    uint32_t address = 0;
    return ParseIPv4(w.project.senders[static_cast<std::size_t>(i)].address, address) ? address
                                                                                      : static_cast<uint32_t>(i + 1);
}

uint32_t SenderIdByIndexForNotSpecifyIP(int i)
{
    detail::World& w = TheWorld();
    WorldLock lock(w.mutex);
    return i >= 0 && i < static_cast<int>(w.project.senders.size()) ? static_cast<uint32_t>(i + 1) : 0;
}

} // namespace sim
