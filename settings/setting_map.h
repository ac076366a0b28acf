#pragma once
// The control map of the monitoring settings page as data: every control
// with its kind and text, the check boxes with the field each one switches
// and the controls that follow it, and the numeric edits with their items.
#include "controls/control_table.h"
#include "host/vistrano_settings.h"

#include <cstdint>
#include <span>

namespace setting_page {

// Control indices of the page.
enum : int {
    kGeneralTitle = 0,
    kRefreshLabel = 3,
    kRefreshEdit = 4,
    kRefreshUnit = 5,
    kSenderTitle = 6,
    kVideoInputLabel = 9,
    kVideoInputBox = 10,
    kLockLabel = 12,
    kLockBox = 13,
    kBlackLabel = 14,
    kBlackBox = 15,
    kBrightnessLabel = 16,
    kBrightnessBox = 17,
    kReceiverTitle = 18,
    kTemperatureLabel = 23,
    kTemperatureBox = 24,
    kTemperatureAbove = 25,
    kTemperatureEdit = 26,
    kTemperatureUnit = 27,
    kTemperatureAlarm = 28,
    kHumidityLabel = 29,
    kHumidityBox = 30,
    kHumidityAbove = 31,
    kHumidityEdit = 32,
    kHumidityUnit = 33,
    kHumidityAlarm = 34,
    kPowerTitle = 41,
    kPower1Box = 42,
    kPower1Label = 43,
    kPower2Box = 44,
    kPower2Label = 45,
    kVoltageTitle = 46,
    // Voltage row i: box, label, lower bound, "～", upper bound, "V" from
    // kVoltageRow + kVoltageStride * i.
    kVoltageRow = 47,
    kVoltageStride = 6,
    kMailTitle = 98,
    kMailOnLabel = 99,
    kMailOnBox = 100,
    kWarningNumLabel = 101,
    kWarningNumBack = 102,
    kWarningNumEdit = 103,
    kReturnLabel = 104,
    kReturnBox = 105,
    kRecipientTitle = 106,
    kAdd = 107,
    kRecipientTable = 108,
    kDelete = 109,
    kModify = 110,
    kSendingAccount = 111,
    kTest = 112,
};

// Offsets inside a voltage row.
enum : int {
    kVoltageBox = 0,
    kVoltageLabel = 1,
    kVoltageMinEdit = 2,
    kVoltageDash = 3,
    kVoltageMaxEdit = 4,
    kVoltageUnit = 5
};
constexpr int VoltageControl(int row, int part) { return kVoltageRow + kVoltageStride * row + part; }

// Dialog item ids of the edits.
constexpr UINT kRefreshItem = 2015;
constexpr UINT kTemperatureItem = 2016;
constexpr UINT kHumidityItem = 2017;
constexpr UINT kWarningNumItem = 2018;
constexpr UINT kVoltage1MinItem = 2039;
constexpr UINT kVoltage2MinItem = 2040;
constexpr UINT kVoltage1MaxItem = 2043;
constexpr UINT kVoltage2MaxItem = 2044;

// The sections of the page, top to bottom.
enum class ESection : int { General = 0, Sender = 1, Receiver = 2, Mail = 3 };
constexpr int kSectionCount = 4;

// One control: its kind, its text (a key in a section, with an optional
// suffix and number formatted into it, or a fixed text) and its item id.
struct SSettingControl {
    int nIndex;
    EMorvControlKind eKind;
    const char* pszKey; // null: pszText is shown as it is
    const char* pszSection;
    const char* pszText;
    const char* pszSuffix;
    int nFormatArg; // 0: the text is no format
    UINT nItemId;
};

std::span<const SSettingControl> SettingControls();
const SSettingControl* FindSettingControl(int index);

// A check box: the field it switches, its label, and the first and last
// control shown only while it is on (-1: none).
struct SSettingBox {
    int nBox;
    int nLabel;
    int32_t& (*field)(CMonitorInterfaceData&);
    bool bRelabel; // the label follows the box ("_Close" while off)
    int nFirstDependent;
    int nLastDependent;
};

std::span<const SSettingBox> SettingBoxes();
const SSettingBox* FindSettingBox(int box);
// The box whose label a control is, or null.
const SSettingBox* FindBoxOfLabel(int label);

// What an edit holds.
enum class ESettingValue { Temperature, Humidity, WarningNum, Voltage };

struct SSettingEdit {
    int nIndex;
    UINT nItemId;
    ESettingValue eValue;
    double (*get)(const CMonitorInterfaceData&);
    void (*set)(CMonitorInterfaceData&, double);
};

std::span<const SSettingEdit> SettingEdits();
const SSettingEdit* FindSettingEditByItem(UINT itemId);

// Whether the quantity a view target shows is still watched: the sender
// target needs the video input check, the temperature, humidity, power
// supply and voltage targets their checks (either of the two for power
// supply and voltage). Other targets always are.
bool IsTargetWatched(int32_t renderType, const CMonitorInterfaceData& data);

} // namespace setting_page
