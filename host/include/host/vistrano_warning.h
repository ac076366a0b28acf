#pragma once
// The warnings of the last monitoring round: a word per sender, per port
// (with its receivers' words by connection index and its loop-back state)
// and the state of each fibre output.
#include "host/host_api.h"
#include "host/host_enums.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

// The warnings of one output port: Ethernet port, or a port of the fibre
// board behind a fibre output.
struct HOST_RECORD_API SPortWarningData {
    uint32_t dwPortWarning = 0;             // the port's own word (WARNING_* bits)
    uint32_t dwLoopbackError = 0xFFFF0000u; // first and last receiver of a broken loop; 0xFFFF0000 none
    std::vector<uint32_t> arrRcvWarning;    // receivers' words, by connection index
};

class HOST_RECORD_API CMonitorWarningData {
public:
    // Fibre outputs of a fibre sender: 0-7 main, 8-15 their backups.
    static constexpr int kFiberOutputCount = 16;
    // Stands for "any sender" in the sender queries.
    static constexpr int kAnySender = -1;

    // --- Senders -------------------------------------------------------
    // The sender has any warning of its own (SENDER_WARNING_* bits).
    int HasSenderWarning(int sender) const { return AnySender(sender, 0xFFFFFFFFu); }
    // The sender has a signal warning (video input, lock, black, brightness zero).
    int HasSenderSignalWarning(int sender) const { return AnySender(sender, SENDER_WARNING_SIGNAL); }
    uint32_t GetSenderWarning(int sender) const
    {
        auto it = m_senders.find(sender);
        return it == m_senders.end() ? 0 : it->second;
    }
    // A receiver of the sender (any port, fibre boards included) has a warning under mask.
    int HasSenderRcvWarning(int sender, uint32_t mask) const
    {
        for (const auto& [key, port] : m_ports)
            if ((sender == kAnySender || SenderOf(key) == sender) && AnyReceiver(port, mask))
                return 1;
        return 0;
    }

    // --- Ethernet ports ----------------------------------------------
    // The port or one of its receivers has a warning under mask.
    int HaSenderPortWarning(int sender, int port, uint32_t mask) const
    {
        const SPortWarningData* p = Find(sender, -1, port);
        return p && ((p->dwPortWarning & mask) || AnyReceiver(*p, mask)) ? 1 : 0;
    }
    uint32_t GetSenderPortRcvWarning(int sender, int port, int receiver) const
    {
        return ReceiverWord(Find(sender, -1, port), receiver);
    }
    // High word: first receiver, low word: last receiver of a broken loop;
    // 0xFFFF0000 when the loop is whole.
    uint32_t GetLoopbackErrorInfo(int sender, int port) const
    {
        const SPortWarningData* p = Find(sender, -1, port);
        return p ? p->dwLoopbackError : 0xFFFF0000u;
    }

    // --- Fibre outputs ------------------------------------------------
    // Fibre output `output` (0-15) answers.
    int IsFiberConnected(int sender, int output) const { return FiberBit(m_fiberConnected, sender, output); }
    // Fibre output pair `output` (0-7) has a warning.
    int HasSenderFiberWarning(int sender, int output) const { return FiberBit(m_fiberWarning, sender, output); }
    // A port of the board behind fibre output `output` (0-15), or one of
    // its receivers, has a warning under mask.
    int HasFiberPortWarning(int sender, int output, int port, uint32_t mask) const
    {
        const SPortWarningData* p = Find(sender, output, port);
        return p && ((p->dwPortWarning & mask) || AnyReceiver(*p, mask)) ? 1 : 0;
    }
    uint32_t GetSenderFiberPortRcvWarningFlag(int sender, int output, int port, int receiver) const
    {
        return ReceiverWord(Find(sender, output, port), receiver);
    }
    // A receiver behind fibre output pair `output` (0-7: the main output and
    // its backup output + 8) has a warning under mask.
    int HasSenderFiberRcvWarning(int sender, int output, uint32_t mask) const
    {
        for (const auto& [key, port] : m_ports) {
            const int o = OutputOf(key);
            if (SenderOf(key) == sender && o >= 0 && (o == output || o == output + 8) && AnyReceiver(port, mask))
                return 1;
        }
        return 0;
    }

    // --- Writing (the monitoring thread) ------------------------------
    void SetSenderWarning(int sender, uint32_t word) { m_senders[sender] = word; }
    // output -1 for an Ethernet port.
    void SetPortWarning(int sender, int output, int port, SPortWarningData data)
    {
        m_ports[Key(sender, output, port)] = std::move(data);
    }
    void SetFiberState(int sender, int output, bool connected, bool warning)
    {
        if (output < 0 || output >= kFiberOutputCount)
            return;
        const uint32_t bit = 1u << output;
        m_fiberConnected[sender] = connected ? (m_fiberConnected[sender] | bit) : (m_fiberConnected[sender] & ~bit);
        m_fiberWarning[sender] = warning ? (m_fiberWarning[sender] | bit) : (m_fiberWarning[sender] & ~bit);
    }
    void Clear()
    {
        m_senders.clear();
        m_ports.clear();
        m_fiberConnected.clear();
        m_fiberWarning.clear();
    }

private:
    static uint64_t Key(int sender, int output, int port)
    {
        return static_cast<uint64_t>(static_cast<uint32_t>(sender)) << 32
            | static_cast<uint64_t>(static_cast<uint16_t>(output + 1)) << 16 | static_cast<uint16_t>(port);
    }
    static int SenderOf(uint64_t key) { return static_cast<int>(static_cast<uint32_t>(key >> 32)); }
    static int OutputOf(uint64_t key) { return static_cast<int>((key >> 16) & 0xFFFF) - 1; }

    const SPortWarningData* Find(int sender, int output, int port) const
    {
        if (port < 0 || port > 0xFFFF || output < -1 || output >= kFiberOutputCount)
            return nullptr;
        auto it = m_ports.find(Key(sender, output, port));
        return it == m_ports.end() ? nullptr : &it->second;
    }
    static uint32_t ReceiverWord(const SPortWarningData* p, int receiver)
    {
        if (!p || receiver < 0 || receiver >= static_cast<int>(p->arrRcvWarning.size()))
            return 0;
        return p->arrRcvWarning[static_cast<std::size_t>(receiver)];
    }
    static bool AnyReceiver(const SPortWarningData& p, uint32_t mask)
    {
        for (uint32_t w : p.arrRcvWarning)
            if (w & mask)
                return true;
        return false;
    }
    int AnySender(int sender, uint32_t mask) const
    {
        if (sender != kAnySender)
            return (GetSenderWarning(sender) & mask) ? 1 : 0;
        for (const auto& [s, word] : m_senders)
            if (word & mask)
                return 1;
        return 0;
    }
    static int FiberBit(const std::map<int, uint32_t>& bits, int sender, int output)
    {
        auto it = bits.find(sender);
        return it != bits.end() && output >= 0 && output < kFiberOutputCount && (it->second >> output & 1u) ? 1 : 0;
    }

    std::map<int, uint32_t> m_senders;
    std::map<uint64_t, SPortWarningData> m_ports;
    std::map<int, uint32_t> m_fiberConnected;
    std::map<int, uint32_t> m_fiberWarning;
};
