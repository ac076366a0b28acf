#include "module/host_notify.h"

#include "host/vistrano_label.h"
#include "host/vistrano_monitor.h"
#include "host/vistrano_runtime.h"
#include "host/vistrano_settings.h"
#include "module/module_globals.h"

void NotifyHost(int32_t mask, int32_t word1, int32_t word2, int32_t word3)
{
    if (g_pHostLabel)
        g_pHostLabel->Notify(mask, word1, word2, word3);
}

void MarkProjectModified()
{
    if (CProjectUndoRedo* undo = g_pRuntimeData ? g_pRuntimeData->GetUndoRedoInfo() : nullptr)
        undo->PrjModify();
}

bool StoreMonitorRecord(const CMonitorInterfaceData& edited)
{
    CMonitorInterfaceData stored;
    g_pMonitorData->GetInterfaceData(stored);
    if (!(edited != stored))
        return false;
    g_pMonitorData->SetInterfaceData(edited);
    MarkProjectModified();
    return true;
}
