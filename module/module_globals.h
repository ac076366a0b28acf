#pragma once
// The module-global handles. Monitor_Init fills them once before the page
// exists; everything else only reads them. The objects belong to the host
// and its libraries: the module never frees them.
#include <string>

class IVistranoLabel;
class CProjectData;
class CConstantData;
class CConfigData;
class CRuntimeData;
class CMonitorData;
class CMonitorThreadMgr;
class ISenderLogic;
class IReceiverLogic;
class IVideoSourceLogic;
class ICaliSoftEdgeLogic;
class IAdvancedSoftEdgeLogic;
class IColorBrightLogic;
class IMonitorLogic;
class CMorvLibSet;
class CMorvSkin;
class CCurSorManager;
class CLabelMonitorDlg;
class CModuleData;

extern IVistranoLabel* g_pHostLabel;
extern CProjectData* g_pProjectData;
extern CConstantData* g_pConstantData;
extern CConfigData* g_pConfigData;
extern CRuntimeData* g_pRuntimeData;
// Also read on the host's monitoring thread (CModuleData::OnMonitorDataUpdate).
extern CMonitorData* g_pMonitorData;
extern CMonitorThreadMgr* g_pMonitorThreadMgr;
extern ISenderLogic* g_pSenderLogic;
extern IReceiverLogic* g_pReceiverLogic;
extern IVideoSourceLogic* g_pVideoSourceLogic;
extern ICaliSoftEdgeLogic* g_pCaliSoftEdgeLogic;
extern IAdvancedSoftEdgeLogic* g_pAdvancedSoftEdgeLogic;
extern IColorBrightLogic* g_pColorBrightLogic;
extern IMonitorLogic* g_pMonitorLogic;
extern CMorvLibSet* g_pLibSet;
extern CMorvSkin* g_pSkin;
extern CCurSorManager* g_pCursorManager;
// The screen density factor: 1.0 at 100 %, 1.5 at 150 %, 2.5 at 250 %.
extern double g_dDpiScale;
// A length of the design (at 100 %) in pixels at the screen density.
int Px(int design);
// The host executable's folder with its trailing separator; the base of
// image paths and of the language folder.
extern std::string g_strModuleFolder;
// The one page; null while there is none.
extern CLabelMonitorDlg* g_pLabelDlg;
// The page state, made at static initialisation.
extern CModuleData* g_pModuleData;
