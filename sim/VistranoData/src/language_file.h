#pragma once
// The language texts as the host's own code reads them (not logged as
// calls of the page), and the language file's one setting that is not a text.
#include <string>

namespace sim::detail {

// The text of key in section; the key itself, remembered as missing, when
// the language has none.
std::string LookupText(const std::string& key, const std::string& section);

// [Software] SoftwareConfigurationPath of the language file: the name of
// the configuration folder under the documents folder ("Quarn" by default).
std::string SoftwareConfigurationPath();
// The value when it names one folder, else the default "Quarn": a value
// such as "../.." must not take the logs and mail out of the documents folder.
std::string ConfigurationFolderName(const std::string& value);

} // namespace sim::detail
