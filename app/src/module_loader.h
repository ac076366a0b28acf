#pragma once
// Loads the page library at run time and calls its one entry. Every failure
// answers a message that says what is missing and where it was looked for.
#include <string>

class IQuarnLabel;
class IVistranoLabel;

namespace app {

// <program folder>/libMonitor.so
std::string DefaultModulePath();

class CModuleLoader {
public:
    CModuleLoader() = default;
    ~CModuleLoader();
    CModuleLoader(const CModuleLoader&) = delete;
    CModuleLoader& operator=(const CModuleLoader&) = delete;

    // Opens the library (bound now, symbols kept local) and finds its entry.
    // On failure nothing stays loaded.
    bool Load(const std::string& path, std::string& error);
    // Calls the entry; the page, or null with a message.
    IQuarnLabel* Init(IVistranoLabel* host, std::string& error);
    // An exported symbol of the loaded library, or null.
    void* Symbol(const char* name) const;
    // Closes the library. Its pages must have been released first.
    void Unload();

    bool IsLoaded() const { return m_handle != nullptr; }
    const std::string& Path() const { return m_path; }

private:
    void* m_handle = nullptr;
    void* m_entry = nullptr;
    std::string m_path;
};

} // namespace app
