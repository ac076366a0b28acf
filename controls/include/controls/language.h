#pragma once
// Texts of controls are looked up by key and section through a function
// that the host or the module provides (the module passes the host's
// language lookup). The control library reads no language files itself.
#include <functional>
#include <string>

namespace morv {

using LanguageLookup = std::function<std::string(const std::string& key, const std::string& section)>;

// The process-wide lookup that dialogs use unless they are given their own.
// Without one, the lookup answers the key itself, so a missing language
// shows the key rather than nothing.
void SetDefaultLanguageLookup(LanguageLookup lookup);
std::string LookupText(const std::string& key, const std::string& section);

} // namespace morv
