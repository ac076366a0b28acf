#include "video/video_inputs.h"

#include "video/signal_format.h"

#include <algorithm>

namespace {

// Type codes that stand for four inputs each.
constexpr uint8_t kFirstGroupCode = 0x68;
constexpr uint8_t kLastGroupCode = 0x6B;

SVideoInputRecord InputOfType(uint32_t type)
{
    SVideoInputRecord input;
    input.dwInputType = type;
    return input;
}

bool SameInput(const SVideoInputRecord& a, const SVideoInputRecord& b)
{
    return a.dwInputType == b.dwInputType && a.dwPort == b.dwPort && a.dwSubIndex == b.dwSubIndex;
}

// The entry of one row for a sender; the row's format is usable.
SInputSignalSetting EntryOf(const SVideoInputRow& row, uint32_t sender, int model, const std::string& name)
{
    const SSignalFormat format = ParseUsableSignalFormat(row.strFormat).value_or(SSignalFormat{});
    SInputSignalSetting entry;
    entry.dwSender = sender;
    entry.byValue1 = static_cast<uint8_t>(model);
    entry.byValue2 = static_cast<uint8_t>(row.input.dwInputType);
    entry.nValue1 = static_cast<int32_t>(row.input.dwPort);
    entry.nValue2 = static_cast<int32_t>(row.input.dwSubIndex);
    entry.nValue3 = row.bResolutionCheck ? 1 : 0;
    entry.nValue4 = format.nWidth;
    entry.nValue5 = format.nHeight;
    entry.dValue = format.dRefresh;
    entry.strSignal = name;
    return entry;
}

std::size_t EraseSender(SSenderSetting& settings, uint32_t sender)
{
    return std::erase_if(settings.arrInputSignal,
                         [sender](const SInputSignalSetting& e) { return e.dwSender == sender; });
}

} // namespace

std::vector<SVideoInputRecord> InputsOfTypeCodes(const std::vector<uint8_t>& codes)
{
    std::vector<SVideoInputRecord> inputs;
    const std::size_t count = std::min(codes.size(), kMaxInputTypeCodes);
    for (std::size_t i = 0; i < count && inputs.size() < kMaxVideoInputs; ++i) {
        const uint8_t code = codes[i];
        if (code < kFirstGroupCode || code > kLastGroupCode) {
            inputs.push_back(InputOfType(code));
            continue;
        }
        for (uint32_t k = 0; k < 4 && inputs.size() < kMaxVideoInputs; ++k)
            inputs.push_back(InputOfType(4u * code - 0x180u + k));
    }
    return inputs;
}

SSenderInputs ReadSenderInputs(IVideoSourceLogic& logic, uint32_t sender, int model, bool connected, bool videoSource)
{
    SSenderInputs result{sender, model, videoSource, {}, {}};
    const int index = static_cast<int>(sender);
    std::vector<SVideoInputRecord>& inputs = result.inputs;
    if (!logic.GetFixedInputs(model, connected ? 1 : 0, inputs)) {
        inputs.clear();
        std::vector<uint8_t> codes;
        if (connected && videoSource) {
            if (!logic.GetInputRecords(index, inputs))
                inputs.clear();
        } else if (connected && logic.GetInputTypeCodes(index, codes)) {
            inputs = InputsOfTypeCodes(codes);
        }
    }
    if (inputs.size() > kMaxVideoInputs)
        inputs.resize(kMaxVideoInputs);
    for (const SVideoInputRecord& input : inputs) {
        const int type = static_cast<int>(input.dwInputType);
        result.names.push_back(
            videoSource ? logic.GetInputName(model, input.dwPort, type, static_cast<int>(input.dwSubIndex), 1)
                        : logic.GetInputName(model, type));
    }
    return result;
}

int RecordedModelCode(const SSenderSetting& settings, uint32_t sender)
{
    for (const SInputSignalSetting& entry : settings.arrInputSignal)
        if (entry.dwSender == sender && entry.byValue1 != 0)
            return entry.byValue1;
    return 0;
}

bool ResetOnModelChange(SSenderSetting& settings, uint32_t sender, int detectedModel)
{
    if (detectedModel == 0 || detectedModel == RecordedModelCode(settings, sender))
        return false;
    return EraseSender(settings, sender) != 0;
}

bool EntryNamesInput(const SInputSignalSetting& entry, const SSenderInputs& sender, const SVideoInputRecord& input)
{
    if (entry.dwSender != sender.dwSender || entry.byValue2 != input.dwInputType)
        return false;
    return !sender.bVideoSource
        || (static_cast<uint32_t>(entry.nValue1) == input.dwPort
            && static_cast<uint32_t>(entry.nValue2) == input.dwSubIndex);
}

std::vector<SVideoInputRow> RowsOf(const SSenderInputs& sender, const SSenderSetting& settings)
{
    std::vector<SVideoInputRow> rows;
    for (std::size_t i = 0; i < sender.inputs.size(); ++i) {
        SVideoInputRow row{sender.inputs[i], i < sender.names.size() ? sender.names[i] : std::string(), 0, 0,
                           kDefaultSignalText};
        const auto entry
            = std::find_if(settings.arrInputSignal.begin(), settings.arrInputSignal.end(),
                           [&](const SInputSignalSetting& e) { return EntryNamesInput(e, sender, row.input); });
        if (entry != settings.arrInputSignal.end()) {
            row.bEnabled = 1;
            row.bResolutionCheck = entry->nValue3 ? 1 : 0;
            row.strFormat = StoredSignalText(entry->nValue4, entry->nValue5, entry->dValue);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

int FirstUnusableRow(const std::vector<SVideoInputRow>& rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].bEnabled && !ParseUsableSignalFormat(rows[i].strFormat))
            return static_cast<int>(i);
    return -1;
}

void StoreRows(SSenderSetting& settings, const SSenderInputs& sender, const std::vector<SVideoInputRow>& rows)
{
    EraseSender(settings, sender.dwSender);
    for (const SVideoInputRow& row : rows)
        if (row.bEnabled)
            settings.arrInputSignal.push_back(EntryOf(row, sender.dwSender, sender.nModel, row.strName));
}

void StoreRowsForAll(SSenderSetting& settings, const std::vector<SVideoInputRow>& rows,
                     const std::vector<SSenderInputs>& senders)
{
    // A sender whose inputs could not be read (not connected, no fixed
    // list) keeps what it has: nothing is known to match or not.
    std::erase_if(settings.arrInputSignal, [&](const SInputSignalSetting& entry) {
        return std::any_of(senders.begin(), senders.end(),
                           [&](const SSenderInputs& s) { return s.dwSender == entry.dwSender && !s.inputs.empty(); });
    });
    for (const SSenderInputs& sender : senders)
        for (const SVideoInputRow& row : rows) {
            if (!row.bEnabled)
                continue;
            for (std::size_t i = 0; i < sender.inputs.size(); ++i)
                if (SameInput(sender.inputs[i], row.input))
                    settings.arrInputSignal.push_back(EntryOf(row, sender.dwSender, sender.nModel,
                                                              i < sender.names.size() ? sender.names[i] : row.strName));
        }
}
