#pragma once
// The numeric edits of the settings page as plain functions: the rules an
// edit is set up with (its bounds in the unit it shows), the text it shows
// for the working copy, and what a typed text puts into the working copy.
#include "controls/edit_rules.h"
#include "settings/setting_map.h"

#include <string>

namespace setting_page {

// Bounds of what the host stores. The temperature is stored in Celsius.
constexpr int kMinTemperature = 20, kMaxTemperature = 100;
constexpr int kMinHumidity = 20, kMaxHumidity = 100;
constexpr int kMinWarningNum = 1, kMaxWarningNum = 1000;
constexpr double kMinVoltage = 0.0, kMaxVoltage = 10000.0;
// The refresh interval, in seconds: 10 seconds to 2 hours.
constexpr int kMinRefreshSeconds = 10, kMaxRefreshSeconds = 7200;

// Temperature bounds in the unit shown: 20 to 100 °C, or 68 to 212 °F.
int MinShownTemperature(bool fahrenheit);
int MaxShownTemperature(bool fahrenheit);

// The rules of an edit: integer edits take digits only within their bounds;
// voltage edits take a decimal number with one decimal, and step from
// `value` while they hold no number.
SEditRules SettingEditRules(ESettingValue value, bool fahrenheit, double stepBase = 0.0);

// The text an edit shows for the working copy: integers with "%d" (the
// temperature in the unit shown), voltages with "%.1f".
std::string SettingEditText(const SSettingEdit& edit, const CMonitorInterfaceData& data, bool fahrenheit);

// Takes a typed text into the working copy when it is a whole number
// inside the edit's bounds; anything else (empty, a sign, letters, a value
// past the bounds) leaves the working copy as it was and answers false.
bool TakeSettingEditText(const SSettingEdit& edit, const std::string& text, CMonitorInterfaceData& data,
                         bool fahrenheit);

// The refresh interval a time edit's seconds give, held inside its bounds.
int RefreshSecondsOf(int seconds);

} // namespace setting_page
