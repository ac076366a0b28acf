// The bridge's last knowledge of the hardware.
#include "knowledge.h"

#include "detect_records.h"

namespace sim::hw {
namespace {

std::vector<std::vector<uint8_t>> Answered(const SenderReading& s)
{
    std::vector<std::vector<uint8_t>> ports;
    for (const PortReading& p : s.ports) {
        std::vector<uint8_t> answered(p.receivers.size());
        for (std::size_t k = 0; k < p.receivers.size(); ++k)
            answered[k] = p.receivers[k].bAnswers ? 1 : 0;
        ports.push_back(std::move(answered));
    }
    return ports;
}

} // namespace

void Knowledge::Remember(const HardwareRound& round, bool withReceivers)
{
    m_detected = true;
    m_ids.clear();
    std::map<std::string, KnownSender> senders;
    for (const SenderReading& s : round.senders) {
        m_ids.push_back(s.strId);
        KnownSender& k = senders[s.strId];
        if (auto old = m_senders.find(s.strId); old != m_senders.end() && !withReceivers)
            k.answered = std::move(old->second.answered);
        k.bOnline = s.bOnline;
        k.dwDetectId = s.dwDetectId;
        if (s.bOnline)
            k.record = SenderRecord(s);
        if (withReceivers)
            k.answered = Answered(s);
    }
    m_senders = std::move(senders);
}

void Knowledge::RememberReceivers(const HardwareRound& round, int sender, int port)
{
    for (const SenderReading& s : round.senders) {
        if (sender >= 0 && s.nIndex != sender)
            continue;
        auto it = m_senders.find(s.strId);
        if (it == m_senders.end())
            continue;
        std::vector<std::vector<uint8_t>> fresh = Answered(s);
        auto& answered = it->second.answered;
        answered.resize(fresh.size());
        for (std::size_t p = 0; p < fresh.size(); ++p)
            if (port < 0 || static_cast<int>(p) == port)
                answered[p] = std::move(fresh[p]);
    }
}

const KnownSender* Knowledge::Known(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_ids.size()))
        return nullptr;
    auto it = m_senders.find(m_ids[static_cast<std::size_t>(index)]);
    return it == m_senders.end() ? nullptr : &it->second;
}

const KnownSender* Knowledge::Online(int index) const
{
    const KnownSender* k = Known(index);
    return k && k->bOnline ? k : nullptr;
}

int Knowledge::DetectedCount() const
{
    int n = 0;
    for (const auto& [id, k] : m_senders)
        n += k.bOnline ? 1 : 0;
    return n;
}

int Knowledge::LowestIdSender() const
{
    int best = -1;
    uint32_t bestId = 0;
    for (std::size_t i = 0; i < m_ids.size(); ++i) {
        const KnownSender* k = Online(static_cast<int>(i));
        if (k && (best < 0 || k->dwDetectId < bestId)) {
            best = static_cast<int>(i);
            bestId = k->dwDetectId;
        }
    }
    return best;
}

std::string Knowledge::IdAt(int index) const
{
    return index >= 0 && index < static_cast<int>(m_ids.size()) ? m_ids[static_cast<std::size_t>(index)]
                                                                : std::string();
}

} // namespace sim::hw
