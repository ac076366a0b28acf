#pragma once
// Texts of the user interface in the user's language.
#include "host/host_api.h"

#include <string>

// The text of key in section; the key itself when the language has none.
HOST_API std::string GetLanguageString(const std::string& key, const std::string& section);
