// The video inputs of the sender models.
#include "video_catalog.h"

#include <cmath>
#include <cstdio>

namespace sim::hw {
namespace {

enum : uint8_t { kDvi = 1, kHdmi = 2, kDp = 3, kSdi = 4 };

std::vector<SVideoInputRecord> Records(std::initializer_list<uint8_t> types)
{
    std::vector<SVideoInputRecord> list;
    for (uint8_t t : types) {
        SVideoInputRecord r;
        r.dwInputType = t;
        list.push_back(r);
    }
    return list;
}

} // namespace

bool FixedInputs(int model, bool connected, std::vector<SVideoInputRecord>& inputs)
{
    switch (model) {
    case 35: inputs = Records({kDvi, kHdmi}); return true;
    case 4: inputs = Records({kHdmi, kSdi}); return true;
    case 44: // a connected one reports its inputs itself
        if (connected)
            return false;
        inputs = Records({kDvi, kHdmi, kDp});
        return true;
    default: return false;
    }
}

bool InputTypeCodes(int model, std::vector<uint8_t>& codes)
{
    switch (model) {
    case 44: codes = {kDvi, kHdmi, kDp}; return true;
    case 51: codes = {kHdmi, kSdi}; return true;
    case 59: codes = {0x68, 0x6B}; return true;
    default: return false;
    }
}

bool VideoSourceRecords(int model, std::vector<SVideoInputRecord>& inputs)
{
    if (model != 68)
        return false;
    inputs.clear();
    for (uint32_t slot = 1; slot <= 2; ++slot)
        for (uint32_t sub = 0; sub < 4; ++sub) {
            SVideoInputRecord r;
            r.dwPort = slot;
            r.dwInputType = kHdmi;
            r.dwSubIndex = sub;
            inputs.push_back(r);
        }
    return true;
}

std::vector<uint8_t> ExpandTypeCodes(const std::vector<uint8_t>& codes)
{
    std::vector<uint8_t> types;
    for (uint8_t c : codes) {
        if (c >= 0x68 && c <= 0x6B) {
            for (int k = 0; k < 4; ++k)
                types.push_back(static_cast<uint8_t>(4 * c - 0x180 + k));
        } else {
            types.push_back(c);
        }
    }
    return types;
}

std::string InputTypeName(int inputType)
{
    static const char* const kBasic[] = {"", "DVI", "HDMI", "DP", "SDI"};
    static const char* const kGroups[] = {"HDMI", "DVI", "SDI", "DP"}; // 0x20, 0x24, 0x28, 0x2C
    if (inputType >= kDvi && inputType <= kSdi)
        return kBasic[inputType];
    if (inputType >= 0x20 && inputType < 0x30)
        return std::string(kGroups[(inputType - 0x20) / 4]) + " " + std::to_string((inputType - 0x20) % 4 + 1);
    return "Input " + std::to_string(inputType);
}

std::string SlotInputName(uint32_t port, int inputType, int subIndex)
{
    return "Slot " + std::to_string(port) + " " + InputTypeName(inputType) + " " + std::to_string(subIndex + 1);
}

std::vector<InputReading> ModelInputs(int model, uint64_t pick)
{
    std::vector<SVideoInputRecord> records;
    std::vector<uint8_t> codes;
    const bool slots = VideoSourceRecords(model, records);
    if (!slots && InputTypeCodes(model, codes)) {
        for (uint8_t t : ExpandTypeCodes(codes))
            records.push_back(Records({t}).front());
    } else if (!slots) {
        FixedInputs(model, true, records);
    }
    std::vector<InputReading> inputs;
    for (const SVideoInputRecord& r : records) {
        InputReading in;
        in.dwPort = r.dwPort;
        in.dwSubIndex = r.dwSubIndex;
        in.byType = static_cast<uint8_t>(r.dwInputType);
        in.strName = slots ? SlotInputName(r.dwPort, static_cast<int>(r.dwInputType), static_cast<int>(r.dwSubIndex))
                           : InputTypeName(static_cast<int>(r.dwInputType));
        inputs.push_back(std::move(in));
    }
    if (!inputs.empty()) {
        static const double kRates[] = {60.0, 59.94, 50.0};
        const bool large = model == 59 || model == 68;
        inputs.front().signal = {large ? 3840 : 1920, large ? 2160 : 1080, kRates[pick % 3]};
    }
    return inputs;
}

std::string SignalText(const VideoSignal& signal)
{
    if (signal.nWidth <= 0)
        return "unknow video";
    // Hundredths, with trailing zeros left out: 60, 59.9, 59.94.
    const long r = std::lround(signal.dFrameRate * 100);
    char rate[32];
    if (r % 100 == 0)
        std::snprintf(rate, sizeof rate, "%ld", r / 100);
    else if (r % 10 == 0)
        std::snprintf(rate, sizeof rate, "%ld.%ld", r / 100, r % 100 / 10);
    else
        std::snprintf(rate, sizeof rate, "%ld.%02ld", r / 100, r % 100);
    char text[96];
    std::snprintf(text, sizeof text, "%dx%d@%sHz", signal.nWidth, signal.nHeight, rate);
    return text;
}

} // namespace sim::hw
