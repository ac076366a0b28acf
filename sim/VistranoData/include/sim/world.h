#pragma once
// Control of the simulated host's data, for tests and the host application:
// reset, project files, the configuration, and state the services do not
// show. Everything here is thread-safe and none of it is logged as a call
// of the page.
#include "sim/project_model.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace sim {

// Empty project (no file), runtime and configuration at their defaults,
// monitor data empty, monitoring stopped. Update targets stay registered.
void ResetWorld();

// Opens a project file: on success it replaces the project (the runtime's
// open-project refresh flag is set and the modified mark cleared); on any
// fault the message says why and the current project stays as it was.
bool LoadProjectFile(const std::string& path, std::string& error);
// Saves the project; clears the modified mark on success.
bool SaveProjectFile(const std::string& path, std::string& error);
// The file last opened or saved; empty for a new project.
std::string GetProjectPath();

// A copy of the project, and its replacement (checked like a file; false
// with a message when it is not sound). An opened project (one read from
// a sender's card) takes the place of the one shown as an opened file does:
// the page is told to refresh for it and the tree's selection starts over.
ProjectModel GetProject();
bool SetProject(ProjectModel project, std::string& error, bool opened = false);

// Project modifications: every PrjModify call, and whether the project has
// changed since it was opened or saved.
int GetModificationCount();
bool IsProjectModified();

// The configuration (CConfigData's answers).
struct ConfigSettings {
    int detectStrategy = 0;
    bool fahrenheit = false;
    int languageType = 1033;            // 2052: simplified Chinese
    std::set<int> lockedInterfaces;     // host pages locked against changes
    std::vector<uint32_t> specifiedIPs; // sender addresses the user specified
};
ConfigSettings GetConfig();
void SetConfig(const ConfigSettings& config);
// Times SpecifiedIPsSave ran since the world was reset.
int GetSpecifiedIPsSaveCount();

// The host page that is current (CRuntimeData::GetCurInterfaceDlg).
void SetCurInterfaceDlg(int dlg);

// The configuration folder (documents folder plus the configured product
// folder name, with a trailing separator). Pointing it elsewhere points
// the whole process there, the page library too (plat::SetConfigFolderOverride);
// an empty path, or ResetWorld, restores the default.
std::string GetConfigFolder();
void SetConfigFolder(const std::string& folder);

// Detection identifiers of sender i, as CRuntimeData gives them: its IPv4
// address (or i + 1 without one), and i + 1 when addresses are not specified.
uint32_t SenderIdByIndex(int i);
uint32_t SenderIdByIndexForNotSpecifyIP(int i);

} // namespace sim
