#pragma once
// libMonitor.so opened the way the host opens it: from the program's
// folder, bound now, its symbols kept to itself.
#include <string>

class LoadedModule {
public:
    LoadedModule();
    ~LoadedModule();
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    static std::string Path();
    bool IsLoaded() const { return m_handle != nullptr; }
    const std::string& Error() const { return m_error; }
    void* Symbol(const char* name) const;
    // Closes the library; answers whether it is gone from the process.
    bool Close();

private:
    void* m_handle = nullptr;
    std::string m_error;
};
