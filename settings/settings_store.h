#pragma once
// The monitoring settings command as the toolbar runs it: the settings
// frame opened at the section of the view's target, and afterwards the
// page's working copy stored in the host when it differs from what the
// host holds.
#include "host/vistrano_settings.h"

#include <cstdint>

class CWnd;

// The frame's first navigation item for a view target: the sender section
// (2) for the sender target, the receiver section (3) for the receiver
// targets, 0 (the top of the page) for the others.
int SettingsItemForTarget(int32_t renderType);

// After the frame closed: when `edited` differs from the host's record it
// is stored and the project marked modified, once; then, when monitoring
// is not running, the whole page is refreshed (Notify(-1)). Answers 1 when
// it stored. The host's record, not the page state's copy, is the one
// compared: that copy waits for the next monitoring round, so it may lag
// behind what the project holds and would store settings nobody changed.
int StoreMonitorSettings(const CMonitorInterfaceData& edited);

// The whole command: the frame shown modally over `parent` at `initialItem`
// (SettingsItemForTarget), then StoreMonitorSettings with what the page
// holds. Answers 1 when settings were stored.
int EditMonitorSettings(CWnd* parent, int initialItem);
