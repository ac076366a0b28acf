#include "comma_locale.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

constexpr const char* kLocale = "de_DE.UTF-8";

bool SetCommaLocale()
{
    return std::setlocale(LC_NUMERIC, kLocale) && std::strcmp(std::localeconv()->decimal_point, ",") == 0;
}

// Compiles the locale into a folder of its own and points the C library
// at it; once per process. Empty on success, else what failed.
std::string GenerateLocale()
{
    // The folder goes when the process ends.
    struct Folder {
        std::string path;
        ~Folder()
        {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static Folder folder;
    static const std::string error = [] {
        char name[] = "/tmp/comma-locale-XXXXXX";
        if (!mkdtemp(name))
            return std::string("no temporary folder for the locale");
        folder.path = name;
        const std::string command = "localedef -i de_DE -f UTF-8 " + folder.path + "/" + kLocale + " >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0)
            return "localedef could not generate " + std::string(kLocale);
        setenv("LOCPATH", name, 1);
        return std::string();
    }();
    return error;
}

} // namespace

CommaDecimalLocale::CommaDecimalLocale()
{
    if (const char* current = std::setlocale(LC_NUMERIC, nullptr))
        m_previous = current;
    if (SetCommaLocale())
        return;
    m_error = GenerateLocale();
    if (m_error.empty() && !SetCommaLocale())
        m_error = std::string(kLocale) + " does not write a decimal comma";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    if (m_error.empty() && std::string(probe) != "1,5")
        m_error = "printf still writes " + std::string(probe);
}

CommaDecimalLocale::~CommaDecimalLocale() { std::setlocale(LC_NUMERIC, m_previous.empty() ? "C" : m_previous.c_str()); }
