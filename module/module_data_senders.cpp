// CModuleData: the per-sender questions, answered from the detect snapshot
// while monitoring runs and from the sender logic otherwise, and the input
// signal texts of the current sender.
#include "module/module_data.h"

#include "host/host_enums.h"
#include "host/hwbridge.h"
#include "host/vistrano_data.h"
#include "module/module_globals.h"
#include "module/sender_rules.h"
#include "platform/format.h"
#include "video/signal_format.h"

#include <algorithm>

namespace {

int AddressMode() { return g_pSenderLogic ? g_pSenderLogic->GetAddressMode() : 0; }

int DetectStrategy() { return g_pConfigData ? g_pConfigData->GetDetectStrategy() : 0; }

// Senders reached at the addresses the user specified.
bool SpecifiedAddresses() { return AddressMode() && DetectStrategy() == DETECT_STRATEGY_SPECIFIED_IP; }

std::string DetectedFormat(const SDetectSenderData* record, const SInputSignalSetting& input)
{
    const SInputSignalInfo* detected = record ? FindDetectedInput(*record, input) : nullptr;
    if (!detected)
        return GetLanguageString("UnKnown", "Common");
    if (detected->nWidth == 0)
        return GetLanguageString("Unconnected", "Common");
    return plat::Format("%dx%d@%sHz", detected->nWidth, detected->nHeight, FrameRateText(detected->dFrameRate));
}

} // namespace

bool CModuleData::IsMonitoring() const { return g_pMonitorThreadMgr && g_pMonitorThreadMgr->IsMonitoring(); }

uint32_t CModuleData::GetSenderDetectId(int32_t sender) const
{
    if (!g_pRuntimeData)
        return 0;
    if (AddressMode() && DetectStrategy() != DETECT_STRATEGY_SPECIFIED_IP)
        return g_pRuntimeData->GetSenderIDbyIndexForNotSpecifyIP(sender);
    return g_pRuntimeData->GetSenderIDbyIndex(sender);
}

const SDetectSenderData* CModuleData::FindSenderRecord(int32_t sender) const
{
    return m_snapshot->detect.GetSenderData(GetSenderDetectId(sender));
}

int CModuleData::CurDetectSenderInSnapshot() const
{
    const auto& records = m_snapshot->detect.GetAllSenderData();
    if (records.empty() || !g_pRuntimeData || !SpecifiedAddresses())
        return 0;
    // Records are ordered by identifier: the first is the lowest.
    const std::vector<uint32_t> ids = g_pRuntimeData->GetSetIPArray();
    const auto it = std::find(ids.begin(), ids.end(), records.begin()->first);
    return it == ids.end() ? 0 : static_cast<int>(it - ids.begin());
}

// One question: from the sender's record while monitoring (a null record
// when it has none), else from the sender logic; `none` without either.
template <class T, class FromRecord, class FromLogic>
T CModuleData::AskSender(int32_t sender, T none, FromRecord fromRecord, FromLogic fromLogic)
{
    if (IsMonitoring()) {
        std::lock_guard lock(m_lock);
        return fromRecord(FindSenderRecord(sender));
    }
    return g_pSenderLogic ? fromLogic(*g_pSenderLogic) : none;
}

int CModuleData::IsSenderDetected(int32_t sender)
{
    return AskSender(
        sender, 0, [](const SDetectSenderData* r) { return r ? 1 : 0; },
        [sender](ISenderLogic& logic) { return logic.IsSenderDetected(sender); });
}

int CModuleData::GetSenderTypeCode(int32_t sender)
{
    return AskSender(
        sender, 0, [](const SDetectSenderData* r) { return r ? static_cast<int>(r->byType) : 0; },
        [sender](ISenderLogic& logic) { return logic.GetSenderTypeCode(sender); });
}

uint32_t CModuleData::GetSenderStatusWord(int32_t sender)
{
    return AskSender(
        sender, 0u, [](const SDetectSenderData* r) { return r ? r->dwStatus : 0u; },
        [sender](ISenderLogic& logic) { return logic.GetSenderStatusWord(sender); });
}

