#pragma once
// Every monitor data record that CMonitorData hands out.
#include "host/vistrano_detect.h"
#include "host/vistrano_settings.h"
#include "host/vistrano_show.h"
#include "host/vistrano_warning.h"
