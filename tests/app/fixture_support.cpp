#include "fixture_support.h"

#include "platform/shell.h"

#include <sstream>

namespace apptest {

std::string FixturePath(const std::string& name)
{
    return plat::GetMainExecutableFolder() + "fixtures/lib" + name + ".so";
}

std::vector<std::string> PageLog(const app::CModuleLoader& loader)
{
    const auto get = reinterpret_cast<const char* (*)()>(loader.Symbol("FixturePage_Log"));
    std::vector<std::string> lines;
    if (!get)
        return lines;
    std::istringstream in(get());
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

void ClearPageLog(const app::CModuleLoader& loader)
{
    if (const auto clear = reinterpret_cast<void (*)()>(loader.Symbol("FixturePage_ClearLog")))
        clear();
}

void SetPageEcho(const app::CModuleLoader& loader, int mask)
{
    if (const auto set = reinterpret_cast<void (*)(int)>(loader.Symbol("FixturePage_SetEcho")))
        set(mask);
}

int FindLine(const std::vector<std::string>& log, const std::string& line, int from)
{
    for (int i = std::max(from, 0); i < static_cast<int>(log.size()); ++i) {
        if (log[static_cast<std::size_t>(i)] == line)
            return i;
    }
    return -1;
}

} // namespace apptest
