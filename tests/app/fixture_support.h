#pragma once
// Paths of the fixture page libraries and access to the minimal page's
// record of calls.
#include "module_loader.h"

#include <string>
#include <vector>

namespace apptest {

// <runtime>/fixtures/lib<name>.so
std::string FixturePath(const std::string& name);

// The minimal page's calls, one line each, read through the loaded library.
std::vector<std::string> PageLog(const app::CModuleLoader& loader);
// Clears the page's calls and makes it notify `echo` again from inside
// every update of that mask (0: never).
void ResetPage(const app::CModuleLoader& loader, int echo = 0);

// Index of the first log line equal to `line` at or after `from`, -1 none.
int FindLine(const std::vector<std::string>& log, const std::string& line, int from = 0);

} // namespace apptest