int CModuleData::GetSenderTreeValue(int32_t sender)
{
    return AskSender(
        sender, 0, [](const SDetectSenderData* r) { return r ? static_cast<int>(r->nTreeValue) : 0; },
        [sender](ISenderLogic& logic) { return logic.GetSenderTreeValue(sender); });
}

std::string CModuleData::GetSenderName(int32_t sender)
{
    return AskSender(
        sender, std::string(), [](const SDetectSenderData* r) { return r ? r->strName : std::string(); },
        [sender](ISenderLogic& logic) { return logic.GetSenderName(sender); });
}

int CModuleData::IsPortConnected(int32_t sender, int32_t port)
{
    return AskSender(
        sender, 0,
        [port](const SDetectSenderData* r) {
            return r ? IsPortConnectedInMask(r->byType, r->nModel, r->dwPortMask, port) : 0;
        },
        [sender, port](ISenderLogic& logic) { return logic.IsPortConnected(sender, port); });
}

int CModuleData::IsFiberSender()
{
    if (IsMonitoring()) {
        std::lock_guard lock(m_lock);
        const SDetectSenderData* r = FindSenderRecord(CurDetectSenderInSnapshot());
        return r && r->byType == kFiberSenderType && r->nModel == kFiberSenderModel ? 1 : 0;
    }
    return g_pSenderLogic ? g_pSenderLogic->IsFiberSender() : 0;
}

int CModuleData::GetDetectedSenderCount()
{
    if (IsMonitoring()) {
        std::lock_guard lock(m_lock);
        return m_snapshot->detect.GetSenderDataCount();
    }
    return g_pSenderLogic ? g_pSenderLogic->GetDetectedSenderCount() : 0;
}

int CModuleData::GetCurDetectSender()
{
    if (IsMonitoring()) {
        std::lock_guard lock(m_lock);
        return CurDetectSenderInSnapshot();
    }
    return g_pSenderLogic ? g_pSenderLogic->GetCurDetectSender() : 0;
}

int CModuleData::IsSenderChanged(int32_t sender)
{
    // The type code the sender's video input settings were made for: the
    // first nonzero one among its entries.
    int recorded = 0;
    {
        std::lock_guard lock(m_lock);
        for (const SInputSignalSetting& input : m_snapshot->settings.senderSetting.arrInputSignal)
            if (input.dwSender == static_cast<uint32_t>(sender) && input.byValue1 != 0) {
                recorded = input.byValue1;
                break;
            }
    }
    int present = 0;
    if (IsMonitoring()) {
        std::lock_guard lock(m_lock);
        const SDetectSenderData* r = FindSenderRecord(sender);
        if (!r)
            return 0;
        present = r->byType;
    } else {
        // Off line a sender that was not detected has no type code (0).
        present = g_pSenderLogic ? g_pSenderLogic->GetSenderTypeCode(sender) : 0;
        if (present == 0)
            return 0;
    }
    return present != recorded ? 1 : 0;
}

void CModuleData::GetInputSignalTexts(std::map<uint32_t, std::string>& texts)
{
    texts.clear();
    if (!g_pProjectData)
        return;
    const uint32_t current = static_cast<uint32_t>(g_pProjectData->GetCurSenderIndex());
    const bool monitoring = IsMonitoring();
    std::lock_guard lock(m_lock);
    const SDetectSenderData* record = monitoring ? FindSenderRecord(static_cast<int32_t>(current)) : nullptr;
    uint32_t k = 0;
    for (const SInputSignalSetting& input : m_snapshot->settings.senderSetting.arrInputSignal) {
        if (input.dwSender != current)
            continue;
        // The input's number fills the key's upper 16 bits.
        if (k + 1 > 0xFFFF)
            break;
        const uint32_t key = (k + 1) << 16;
        texts[key] = input.strSignal;
        texts[key | 1] = input.nValue3 ? StoredSignalText(input.nValue4, input.nValue5, input.dValue)
                                       : GetLanguageString("Unsetted", "Monitoring");
        if (monitoring)
            texts[key | 2] = DetectedFormat(record, input);
        ++k;
    }
}
