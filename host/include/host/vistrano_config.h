#pragma once
// The host's configuration (user settings kept between runs) and its
// constant data (fixed resources).
#include <cstdint>
#include <string>

class CConfigData {
public:
    // How senders are found; 2 (DETECT_STRATEGY_SPECIFIED_IP): only at the
    // addresses the user specified.
    virtual int GetDetectStrategy() const = 0;
    // Nonzero when temperatures are shown in degrees Fahrenheit.
    virtual int IsEnableFahrenheit() const = 0;
    // Language identifier of the user interface (2052: simplified Chinese).
    virtual int GetLanguageType() const = 0;
    // Nonzero when the host page `interfaceDlg` is locked against changes.
    virtual int IsInterfaceLocked(int interfaceDlg) const = 0;
    // The specified sender addresses: remove one, then save the list.
    virtual void DeleteSpecifiedIPByIP(uint32_t address) = 0;
    virtual void SpecifiedIPsSave() = 0;

protected:
    virtual ~CConfigData() = default;
};

class CConstantData {
public:
    // Folder of the per-sender background images, with a trailing separator.
    virtual std::string GetBKImagePath() const = 0;
    // File name (within that folder) of sender i's background image.
    virtual std::string GetSenderBKImgName(int i) const = 0;

protected:
    virtual ~CConstantData() = default;
};
