#pragma once
// The folders the module works from.
#include <string>

// The folder of the process's main executable (the host's program, not
// this library) with its trailing separator; empty when it cannot be read.
std::string GetModuleFolder();

// The folder of the host's per-user configuration and monitoring records:
// the documents folder, then the name that the language file under
// GetModuleFolder() gives ("Quarn" when it gives none), with a trailing
// separator; the module folder when there is no documents folder.
std::string GetConfigFolder();
// The same with another module folder (the language file is looked up there).
std::string GetConfigFolderFor(const std::string& moduleFolder);
