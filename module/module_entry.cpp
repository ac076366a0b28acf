#include "module/module_entry.h"

#include "controls/custom_control.h"
#include "host/hwbridge.h"
#include "host/vistrano_data.h"
#include "host/vistrano_label.h"
#include "module/label_monitor_dlg.h"
#include "module/module_data.h"
#include "module/module_folders.h"
#include "module/module_globals.h"
#include "module/module_lifetime.h"

namespace {

// The monitoring thread reads g_pMonitorData while a later page is being
// created: a handle is written only when its value changes, so that a
// re-creation never writes what another thread reads.
template <class T>
void Store(T& handle, T value)
{
    if (handle != value)
        handle = value;
}

void FetchHostServices()
{
    Store(g_pProjectData, GetProjectData());
    Store(g_pConstantData, GetConstantData());
    Store(g_pConfigData, GetConfigData());
    Store(g_pRuntimeData, GetRuntimeData());
    Store(g_pMonitorData, GetMonitorData());
    Store(g_pMonitorThreadMgr, GetMonitorThreadMgr());
    Store(g_pSenderLogic, GetHwSenderLogic());
    Store(g_pReceiverLogic, GetHwReceiverLogic());
    Store(g_pVideoSourceLogic, GetHwVideoSourceLogic());
    Store(g_pCaliSoftEdgeLogic, GetHwCaliSoftEdgeLogic());
    Store(g_pAdvancedSoftEdgeLogic, GetHwAdvancedSoftEdgeLogic());
    Store(g_pColorBrightLogic, GetHwColorBrightLogic());
    Store(g_pMonitorLogic, GetHwMonitorLogic());
}

// The control library's interface is asked afresh before each operation.
void FetchControlLibrary()
{
    g_pLibSet = MorvaneControl_GetInterface()->GetLibSet();
    g_pSkin = MorvaneControl_GetInterface()->GetSkin();
    g_pCursorManager = MorvaneControl_GetInterface()->GetCursorManager(0);
    g_dDpiScale = MorvaneControl_GetInterface()->GetDpiScale();
}

} // namespace

extern "C" int Monitor_Init(IVistranoLabel* host, IQuarnLabel** out)
{
    if (!host || !out)
        return 0;
    g_pHostLabel = host;
    if (g_pLabelDlg) {
        *out = g_pLabelDlg;
        return 1;
    }
    g_pModuleData = GetStaticModuleData();
    FetchHostServices();
    FetchControlLibrary();
    g_strModuleFolder = GetModuleFolder();

    g_pLabelDlg = new CLabelMonitorDlg;
    if (!g_pLabelDlg->Create(kLabelMonitorTemplate, host->GetParentWnd())) {
        // No page without a window: a later call makes a new one.
        delete g_pLabelDlg;
        g_pLabelDlg = nullptr;
        return 0;
    }
    *out = g_pLabelDlg;
    g_pMonitorThreadMgr->AddMonitorUpdateTarget(g_pModuleData);
    return 1;
}
