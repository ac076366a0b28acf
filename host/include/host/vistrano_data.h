#pragma once
// The host's data library: its process-wide service objects. Each getter
// answers the same object for the life of the process, never null.
#include "host/host_api.h"
#include "host/vistrano_config.h"
#include "host/vistrano_language.h"
#include "host/vistrano_monitor.h"
#include "host/vistrano_project.h"
#include "host/vistrano_runtime.h"

HOST_API CProjectData* GetProjectData();
HOST_API CConstantData* GetConstantData();
HOST_API CConfigData* GetConfigData();
HOST_API CRuntimeData* GetRuntimeData();
HOST_API CMonitorData* GetMonitorData();
HOST_API CMonitorThreadMgr* GetMonitorThreadMgr();
