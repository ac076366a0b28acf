#include "fixture_support.h"

#include "platform/shell.h"

#include <algorithm>
#include <sstream>

namespace apptest {

std::string FixturePath(const std::string& name)
{
    return plat::GetMainExecutableFolder() + "fixtures/lib" + name + ".so";
}

std::vector<std::string> PageLog(const app::CModuleLoader& loader)
{
    std::vector<std::string> lines;
    if (const auto get = reinterpret_cast<const char* (*)()>(loader.Symbol("FixturePage_Log"))) {
        std::istringstream in(get());
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
    }
    return lines;
}

void ResetPage(const app::CModuleLoader& loader, int echo)
{
    if (const auto reset = reinterpret_cast<void (*)(int)>(loader.Symbol("FixturePage_Reset")))
        reset(echo);
}

int FindLine(const std::vector<std::string>& log, const std::string& line, int from)
{
    const auto begin = log.begin() + std::clamp(from, 0, static_cast<int>(log.size()));
    const auto at = std::find(begin, log.end(), line);
    return at == log.end() ? -1 : static_cast<int>(at - log.begin());
}

} // namespace apptest
