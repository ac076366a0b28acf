// The monitoring log's texts.
#include "change_log.h"

#include "host/host_enums.h"

#include <map>

namespace sim::hw {
namespace {

std::string SenderText(const SenderDigest& s)
{
    std::string text = "Sender " + std::to_string(s.nIndex + 1);
    if (!s.strLabel.empty())
        text += " (" + s.strLabel + ")";
    return text;
}

std::string PortText(const SenderDigest& s, std::size_t p)
{
    return SenderText(s) + (s.bFiber ? ", output " : ", port ") + std::to_string(p + 1);
}

bool HasReceivers(const PortDigest& p) { return !p.receivers.empty(); }

struct Describer {
    const HardwareRound& now;
    const CMonitorInterfaceData& settings;
    bool fahrenheit;
    const WarningTexts& texts;
    std::vector<std::string> lines;

    void Sender(const SenderDigest* before, const SenderDigest& after)
    {
        const std::string who = SenderText(after);
        const bool wasOnline = !before || before->bOnline;
        if (!after.bOnline) {
            if (wasOnline)
                lines.push_back(who + ": " + SenderWarningName(SENDER_WARNING_OFFLINE));
            return;
        }
        if (!wasOnline) {
            lines.push_back(who + ": Online again");
            before = nullptr; // everything it reports now is news
        }
        const uint32_t was = before ? before->dwWord : 0;
        for (uint32_t bit : SenderWarningBits()) {
            if ((was ^ after.dwWord) & bit)
                lines.push_back(who + ": " + SenderWarningName(bit) + (after.dwWord & bit ? "" : " cleared"));
        }
        for (std::size_t p = 0; p < after.ports.size(); ++p)
            Port(after, p, before && p < before->ports.size() ? &before->ports[p] : nullptr);
    }

    void Port(const SenderDigest& s, std::size_t p, const PortDigest* before)
    {
        const PortDigest& after = s.ports[p];
        const std::string where = PortText(s, p);
        if (!after.bConnected && HasReceivers(after)) {
            if (!before || before->bConnected)
                lines.push_back(where + ": Not connected");
            return;
        }
        if (before && !before->bConnected && HasReceivers(*before)) {
            lines.push_back(where + ": Connected again");
            before = nullptr;
        }
        const int wasLoop = before ? before->nLoopFirst : -1;
        if (wasLoop != after.nLoopFirst || (before && before->nLoopLast != after.nLoopLast)) {
            if (after.nLoopFirst >= 0) {
                std::vector<int> cut;
                for (int k = after.nLoopFirst; k <= after.nLoopLast; ++k)
                    cut.push_back(k);
                lines.push_back(where + ": Loop broken, " + Receivers(cut) + " reached from the loop's end");
            } else
                lines.push_back(where + ": Loop whole again");
        }
        if (before && before->receivers == after.receivers)
            return;
        Receivers(s, p, before, after, where);
    }

    void Receivers(const SenderDigest& s, std::size_t p, const PortDigest* before, const PortDigest& after,
                   const std::string& where)
    {
        std::map<uint32_t, std::vector<int>> raised;
        std::map<uint32_t, std::vector<int>> cleared;
        for (std::size_t k = 0; k < after.receivers.size(); ++k) {
            const uint32_t was = before && k < before->receivers.size() ? before->receivers[k] : 0;
            const uint32_t changed = was ^ after.receivers[k];
            if (!changed)
                continue;
            for (uint32_t bit : ReceiverWarningBits())
                if (changed & bit)
                    ((after.receivers[k] & bit) ? raised : cleared)[bit].push_back(static_cast<int>(k));
        }
        for (uint32_t bit : ReceiverWarningBits()) {
            if (auto r = raised.find(bit); r != raised.end())
                lines.push_back(Raised(s, p, r->second, bit, where));
            if (auto c = cleared.find(bit); c != cleared.end())
                lines.push_back(where + ", " + Receivers(c->second) + ": " + ReceiverWarningName(bit) + " cleared");
        }
    }

    static std::string Receivers(const std::vector<int>& ks)
    {
        return (ks.size() == 1 ? "receiver " : "receivers ") + NumberRanges(ks);
    }

    // One receiver's warning comes with its reading.
    std::string Raised(const SenderDigest& s, std::size_t p, const std::vector<int>& ks, uint32_t bit,
                       const std::string& where) const
    {
        std::string what = ReceiverWarningName(bit);
        const auto sender = static_cast<std::size_t>(s.nIndex);
        if (ks.size() == 1 && sender < now.senders.size() && p < now.senders[sender].ports.size()) {
            const auto& receivers = now.senders[sender].ports[p].receivers;
            const auto k = static_cast<std::size_t>(ks.front());
            if (k < receivers.size())
                what = ReceiverTipLines(receivers[k], bit, settings.receiverSetting, fahrenheit, texts).front().strText;
        }
        return where + ", " + Receivers(ks) + ": " + what;
    }
};

} // namespace

std::string NumberRanges(const std::vector<int>& sorted)
{
    std::string text;
    for (std::size_t i = 0; i < sorted.size();) {
        std::size_t j = i;
        while (j + 1 < sorted.size() && sorted[j + 1] == sorted[j] + 1)
            ++j;
        if (!text.empty())
            text += ", ";
        text += std::to_string(sorted[i] + 1);
        if (j > i)
            text += "-" + std::to_string(sorted[j] + 1);
        i = j + 1;
    }
    return text;
}

std::vector<std::string> DescribeChanges(const RoundDigest& before, const RoundDigest& after, const HardwareRound& now,
                                         const CMonitorInterfaceData& settings, bool fahrenheit,
                                         const WarningTexts& texts)
{
    std::map<std::string, const SenderDigest*> previous;
    for (const SenderDigest& s : before.senders)
        previous[s.strId] = &s;
    Describer d{now, settings, fahrenheit, texts, {}};
    for (const SenderDigest& s : after.senders) {
        auto it = previous.find(s.strId);
        d.Sender(it == previous.end() ? nullptr : it->second, s);
    }
    return std::move(d.lines);
}

} // namespace sim::hw
