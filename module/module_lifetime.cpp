#include "module/module_lifetime.h"

#include "host/vistrano_monitor.h"
#include "module/module_data.h"
#include "module/module_globals.h"

#include <string>

// Defined here, before the object below, so that it is constructed first
// and destroyed last.
std::string g_strModuleFolder;
CModuleData* g_pModuleData = nullptr;

namespace {

// Owns the page state for the life of the loaded library.
class CModuleLifetime {
public:
    CModuleLifetime() : m_pData(new CModuleData) { g_pModuleData = m_pData; }

    ~CModuleLifetime()
    {
        // The host's monitoring thread keeps its receivers registered and
        // may outlive the library (unload, process exit): take the page
        // state off its list first. The thread manager returns only when
        // no call into it is running.
        if (g_pMonitorThreadMgr)
            g_pMonitorThreadMgr->RemoveMonitorUpdateTarget(m_pData);
        delete m_pData;
        m_pData = nullptr;
        g_pModuleData = nullptr;
    }

    CModuleLifetime(const CModuleLifetime&) = delete;
    CModuleLifetime& operator=(const CModuleLifetime&) = delete;

    CModuleData* Data() const { return m_pData; }

private:
    CModuleData* m_pData;
};

CModuleLifetime s_lifetime;

} // namespace

CModuleData* GetStaticModuleData() { return s_lifetime.Data(); }
