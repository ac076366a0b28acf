#include "platform/path.h"

#include <algorithm>

namespace plat {

namespace {
bool IsSeparator(char c) { return c == '/' || c == '\\'; }
} // namespace

std::string NativePath(std::string_view name)
{
    std::string out(name);
    std::replace(out.begin(), out.end(), '\\', kPathSeparator);
    return out;
}

std::string JoinPath(std::string_view base, std::string_view name)
{
    std::string tail = NativePath(name);
    if (base.empty())
        return tail;
    if (tail.empty())
        return std::string(base);
    std::string head(base);
    while (!head.empty() && IsSeparator(head.back()))
        head.pop_back();
    const std::size_t first = tail.find_first_not_of(kPathSeparator);
    tail.erase(0, first == std::string::npos ? tail.size() : first);
    return head + kPathSeparator + tail;
}

std::string FileNameOf(std::string_view path)
{
    const auto it = std::find_if(path.rbegin(), path.rend(), IsSeparator);
    return std::string(it == path.rend() ? path : path.substr(static_cast<std::size_t>(path.rend() - it)));
}

std::string FolderOf(std::string_view path)
{
    const auto it = std::find_if(path.rbegin(), path.rend(), IsSeparator);
    if (it == path.rend())
        return {};
    const std::size_t sep = static_cast<std::size_t>(path.rend() - it) - 1;
    // The root keeps its separator: the folder of "/x" is "/".
    return std::string(path.substr(0, sep == 0 ? 1 : sep));
}

} // namespace plat
