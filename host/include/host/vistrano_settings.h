#pragma once
// The monitoring settings of a project: what is watched on senders and
// receiving cards, with thresholds, and the alert e-mail. Plain value
// records; a plug-in compiles their inline members into itself.
#include "host/host_api.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

// Rounds half away from zero. A value beyond the 32-bit range gives the
// nearest end of it and one that is not a number gives 0: a threshold read
// from a file or typed in is never trusted to fit.
inline int32_t RoundHalfAwayFromZero(double v)
{
    if (std::isnan(v))
        return 0;
    const double rounded = std::round(v);
    if (rounded >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(rounded);
}

// Temperatures are stored in degrees Celsius and shown in Fahrenheit when
// the configuration asks for it.
inline int32_t CelsiusToFahrenheit(int32_t celsius) { return RoundHalfAwayFromZero(celsius * 1.8 + 32); }

inline int32_t FahrenheitToCelsius(int32_t fahrenheit) { return RoundHalfAwayFromZero((fahrenheit - 32.0) / 1.8); }

// Expected signal of one monitored video input of a sender.
struct HOST_RECORD_API SInputSignalSetting {
    uint32_t dwSender = 0; // sender index
    uint8_t byValue1 = 0;  // the sender's model code
    uint8_t byValue2 = 0;  // input type
    int32_t nValue1 = 0;   // port word
    int32_t nValue2 = 0;   // sub-index
    int32_t nValue3 = 0;   // resolution check on
    int32_t nValue4 = 0;   // width
    int32_t nValue5 = 0;   // height
    double dValue = 0.0;   // refresh rate, Hz
    std::string strSignal; // input name

    bool operator!=(const SInputSignalSetting& o) const
    {
        return dwSender != o.dwSender || byValue1 != o.byValue1 || byValue2 != o.byValue2 || nValue1 != o.nValue1
            || nValue2 != o.nValue2 || nValue3 != o.nValue3 || nValue4 != o.nValue4 || nValue5 != o.nValue5
            || dValue != o.dValue || strSignal != o.strSignal;
    }
};

// What is watched on senders.
struct HOST_RECORD_API SSenderSetting {
    int32_t bVideoInputError;
    int32_t bLock;
    int32_t bBlack;
    int32_t bBrightnessZero;
    std::vector<SInputSignalSetting> arrInputSignal;

    SSenderSetting() { SetToDefault(); }
    SSenderSetting(const SSenderSetting&) = default;
    SSenderSetting& operator=(const SSenderSetting&) = default;

    void SetToDefault()
    {
        bVideoInputError = 1;
        bLock = 1;
        bBlack = 1;
        bBrightnessZero = 1;
        arrInputSignal.clear();
    }

    bool operator!=(const SSenderSetting& o) const
    {
        if (bVideoInputError != o.bVideoInputError || bBlack != o.bBlack || bLock != o.bLock
            || bBrightnessZero != o.bBrightnessZero)
            return true;
        if (arrInputSignal.size() != o.arrInputSignal.size())
            return true;
        for (std::size_t i = 0; i < arrInputSignal.size(); ++i)
            if (arrInputSignal[i] != o.arrInputSignal[i])
                return true;
        return false;
    }
};

// What is watched on receiving cards, with thresholds. The temperature
// threshold is always in degrees Celsius.
struct HOST_RECORD_API SRecevierSetting {
    int32_t bTemperature;
    int32_t nTemperature;
    int32_t bHumidity;
    int32_t nHumidity;
    int32_t bSmoke;
    int32_t bFan;
    int32_t bTileDoor;
    int32_t bPowerSupply1;
    int32_t bPowerSupply2;
    int32_t bVoltage1;
    float fVoltage1Min;
    float fVoltage1Max;
    int32_t bVoltage2;
    float fVoltage2Min;
    float fVoltage2Max;
    int32_t bCableDetection;

    SRecevierSetting() { SetToDefault(); }
    SRecevierSetting(const SRecevierSetting&) = default;
    SRecevierSetting& operator=(const SRecevierSetting&) = default;

    void SetToDefault()
    {
        bTemperature = 1;
        nTemperature = 60;
        bHumidity = 0;
        nHumidity = 85;
        bSmoke = 0;
        bFan = 0;
        bTileDoor = 0;
        bPowerSupply1 = 0;
        bPowerSupply2 = 0;
        bVoltage1 = 0;
        fVoltage1Min = 5.0f;
        fVoltage1Max = 12.0f;
        bVoltage2 = 0;
        fVoltage2Min = 5.0f;
        fVoltage2Max = 12.0f;
        bCableDetection = 0;
    }

    // Voltages closer than a hundred-thousandth of a volt count as equal.
    static bool VoltageDiffers(float a, float b) { return !(b - 0.00001 <= a && a <= b + 0.00001); }

    bool operator!=(const SRecevierSetting& o) const
    {
        return bTemperature != o.bTemperature || nTemperature != o.nTemperature || bHumidity != o.bHumidity
            || nHumidity != o.nHumidity || bSmoke != o.bSmoke || bFan != o.bFan || bTileDoor != o.bTileDoor
            || bPowerSupply1 != o.bPowerSupply1 || bPowerSupply2 != o.bPowerSupply2 || bVoltage1 != o.bVoltage1
            || VoltageDiffers(fVoltage1Min, o.fVoltage1Min) || VoltageDiffers(fVoltage1Max, o.fVoltage1Max)
            || bVoltage2 != o.bVoltage2 || VoltageDiffers(fVoltage2Min, o.fVoltage2Min)
            || VoltageDiffers(fVoltage2Max, o.fVoltage2Max) || bCableDetection != o.bCableDetection;
    }
};

// One alert-mail recipient.
struct HOST_RECORD_API SMailInfo {
    std::string strName;
    std::string strAddress;

    bool operator!=(const SMailInfo& o) const { return strName != o.strName || strAddress != o.strAddress; }
};

// The account alert mail is sent from when the user set none.
inline constexpr const char* kDefaultMailSender = "monitor.alert@quarnmail.com";
inline constexpr const char* kDefaultMailPassword = "Pxvrkd7";
inline constexpr const char* kDefaultMailSmtp = "smtp.quarnmail.com";
inline constexpr int32_t kDefaultMailPort = 465;
// Most recipients an alert mail has.
inline constexpr int kMaxMailRecipients = 15;

// The alert e-mail: switch, options, sending account and recipients.
struct HOST_RECORD_API SEmailSetting {
    int32_t bEnable;
    int32_t bReturnToWork;
    int32_t bSSL;
    int32_t nWarningNum;
    int32_t nPort;
    std::string strSender;
    std::string strPassword;
    std::string strSmtp;
    std::vector<SMailInfo> arrMail;

    SEmailSetting() { SetToDefault(); }
    SEmailSetting(const SEmailSetting&) = default;
    SEmailSetting& operator=(const SEmailSetting&) = default;

    void SetToDefault()
    {
        bEnable = 0;
        bReturnToWork = 1;
        bSSL = 1;
        nWarningNum = 3;
        nPort = kDefaultMailPort;
        strSender = kDefaultMailSender;
        strPassword = kDefaultMailPassword;
        strSmtp = kDefaultMailSmtp;
        arrMail.clear();
    }

    bool operator!=(const SEmailSetting& o) const
    {
        if (bEnable != o.bEnable || bReturnToWork != o.bReturnToWork || bSSL != o.bSSL || nWarningNum != o.nWarningNum
            || nPort != o.nPort)
            return true;
        if (strSender != o.strSender || strPassword != o.strPassword || strSmtp != o.strSmtp)
            return true;
        if (arrMail.size() != o.arrMail.size())
            return true;
        for (std::size_t i = 0; i < arrMail.size(); ++i)
            if (arrMail[i] != o.arrMail[i])
                return true;
        return false;
    }
};

// Refresh interval the monitoring settings start with, in seconds.
inline constexpr int32_t kDefaultRefreshInterval = 30;

// The monitoring settings of a project as one record.
class HOST_RECORD_API CMonitorInterfaceData {
public:
    int32_t nRefreshInterval; // seconds
    SSenderSetting senderSetting;
    SRecevierSetting receiverSetting;
    SEmailSetting emailSetting;

    CMonitorInterfaceData() { SetToDefault(); }
    CMonitorInterfaceData(const CMonitorInterfaceData&) = default;
    CMonitorInterfaceData& operator=(const CMonitorInterfaceData&) = default;

    void SetToDefault()
    {
        nRefreshInterval = kDefaultRefreshInterval;
        senderSetting.SetToDefault();
        receiverSetting.SetToDefault();
        emailSetting.SetToDefault();
    }

    bool operator!=(const CMonitorInterfaceData& o) const
    {
        return nRefreshInterval != o.nRefreshInterval || senderSetting != o.senderSetting
            || receiverSetting != o.receiverSetting || emailSetting != o.emailSetting;
    }
};
