#include "module_loader.h"

#include "host/quarn_label.h"
#include "platform/shell.h"

#include <dlfcn.h>

namespace app {

std::string DefaultModulePath() { return plat::GetMainExecutableFolder() + "libMonitor.so"; }

CModuleLoader::~CModuleLoader() { Unload(); }

bool CModuleLoader::Load(const std::string& path, std::string& error)
{
    Unload();
    if (!plat::FileExists(path)) {
        error = "no module found at " + path;
        return false;
    }
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = ::dlerror();
        error = "cannot load the module " + path + ": " + (why ? why : "unknown reason");
        return false;
    }
    ::dlerror();
    void* entry = ::dlsym(handle, kMonitorInitSymbol);
    if (!entry) {
        ::dlclose(handle);
        error = "the module " + path + " has no entry " + kMonitorInitSymbol;
        return false;
    }
    m_handle = handle;
    m_entry = entry;
    m_path = path;
    return true;
}

IQuarnLabel* CModuleLoader::Init(IVistranoLabel* host, std::string& error)
{
    if (!m_entry) {
        error = "no module is loaded";
        return nullptr;
    }
    const auto init = reinterpret_cast<PFN_MONITOR_INIT>(m_entry);
    IQuarnLabel* page = nullptr;
    if (!init(host, &page)) {
        error = std::string(kMonitorInitSymbol) + " of " + m_path + " answered 0: the page could not be created";
        return nullptr;
    }
    if (!page) {
        error = std::string(kMonitorInitSymbol) + " of " + m_path + " answered 1 but gave no page";
        return nullptr;
    }
    return page;
}

void* CModuleLoader::Symbol(const char* name) const { return m_handle ? ::dlsym(m_handle, name) : nullptr; }

void CModuleLoader::Unload()
{
    if (m_handle)
        ::dlclose(m_handle);
    m_handle = nullptr;
    m_entry = nullptr;
    m_path.clear();
}

} // namespace app
