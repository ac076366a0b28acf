#pragma once
// The texts of warnings: tooltip lines in the user's language (from the
// host's language texts, read once per round), and the names the log and
// the port summaries use. Temperatures in the user's unit.
#include "host/vistrano_settings.h"
#include "host/vistrano_show.h"
#include "sim/hardware.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace sim::hw {

// Tooltip texts, printf formats where they take a value.
struct WarningTexts {
    std::string strNoData;
    std::string strTemperature; // %s: the reading and the limit
    std::string strHumidity;    // %d: percent
    std::string strSmoke;
    std::string strFan;
    std::string strTileDoor;
    std::string strPower1;
    std::string strPower2;
    std::string strVoltage; // %.2f: volts
    std::string strCable;
    std::string strLoopBroken; // %d, %d: first and last receiver
    std::string strSenderOffline;
    std::string strVideoInput;
    std::string strLock;
    std::string strBlack;
    std::string strBrightnessZero;
    SRcvShowWords words; // state words of the value texts
};

// The texts of the host's language: section "MonitorTips", and the value
// words of section "Monitoring".
WarningTexts LanguageTexts();

// Receiver warning bits (WARNING_*) in the order texts list them.
std::span<const uint32_t> ReceiverWarningBits();
// Sender warning bits (SENDER_WARNING_*) in the order texts list them.
std::span<const uint32_t> SenderWarningBits();

// Names for the log and the port summaries: "Over temperature", "Offline"
// ...; empty for an unknown bit.
std::string ReceiverWarningName(uint32_t bit);
std::string SenderWarningName(uint32_t bit);

// "85.0℃", or "185.0℉" with fahrenheit.
std::string TemperatureText(int32_t tenthsCelsius, bool fahrenheit);

// One line per bit of the receiver's word, with the reading and its limit
// where it has them: "Temperature 85.0℃ (> 60℃)".
std::vector<STipLine> ReceiverTipLines(const ReceiverValues& v, uint32_t word, const SRecevierSetting& s,
                                       bool fahrenheit, const WarningTexts& texts);
std::vector<STipLine> SenderTipLines(uint32_t word, const WarningTexts& texts);

// A port's summary: "Not connected", the broken loop, and per warning bit
// the number of receivers that have it ("Over temperature: 3 receivers").
// loopFirst -1: the loop is whole.
std::vector<STipLine> PortTipLines(bool connected, const std::vector<uint32_t>& receiverWords, int loopFirst,
                                   int loopLast, const WarningTexts& texts);

} // namespace sim::hw
