#include "settings/settings_store.h"

#include "host/host_enums.h"
#include "host/vistrano_label.h"
#include "host/vistrano_monitor.h"
#include "module/host_notify.h"
#include "module/module_globals.h"
#include "module/update_mask.h"
#include "settings/main_setting_frame_dlg.h"

int SettingsItemForTarget(int32_t renderType)
{
    if (renderType == RENDER_SINGLE_SENDER)
        return CMainSettingFrameDlg::kSenderItem;
    return IsReceiverTarget(renderType) ? CMainSettingFrameDlg::kReceiverItem : 0;
}

int StoreMonitorSettings(const CMonitorInterfaceData& edited)
{
    const bool changed = StoreMonitorRecord(edited);
    if (!g_pMonitorThreadMgr->IsMonitoring())
        g_pHostLabel->Notify(UPDATE_ALL, 0, 0, 0);
    return changed ? 1 : 0;
}

int EditMonitorSettings(CWnd* parent, int initialItem)
{
    CMainSettingFrameDlg frame(parent, initialItem);
    frame.DoModal();
    CMonitorInterfaceData edited;
    g_pMonitorData->GetInterfaceData(edited);
    frame.GetPage().GetInterfaceData(edited);
    return StoreMonitorSettings(edited);
}
