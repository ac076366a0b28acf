#pragma once
// Project files: the installation and its monitoring settings as JSON
// (docs/project-format.md). Reading is all or nothing: on any fault the
// caller's project is left as it was and the message names the fault.
#include "sim/project_model.h"

#include <string>

class QJsonObject;
struct SInputSignalSetting;

namespace sim {

bool ReadProjectJson(const std::string& text, ProjectModel& project, std::string& error);
std::string WriteProjectJson(const ProjectModel& project);

// One stored video input setting as the project file writes it.
QJsonObject InputSignalJson(const SInputSignalSetting& setting);

bool ReadProjectFile(const std::string& path, ProjectModel& project, std::string& error);
// Writes through a temporary file, so a failed write leaves the old file.
bool WriteProjectFile(const std::string& path, const ProjectModel& project, std::string& error);

} // namespace sim
