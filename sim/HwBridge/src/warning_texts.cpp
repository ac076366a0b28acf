// Texts of warnings.
#include "warning_texts.h"

#include "host/host_enums.h"

#include <bit>
#include <cstdio>

namespace sim::hw {
namespace {

struct Named {
    uint32_t bit;
    const char* name;
};

const Named kReceiverNames[] = {
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

const Named kSenderNames[] = {
    {SENDER_WARNING_OFFLINE, "Offline"},
    {SENDER_WARNING_VIDEO_INPUT, "Video input error"},
    {SENDER_WARNING_LOCK, "Output locked"},
    {SENDER_WARNING_BLACK, "Black screen"},
    {SENDER_WARNING_BRIGHTNESS_ZERO, "Brightness zero"},
};

template <std::size_t N>
std::vector<uint32_t> Bits(const Named (&table)[N])
{
    std::vector<uint32_t> bits;
    for (const Named& n : table)
        bits.push_back(n.bit);
    return bits;
}

template <std::size_t N>
std::string NameOf(const Named (&table)[N], uint32_t bit)
{
    for (const Named& n : table)
        if (n.bit == bit)
            return n.name;
    return {};
}

std::string Format(const char* format, double a, double b = 0, double c = 0)
{
    char buf[128];
    std::snprintf(buf, sizeof buf, format, a, b, c);
    return buf;
}

std::string VoltageDetail(int32_t volts100, float min, float max)
{
    return Format(": %.2fV (%.2f-%.2fV)", volts100 / 100.0, min, max);
}

// The reading behind one warning bit, as text to follow its name.
std::string Detail(uint32_t bit, const ReceiverValues& v, const SRecevierSetting& s, bool fahrenheit)
{
    constexpr int32_t none = ReceiverValues::kNoSensor;
    switch (bit) {
    case WARNING_TEMPERATURE: {
        if (v.nTemperature10 == none)
            return {};
        const int32_t limit = fahrenheit ? CelsiusToFahrenheit(s.nTemperature) : s.nTemperature;
        return ": " + TemperatureText(v.nTemperature10, fahrenheit) + " (limit " + std::to_string(limit)
             + (fahrenheit ? "\u2109)" : "\u2103)");
    }
    case WARNING_HUMIDITY:
        return v.nHumidity == none ? std::string()
                                   : ": " + std::to_string(v.nHumidity) + "% (limit " + std::to_string(s.nHumidity) + "%)";
    case WARNING_FAN:
        return v.nFanRpm == none ? std::string() : ": " + std::to_string(v.nFanRpm) + "rpm";
    case WARNING_VOLTAGE1:
        return v.nVoltage1_100 == none ? std::string() : VoltageDetail(v.nVoltage1_100, s.fVoltage1Min, s.fVoltage1Max);
    case WARNING_VOLTAGE2:
        return v.nVoltage2_100 == none ? std::string() : VoltageDetail(v.nVoltage2_100, s.fVoltage2Min, s.fVoltage2Max);
    default:
        return {};
    }
}

} // namespace

const std::vector<uint32_t>& ReceiverWarningBits()
{
    static const std::vector<uint32_t> bits = Bits(kReceiverNames);
    return bits;
}

const std::vector<uint32_t>& SenderWarningBits()
{
    static const std::vector<uint32_t> bits = Bits(kSenderNames);
    return bits;
}

std::string ReceiverWarningName(uint32_t bit) { return NameOf(kReceiverNames, bit); }
std::string SenderWarningName(uint32_t bit) { return NameOf(kSenderNames, bit); }

std::string TemperatureText(int32_t tenthsCelsius, bool fahrenheit)
{
    const double c = tenthsCelsius / 10.0;
    return fahrenheit ? Format("%.1f\u2109", c * 1.8 + 32) : Format("%.1f\u2103", c);
}

std::vector<STipLine> ReceiverTipLines(const ReceiverValues& v, uint32_t word, const SRecevierSetting& s,
                                       bool fahrenheit)
{
    std::vector<STipLine> lines;
    for (uint32_t bit : ReceiverWarningBits())
        if (word & bit)
            lines.push_back({bit, ReceiverWarningName(bit) + Detail(bit, v, s, fahrenheit)});
    return lines;
}

std::vector<STipLine> SenderTipLines(uint32_t word)
{
    std::vector<STipLine> lines;
    for (uint32_t bit : SenderWarningBits())
        if (word & bit)
            lines.push_back({bit, SenderWarningName(bit)});
    return lines;
}

std::vector<STipLine> PortTipLines(bool connected, const std::vector<uint32_t>& receiverWords, int loopFirst,
                                   int loopLast)
{
    std::vector<STipLine> lines;
    if (!connected && !receiverWords.empty())
        lines.push_back({WARNING_NO_DATA, "Not connected"});
    if (loopFirst >= 0)
        lines.push_back({WARNING_NO_DATA | WARNING_CABLE, "Loop broken: receivers " + std::to_string(loopFirst + 1) + "-"
                                                            + std::to_string(loopLast + 1) + " reached from the loop's end"});
    int counts[32] = {};
    for (uint32_t w : receiverWords)
        for (; w; w &= w - 1)
            ++counts[std::countr_zero(w)];
    for (uint32_t bit : ReceiverWarningBits()) {
        const int count = counts[std::countr_zero(bit) & 31];
        if (count == 0 || (bit == WARNING_NO_DATA && !connected))
            continue;   // "Not connected" says it
        lines.push_back({bit, ReceiverWarningName(bit) + " on " + std::to_string(count)
                                  + (count == 1 ? " receiver" : " receivers")});
    }
    return lines;
}

} // namespace sim::hw
