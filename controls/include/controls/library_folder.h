#pragma once
// The folder the control library was loaded from (the program's runtime
// folder), with a trailing separator.
#include <string>

namespace morv {

std::string GetLibraryFolder();

} // namespace morv
