#include "settings/setting_map.h"

#include "host/host_enums.h"

#include <algorithm>
#include <array>

namespace setting_page {
namespace {

using K = EMorvControlKind;
constexpr const char* kMon = "Monitoring";
constexpr const char* kCommon = "Common";

constexpr SSettingControl Keyed(int index, K kind, const char* key, const char* section = kMon,
                                const char* suffix = nullptr, int formatArg = 0)
{
    return {index, kind, key, section, nullptr, suffix, formatArg, 0};
}
constexpr SSettingControl Fixed(int index, K kind, const char* text)
{
    return {index, kind, nullptr, nullptr, text, nullptr, 0, 0};
}
constexpr SSettingControl Item(int index, K kind, UINT item)
{
    return {index, kind, nullptr, nullptr, nullptr, nullptr, 0, item};
}

constexpr std::array kControls{
    Keyed(kGeneralTitle, K::Title, "General_Setting"),
    Keyed(kRefreshLabel, K::Label, "Refresh_interval"),
    Item(kRefreshEdit, K::TimeEdit, kRefreshItem),
    Keyed(kRefreshUnit, K::Label, "Refresh_interval_Time"),
    Keyed(kSenderTitle, K::Title, "Sender_Title"),
    Keyed(kVideoInputLabel, K::Label, "Sender_Video_Input_Error"),
    Item(kVideoInputBox, K::CheckBox, 0),
    Keyed(kLockLabel, K::Label, "Sender_Lock"),
    Item(kLockBox, K::CheckBox, 0),
    Keyed(kBlackLabel, K::Label, "Sender_Black"),
    Item(kBlackBox, K::CheckBox, 0),
    Keyed(kBrightnessLabel, K::Label, "Sender_Brightness_Zero_Text"),
    Item(kBrightnessBox, K::CheckBox, 0),
    Keyed(kReceiverTitle, K::Title, "Receive_Title"),
    Keyed(kTemperatureLabel, K::Label, "Receive_Temperature"),
    Item(kTemperatureBox, K::CheckBox, 0),
    Keyed(kTemperatureAbove, K::Label, "Receive_Temp_Min"),
    Item(kTemperatureEdit, K::NumericEdit, kTemperatureItem),
    Fixed(kTemperatureUnit, K::Label, "°C"),
    Keyed(kTemperatureAlarm, K::Label, "Receive_Alarm"),
    Keyed(kHumidityLabel, K::Label, "Receive_Humidity"),
    Item(kHumidityBox, K::CheckBox, 0),
    Keyed(kHumidityAbove, K::Label, "Receive_Temp_Min"),
    Item(kHumidityEdit, K::NumericEdit, kHumidityItem),
    Fixed(kHumidityUnit, K::Label, "%"),
    Keyed(kHumidityAlarm, K::Label, "Receive_Alarm"),
    Keyed(kPowerTitle, K::Label, "Receive_PowerSupply_Table"),
    Item(kPower1Box, K::CheckBox, 0),
    Keyed(kPower1Label, K::Label, "Receive_PowerSupply", kMon, nullptr, 1),
    Item(kPower2Box, K::CheckBox, 0),
    Keyed(kPower2Label, K::Label, "Receive_PowerSupply", kMon, nullptr, 2),
    Keyed(kVoltageTitle, K::Label, "Receive_Voltage_Table"),
    Item(VoltageControl(0, kVoltageBox), K::CheckBox, 0),
    Keyed(VoltageControl(0, kVoltageLabel), K::Label, "Receive_Voltage", kMon, nullptr, 1),
    Item(VoltageControl(0, kVoltageMinEdit), K::NumericEdit, kVoltage1MinItem),
    Fixed(VoltageControl(0, kVoltageDash), K::Label, "～"),
    Item(VoltageControl(0, kVoltageMaxEdit), K::NumericEdit, kVoltage1MaxItem),
    Fixed(VoltageControl(0, kVoltageUnit), K::Label, "V"),
    Item(VoltageControl(1, kVoltageBox), K::CheckBox, 0),
    Keyed(VoltageControl(1, kVoltageLabel), K::Label, "Receive_Voltage", kMon, nullptr, 2),
    Item(VoltageControl(1, kVoltageMinEdit), K::NumericEdit, kVoltage2MinItem),
    Fixed(VoltageControl(1, kVoltageDash), K::Label, "～"),
    Item(VoltageControl(1, kVoltageMaxEdit), K::NumericEdit, kVoltage2MaxItem),
    Fixed(VoltageControl(1, kVoltageUnit), K::Label, "V"),
    Keyed(kMailTitle, K::Title, "EMail_Title"),
    Keyed(kMailOnLabel, K::Label, "EMail_Open"),
    Item(kMailOnBox, K::CheckBox, 0),
    Keyed(kWarningNumLabel, K::Label, "EMail_Warning_Num"),
    Keyed(kWarningNumBack, K::Label, "EMail_Warning_Num_Back"),
    Item(kWarningNumEdit, K::NumericEdit, kWarningNumItem),
    Keyed(kReturnLabel, K::Label, "EMail_Return_To_Work"),
    Item(kReturnBox, K::CheckBox, 0),
    Keyed(kRecipientTitle, K::Label, "Address_Table"),
    Keyed(kAdd, K::Button, "Address_Add", kMon, "..."),
    Item(kRecipientTable, K::Table, 0),
    Keyed(kDelete, K::Button, "Delete", kCommon),
    Keyed(kModify, K::Button, "Modify", kCommon, "..."),
    Keyed(kSendingAccount, K::Button, "EmailSenderDlg_Title", kMon, "..."),
    Keyed(kTest, K::Button, "EMail_Test"),
};

using Data = CMonitorInterfaceData;

constexpr std::array kBoxes{
    SSettingBox{kVideoInputBox, kVideoInputLabel, [](Data& d) -> int32_t& { return d.senderSetting.bVideoInputError; },
                true, -1, -1},
    SSettingBox{kLockBox, kLockLabel, [](Data& d) -> int32_t& { return d.senderSetting.bLock; }, true, -1, -1},
    SSettingBox{kBlackBox, kBlackLabel, [](Data& d) -> int32_t& { return d.senderSetting.bBlack; }, true, -1, -1},
    SSettingBox{kBrightnessBox, kBrightnessLabel, [](Data& d) -> int32_t& { return d.senderSetting.bBrightnessZero; },
                true, -1, -1},
    SSettingBox{kTemperatureBox, kTemperatureLabel, [](Data& d) -> int32_t& { return d.receiverSetting.bTemperature; },
                true, kTemperatureAbove, kTemperatureAlarm},
    SSettingBox{kHumidityBox, kHumidityLabel, [](Data& d) -> int32_t& { return d.receiverSetting.bHumidity; }, true,
                kHumidityAbove, kHumidityAlarm},
    SSettingBox{kPower1Box, kPower1Label, [](Data& d) -> int32_t& { return d.receiverSetting.bPowerSupply1; }, true, -1,
                -1},
    SSettingBox{kPower2Box, kPower2Label, [](Data& d) -> int32_t& { return d.receiverSetting.bPowerSupply2; }, true, -1,
                -1},
    SSettingBox{VoltageControl(0, kVoltageBox), VoltageControl(0, kVoltageLabel),
                [](Data& d) -> int32_t& { return d.receiverSetting.bVoltage1; }, true,
                VoltageControl(0, kVoltageMinEdit), VoltageControl(0, kVoltageUnit)},
    SSettingBox{VoltageControl(1, kVoltageBox), VoltageControl(1, kVoltageLabel),
                [](Data& d) -> int32_t& { return d.receiverSetting.bVoltage2; }, true,
                VoltageControl(1, kVoltageMinEdit), VoltageControl(1, kVoltageUnit)},
    SSettingBox{kMailOnBox, kMailOnLabel, [](Data& d) -> int32_t& { return d.emailSetting.bEnable; }, false, -1, -1},
    SSettingBox{kReturnBox, kReturnLabel, [](Data& d) -> int32_t& { return d.emailSetting.bReturnToWork; }, false, -1,
                -1},
};

constexpr std::array kEdits{
    SSettingEdit{kTemperatureEdit, kTemperatureItem, ESettingValue::Temperature,
                 [](const Data& d) -> double { return d.receiverSetting.nTemperature; },
                 [](Data& d, double v) { d.receiverSetting.nTemperature = static_cast<int32_t>(v); }},
    SSettingEdit{kHumidityEdit, kHumidityItem, ESettingValue::Humidity,
                 [](const Data& d) -> double { return d.receiverSetting.nHumidity; },
                 [](Data& d, double v) { d.receiverSetting.nHumidity = static_cast<int32_t>(v); }},
    SSettingEdit{kWarningNumEdit, kWarningNumItem, ESettingValue::WarningNum,
                 [](const Data& d) -> double { return d.emailSetting.nWarningNum; },
                 [](Data& d, double v) { d.emailSetting.nWarningNum = static_cast<int32_t>(v); }},
    SSettingEdit{VoltageControl(0, kVoltageMinEdit), kVoltage1MinItem, ESettingValue::Voltage,
                 [](const Data& d) -> double { return d.receiverSetting.fVoltage1Min; },
                 [](Data& d, double v) { d.receiverSetting.fVoltage1Min = static_cast<float>(v); }},
    SSettingEdit{VoltageControl(0, kVoltageMaxEdit), kVoltage1MaxItem, ESettingValue::Voltage,
                 [](const Data& d) -> double { return d.receiverSetting.fVoltage1Max; },
                 [](Data& d, double v) { d.receiverSetting.fVoltage1Max = static_cast<float>(v); }},
    SSettingEdit{VoltageControl(1, kVoltageMinEdit), kVoltage2MinItem, ESettingValue::Voltage,
                 [](const Data& d) -> double { return d.receiverSetting.fVoltage2Min; },
                 [](Data& d, double v) { d.receiverSetting.fVoltage2Min = static_cast<float>(v); }},
    SSettingEdit{VoltageControl(1, kVoltageMaxEdit), kVoltage2MaxItem, ESettingValue::Voltage,
                 [](const Data& d) -> double { return d.receiverSetting.fVoltage2Max; },
                 [](Data& d, double v) { d.receiverSetting.fVoltage2Max = static_cast<float>(v); }},
};

template <class Table, class Pred>
const typename Table::value_type* FindIn(const Table& table, Pred pred)
{
    const auto it = std::find_if(table.begin(), table.end(), pred);
    return it == table.end() ? nullptr : &*it;
}

} // namespace

std::span<const SSettingControl> SettingControls() { return kControls; }

const SSettingControl* FindSettingControl(int index)
{
    return FindIn(kControls, [index](const SSettingControl& c) { return c.nIndex == index; });
}

std::span<const SSettingBox> SettingBoxes() { return kBoxes; }

const SSettingBox* FindSettingBox(int box)
{
    return FindIn(kBoxes, [box](const SSettingBox& b) { return b.nBox == box; });
}

const SSettingBox* FindBoxOfLabel(int label)
{
    return FindIn(kBoxes, [label](const SSettingBox& b) { return b.nLabel == label; });
}

std::span<const SSettingEdit> SettingEdits() { return kEdits; }

const SSettingEdit* FindSettingEditByItem(UINT itemId)
{
    return FindIn(kEdits, [itemId](const SSettingEdit& e) { return e.nItemId == itemId; });
}

bool IsTargetWatched(int32_t renderType, const CMonitorInterfaceData& data)
{
    const SRecevierSetting& r = data.receiverSetting;
    switch (renderType) {
    case RENDER_SINGLE_SENDER: return data.senderSetting.bVideoInputError != 0;
    case RENDER_TEMPERATURE: return r.bTemperature != 0;
    case RENDER_HUMIDITY: return r.bHumidity != 0;
    case RENDER_POWER: return r.bPowerSupply1 != 0 || r.bPowerSupply2 != 0;
    case RENDER_VOLTAGE: return r.bVoltage1 != 0 || r.bVoltage2 != 0;
    default: return true;
    }
}

} // namespace setting_page
