// Texts of warnings.
#include "warning_texts.h"

#include "host/host_enums.h"
#include "platform/format.h"
#include "sim/language.h"

#include <array>
#include <bit>

namespace sim::hw {
namespace {

struct Named {
    uint32_t bit;
    const char* name;
};

constexpr Named kReceiverNames[] = {
    {WARNING_NO_DATA, "No data"},
    {WARNING_TEMPERATURE, "Over temperature"},
    {WARNING_HUMIDITY, "High humidity"},
    {WARNING_SMOKE, "Smoke"},
    {WARNING_FAN, "Fan failure"},
    {WARNING_TILE_DOOR, "Cabinet door open"},
    {WARNING_POWER1, "Power supply 1 failure"},
    {WARNING_POWER2, "Power supply 2 failure"},
    {WARNING_VOLTAGE1, "Voltage 1 out of range"},
    {WARNING_VOLTAGE2, "Voltage 2 out of range"},
    {WARNING_CABLE, "Cable fault"},
};

constexpr Named kSenderNames[] = {
    {SENDER_WARNING_OFFLINE, "Offline"},
    {SENDER_WARNING_VIDEO_INPUT, "Video input error"},
    {SENDER_WARNING_LOCK, "Output not locked"},
    {SENDER_WARNING_BLACK, "Black screen"},
    {SENDER_WARNING_BRIGHTNESS_ZERO, "Brightness zero"},
};

template <std::size_t N>
constexpr std::array<uint32_t, N> Bits(const Named (&table)[N])
{
    std::array<uint32_t, N> bits{};
    for (std::size_t i = 0; i < N; ++i)
        bits[i] = table[i].bit;
    return bits;
}

// Constants, not statics made on first use: a monitoring thread may read
// them while the process ends, after such statics are destroyed.
constexpr auto kReceiverBits = Bits(kReceiverNames);
constexpr auto kSenderBits = Bits(kSenderNames);

template <std::size_t N>
std::string NameOf(const Named (&table)[N], uint32_t bit)
{
    for (const Named& n : table)
        if (n.bit == bit)
            return n.name;
    return {};
}

std::string Volts(int32_t volts100, float min, float max, const WarningTexts& t)
{
    return plat::Format(t.strVoltage, volts100 / 100.0) + plat::Format(" (%.2f-%.2f V)", min, max);
}

// The tooltip line of one warning bit of a receiver.
std::string ReceiverLine(uint32_t bit, const ReceiverValues& v, const SRecevierSetting& s, bool fahrenheit,
                         const WarningTexts& t)
{
    constexpr int32_t none = ReceiverValues::kNoSensor;
    switch (bit) {
    case WARNING_NO_DATA: return t.strNoData;
    case WARNING_TEMPERATURE: {
        const int32_t limit = fahrenheit ? CelsiusToFahrenheit(s.nTemperature) : s.nTemperature;
        const std::string value
            = v.nTemperature10 == none ? std::string("-") : TemperatureText(v.nTemperature10, fahrenheit);
        return plat::Format(t.strTemperature,
                            value + " (> " + std::to_string(limit) + (fahrenheit ? "\u2109)" : "\u2103)"));
    }
    case WARNING_HUMIDITY:
        return plat::Format(t.strHumidity, v.nHumidity == none ? 0 : v.nHumidity) + " (> " + std::to_string(s.nHumidity)
            + "%)";
    case WARNING_SMOKE: return t.strSmoke;
    case WARNING_FAN:
        return t.strFan + (v.nFanRpm == none ? std::string() : " (" + std::to_string(v.nFanRpm) + " rpm)");
    case WARNING_TILE_DOOR: return t.strTileDoor;
    case WARNING_POWER1: return t.strPower1;
    case WARNING_POWER2: return t.strPower2;
    case WARNING_VOLTAGE1: return Volts(v.nVoltage1_100, s.fVoltage1Min, s.fVoltage1Max, t);
    case WARNING_VOLTAGE2: return Volts(v.nVoltage2_100, s.fVoltage2Min, s.fVoltage2Max, t);
    case WARNING_CABLE: return t.strCable;
    default: return {};
    }
}

std::string SenderLine(uint32_t bit, const WarningTexts& t)
{
    switch (bit) {
    case SENDER_WARNING_OFFLINE: return t.strSenderOffline;
    case SENDER_WARNING_VIDEO_INPUT: return t.strVideoInput;
    case SENDER_WARNING_LOCK: return t.strLock;
    case SENDER_WARNING_BLACK: return t.strBlack;
    case SENDER_WARNING_BRIGHTNESS_ZERO: return t.strBrightnessZero;
    default: return {};
    }
}

} // namespace

WarningTexts LanguageTexts()
{
    const auto tip = [](const char* key) { return HostText(key, "MonitorTips"); };
    const auto word = [](const char* key) { return HostText(key, "Monitoring"); };
    WarningTexts t;
    t.strNoData = tip("Tip_NoData");
    t.strTemperature = tip("Tip_Temperature");
    t.strHumidity = tip("Tip_Humidity");
    t.strSmoke = tip("Tip_Smoke");
    t.strFan = tip("Tip_Fan");
    t.strTileDoor = tip("Tip_TileDoor");
    t.strPower1 = tip("Tip_Power1");
    t.strPower2 = tip("Tip_Power2");
    t.strVoltage = tip("Tip_Voltage");
    t.strCable = tip("Tip_Cable");
    t.strLoopBroken = tip("Tip_LoopBroken");
    t.strSenderOffline = tip("Tip_SenderOffline");
    t.strVideoInput = tip("Tip_VideoInput");
    t.strLock = tip("Tip_Lock");
    t.strBlack = tip("Tip_Black");
    t.strBrightnessZero = tip("Tip_BrightnessZero");
    t.words = {word("Value_Normal"), word("Value_Fault"), word("Value_Open"), word("Value_Closed")};
    return t;
}

std::span<const uint32_t> ReceiverWarningBits() { return kReceiverBits; }

std::span<const uint32_t> SenderWarningBits() { return kSenderBits; }

std::string ReceiverWarningName(uint32_t bit) { return NameOf(kReceiverNames, bit); }
std::string SenderWarningName(uint32_t bit) { return NameOf(kSenderNames, bit); }

std::string TemperatureText(int32_t tenthsCelsius, bool fahrenheit)
{
    const double c = tenthsCelsius / 10.0;
    return plat::Format(fahrenheit ? "%.1f\u2109" : "%.1f\u2103", fahrenheit ? c * 1.8 + 32 : c);
}

std::vector<STipLine> ReceiverTipLines(const ReceiverValues& v, uint32_t word, const SRecevierSetting& s,
                                       bool fahrenheit, const WarningTexts& texts)
{
    std::vector<STipLine> lines;
    for (uint32_t bit : ReceiverWarningBits())
        if (word & bit)
            lines.push_back({bit, ReceiverLine(bit, v, s, fahrenheit, texts)});
    return lines;
}

std::vector<STipLine> SenderTipLines(uint32_t word, const WarningTexts& texts)
{
    std::vector<STipLine> lines;
    for (uint32_t bit : SenderWarningBits())
        if (word & bit)
            lines.push_back({bit, SenderLine(bit, texts)});
    return lines;
}

std::vector<STipLine> PortTipLines(bool connected, const std::vector<uint32_t>& receiverWords, int loopFirst,
                                   int loopLast, const WarningTexts& texts)
{
    std::vector<STipLine> lines;
    if (!connected && !receiverWords.empty())
        lines.push_back({WARNING_NO_DATA, "Not connected"});
    if (loopFirst >= 0)
        lines.push_back(
            {WARNING_NO_DATA | WARNING_CABLE, plat::Format(texts.strLoopBroken, loopFirst + 1, loopLast + 1)});
    int counts[32] = {};
    for (uint32_t w : receiverWords)
        for (; w; w &= w - 1)
            ++counts[std::countr_zero(w)];
    for (uint32_t bit : ReceiverWarningBits()) {
        const int count = counts[std::countr_zero(bit) & 31];
        if (count == 0 || (bit == WARNING_NO_DATA && !connected))
            continue; // "Not connected" says it
        lines.push_back(
            {bit, ReceiverWarningName(bit) + ": " + std::to_string(count) + (count == 1 ? " receiver" : " receivers")});
    }
    return lines;
}

} // namespace sim::hw
