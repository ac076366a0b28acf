#include "settings/setting_edits.h"

#include <algorithm>

namespace setting_page {
namespace {

constexpr int kVoltageDecimals = 1;

// The value an edit shows for a stored value, and back.
double Shown(ESettingValue value, double stored, bool fahrenheit)
{
    return value == ESettingValue::Temperature && fahrenheit ? CelsiusToFahrenheit(static_cast<int32_t>(stored))
                                                             : stored;
}

double Stored(ESettingValue value, double shown, bool fahrenheit)
{
    return value == ESettingValue::Temperature && fahrenheit ? FahrenheitToCelsius(static_cast<int32_t>(shown)) : shown;
}

} // namespace

int MinShownTemperature(bool fahrenheit) { return fahrenheit ? CelsiusToFahrenheit(kMinTemperature) : kMinTemperature; }
int MaxShownTemperature(bool fahrenheit) { return fahrenheit ? CelsiusToFahrenheit(kMaxTemperature) : kMaxTemperature; }

SEditRules SettingEditRules(ESettingValue value, bool fahrenheit, double stepBase)
{
    SEditRules rules;
    rules.eMode = EEditMode::Integer;
    switch (value) {
    case ESettingValue::Temperature:
        rules.dMin = MinShownTemperature(fahrenheit);
        rules.dMax = MaxShownTemperature(fahrenheit);
        break;
    case ESettingValue::Humidity:
        rules.dMin = kMinHumidity;
        rules.dMax = kMaxHumidity;
        break;
    case ESettingValue::WarningNum:
        rules.dMin = kMinWarningNum;
        rules.dMax = kMaxWarningNum;
        break;
    case ESettingValue::Voltage:
        rules.eMode = EEditMode::Decimal;
        rules.nDecimals = kVoltageDecimals;
        rules.dMin = kMinVoltage;
        rules.dMax = kMaxVoltage;
        break;
    }
    rules.dBase = std::clamp(stepBase, rules.dMin, rules.dMax);
    return rules;
}

std::string SettingEditText(const SSettingEdit& edit, const CMonitorInterfaceData& data, bool fahrenheit)
{
    const SEditRules rules = SettingEditRules(edit.eValue, fahrenheit);
    return morv::FormatEditNumber(Shown(edit.eValue, edit.get(data), fahrenheit), rules);
}

bool TakeSettingEditText(const SSettingEdit& edit, const std::string& text, CMonitorInterfaceData& data,
                         bool fahrenheit)
{
    const SEditRules rules = SettingEditRules(edit.eValue, fahrenheit);
    if (morv::ValidateEditText(text, rules) != ETextState::Acceptable)
        return false;
    edit.set(data, Stored(edit.eValue, morv::ParseEditNumber(text), fahrenheit));
    return true;
}

int RefreshSecondsOf(int seconds) { return std::clamp(seconds, kMinRefreshSeconds, kMaxRefreshSeconds); }

} // namespace setting_page
