#include "module/module_globals.h"

#include "controls/density.h"

IVistranoLabel* g_pHostLabel = nullptr;
CProjectData* g_pProjectData = nullptr;
CConstantData* g_pConstantData = nullptr;
CConfigData* g_pConfigData = nullptr;
CRuntimeData* g_pRuntimeData = nullptr;
CMonitorData* g_pMonitorData = nullptr;
CMonitorThreadMgr* g_pMonitorThreadMgr = nullptr;
ISenderLogic* g_pSenderLogic = nullptr;
IReceiverLogic* g_pReceiverLogic = nullptr;
IVideoSourceLogic* g_pVideoSourceLogic = nullptr;
ICaliSoftEdgeLogic* g_pCaliSoftEdgeLogic = nullptr;
IAdvancedSoftEdgeLogic* g_pAdvancedSoftEdgeLogic = nullptr;
IColorBrightLogic* g_pColorBrightLogic = nullptr;
IMonitorLogic* g_pMonitorLogic = nullptr;
CMorvLibSet* g_pLibSet = nullptr;
CMorvSkin* g_pSkin = nullptr;
CCurSorManager* g_pCursorManager = nullptr;
double g_dDpiScale = 1.0;
CLabelMonitorDlg* g_pLabelDlg = nullptr;

int Px(int design) { return morv::Scale(design, g_dDpiScale); }
