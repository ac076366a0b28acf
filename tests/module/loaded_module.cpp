#include "loaded_module.h"

#include "platform/shell.h"

#include <dlfcn.h>

LoadedModule::LoadedModule()
{
    m_handle = ::dlopen(Path().c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_handle) {
        const char* why = ::dlerror();
        m_error = why ? why : "unknown";
    }
}

LoadedModule::~LoadedModule() { Close(); }

std::string LoadedModule::Path() { return plat::GetMainExecutableFolder() + "libMonitor.so"; }

void* LoadedModule::Symbol(const char* name) const { return m_handle ? ::dlsym(m_handle, name) : nullptr; }

bool LoadedModule::Close()
{
    if (m_handle)
        ::dlclose(m_handle);
    m_handle = nullptr;
    void* still = ::dlopen(Path().c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (still)
        ::dlclose(still);
    return still == nullptr;
}
