#include "controls/language.h"

#include <mutex>

namespace morv {
namespace {

std::mutex g_mutex;
LanguageLookup g_lookup;

} // namespace

void SetDefaultLanguageLookup(LanguageLookup lookup)
{
    std::lock_guard lock(g_mutex);
    g_lookup = std::move(lookup);
}

std::string LookupText(const std::string& key, const std::string& section)
{
    LanguageLookup lookup;
    {
        std::lock_guard lock(g_mutex);
        lookup = g_lookup;
    }
    return lookup ? lookup(key, section) : key;
}

} // namespace morv
