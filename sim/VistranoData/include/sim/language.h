#pragma once
// The language texts behind GetLanguageString: an INI file of sections and
// keys (Language/Multi_English.ini in the program folder), read once on the
// first lookup. Keys that the file lacks are answered with the key itself
// and remembered, so a test can check that every text the page asked for
// exists.
#include <string>
#include <vector>

namespace sim {

// <program folder>/Language/Multi_English.ini
std::string DefaultLanguageFile();
// Replaces the texts with those of a file; false (and no texts) when it
// cannot be read.
bool LoadLanguageFile(const std::string& path);

struct MissingText {
    std::string section;
    std::string key;
    bool operator==(const MissingText&) const = default;
};
// The text of key in section as the host's own code reads it: not logged as
// a call of the page; a missing key answers the key and is remembered.
std::string HostText(const std::string& key, const std::string& section);

// Each missing (section, key) once, in the order first asked.
std::vector<MissingText> GetMissingLanguageKeys();
void ClearMissingLanguageKeys();

} // namespace sim
