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
#include <fstream>
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

std::string Trim(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

struct Texts {
    std::mutex mutex;
    bool loaded = false;
    std::map<std::string, std::string> byKey;   // "section\nkey", lower case
    std::vector<MissingText> missing;
};

Texts& TheTexts()
{
    static Texts* texts = new Texts;    // lookups may come during the module's teardown
    return *texts;
}

// Parses the file into `out`; false when it cannot be opened.
bool Parse(const std::string& path, std::map<std::string, std::string>& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string line, section;
    bool first = true;
    while (std::getline(in, line)) {
        if (first && line.rfind("\xEF\xBB\xBF", 0) == 0)
            line.erase(0, 3);   // byte-order mark
        first = false;
        line = Trim(line);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            section = Lower(Trim(line.substr(1, line.size() - 2)));
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        std::string value = Trim(line.substr(eq + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        out[section + "\n" + Lower(Trim(line.substr(0, eq)))] = value;
    }
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

std::string SoftwareConfigurationPath()
{
    return plat::GetProfileString(DefaultLanguageFile(), "Software", "SoftwareConfigurationPath", "Quarn", 260);
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
