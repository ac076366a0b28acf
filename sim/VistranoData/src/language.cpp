// Language texts from the INI file, looked up by section and key without
// regard to case.
#include "sim/language.h"

#include "host/vistrano_language.h"
#include "language_file.h"
#include "sim/call_log.h"

#include "platform/path.h"
#include "platform/profile.h"
#include "platform/shell.h"

#include <algorithm>
#include <map>
#include <mutex>

namespace sim {
namespace {

std::string Lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

struct Texts {
    std::mutex mutex;
    bool loaded = false;
    std::map<std::string, std::string> byKey; // "section\nkey", lower case
    std::vector<MissingText> missing;
};

Texts& TheTexts()
{
    static Texts* texts = new Texts; // lookups may come during the module's teardown
    return *texts;
}

// Reads the file into `out` by the profile files' rules, so that the
// texts and the profile reader agree (the first of duplicate keys wins);
// false when it cannot be read.
bool Parse(const std::string& path, std::map<std::string, std::string>& out)
{
    std::vector<plat::ProfileEntry> entries;
    if (!plat::ReadProfileEntries(path, entries))
        return false;
    for (plat::ProfileEntry& e : entries)
        out.emplace(Lower(e.section) + "\n" + Lower(e.key), std::move(e.value));
    return true;
}

} // namespace

std::string DefaultLanguageFile()
{
    return plat::JoinPath(plat::GetMainExecutableFolder(), "Language\\Multi_English.ini");
}

bool LoadLanguageFile(const std::string& path)
{
    std::map<std::string, std::string> fresh;
    const bool ok = Parse(path, fresh);
    Texts& t = TheTexts();
    std::lock_guard lock(t.mutex);
    t.byKey = std::move(fresh);
    t.loaded = true;
    return ok;
}

std::vector<MissingText> GetMissingLanguageKeys()
{
    std::lock_guard lock(TheTexts().mutex);
    return TheTexts().missing;
}

void ClearMissingLanguageKeys()
{
    std::lock_guard lock(TheTexts().mutex);
    TheTexts().missing.clear();
}

namespace detail {

std::string LookupText(const std::string& key, const std::string& section)
{
    Texts& t = TheTexts();
    bool loaded;
    {
        std::lock_guard lock(t.mutex);
        loaded = t.loaded;
    }
    if (!loaded)
        LoadLanguageFile(DefaultLanguageFile());
    std::lock_guard lock(t.mutex);
    auto it = t.byKey.find(Lower(section) + "\n" + Lower(key));
    if (it != t.byKey.end())
        return it->second;
    const MissingText m{section, key};
    if (std::find(t.missing.begin(), t.missing.end(), m) == t.missing.end())
        t.missing.push_back(m);
    return key;
}

std::string ConfigurationFolderName(const std::string& value)
{
    constexpr const char* kDefault = "Quarn";
    // One folder's name: no separators, no "." or "..", no control characters.
    if (value.empty() || value == "." || value == ".." || value.size() > 255)
        return kDefault;
    for (const char c : value)
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return kDefault;
    return value;
}

std::string SoftwareConfigurationPath()
{
    return ConfigurationFolderName(
        plat::GetProfileString(DefaultLanguageFile(), "Software", "SoftwareConfigurationPath", "", 260));
}

} // namespace detail
} // namespace sim

std::string sim::HostText(const std::string& key, const std::string& section)
{
    return sim::detail::LookupText(key, section);
}

std::string GetLanguageString(const std::string& key, const std::string& section)
{
    sim::Log("GetLanguageString", key, section);
    return sim::detail::LookupText(key, section);
}
