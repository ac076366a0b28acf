// One round's records.
#include "round_records.h"

#include "detect_records.h"
#include "device_classes.h"
#include "warning_rules.h"

namespace sim::hw {
namespace {

struct Writer {
    const CMonitorInterfaceData& settings;
    bool fahrenheit;
    const WarningTexts& texts;
    RoundRecords& out;

    void Sender(const SenderReading& s)
    {
        SenderDigest digest{
            s.strId, s.nIndex, s.strLabel, s.bOnline, s.bFiber, SenderWarningWord(s, settings.senderSetting), {}};
        out.warning.SetSenderWarning(s.nIndex, digest.dwWord);
        for (STipLine& line : SenderTipLines(digest.dwWord, texts))
            out.tips.AddLine(s.bFiber ? CMonitorTipsData::kFiberSender : CMonitorTipsData::kSender, s.nIndex, 0, 0, 0,
                             std::move(line));
        if (s.bOnline)
            out.detect.SetSenderData(s.dwDetectId, SenderRecord(s));
        for (std::size_t p = 0; p < s.ports.size(); ++p)
            digest.ports.push_back(Port(s, static_cast<int>(p)));
        if (s.bFiber)
            FiberOutputs(s, digest);
        out.digest.senders.push_back(std::move(digest));
    }

    PortDigest Port(const SenderReading& s, int p)
    {
        const PortReading& port = s.ports[static_cast<std::size_t>(p)];
        const std::size_t n = port.receivers.size();
        SPortWarningData warning;
        warning.arrRcvWarning.resize(n);
        std::vector<SRcvShowValue> values(n);
        std::vector<SDetectReceiverData> records;
        if (s.bOnline)
            records.reserve(n);
        const auto rcvItem = s.bFiber ? CMonitorTipsData::kFiberReceiver : CMonitorTipsData::kReceiver;
        const int board = s.bFiber ? p : 0;
        const int tipPort = s.bFiber ? 0 : p;
        for (std::size_t k = 0; k < n; ++k) {
            const ReceiverValues& v = port.receivers[k];
            const int rcv = static_cast<int>(k);
            const uint32_t word = ReceiverWarningWord(v, settings.receiverSetting);
            warning.arrRcvWarning[k] = word;
            values[k] = ShowValue(v);
            if (word)
                for (STipLine& line : ReceiverTipLines(v, word, settings.receiverSetting, fahrenheit, texts))
                    out.tips.AddLine(rcvItem, s.nIndex, board, tipPort, rcv, std::move(line));
            if (s.bOnline)
                records.push_back(
                    ReceiverRecord(s.nIndex, p, rcv, v, word,
                                   port.nLoopFirst >= 0 && rcv >= port.nLoopFirst && rcv <= port.nLoopLast));
        }
        warning.dwPortWarning = (!port.bConnected && n > 0) ? WARNING_NO_DATA : 0;
        if (port.nLoopFirst >= 0)
            warning.dwLoopbackError
                = static_cast<uint32_t>(port.nLoopFirst) << 16 | static_cast<uint16_t>(port.nLoopLast);
        for (STipLine& line :
             PortTipLines(port.bConnected, warning.arrRcvWarning, port.nLoopFirst, port.nLoopLast, texts))
            out.tips.AddLine(s.bFiber ? CMonitorTipsData::kFiberPort : CMonitorTipsData::kPort, s.nIndex, board,
                             tipPort, 0, std::move(line));
        if (s.bOnline)
            out.detect.SetPortReceivers(s.nIndex, p, std::move(records));

        PortDigest digest{port.bConnected, warning.dwPortWarning, port.nLoopFirst, port.nLoopLast,
                          warning.arrRcvWarning};
        const int output = s.bFiber ? p : -1;
        out.warning.SetPortWarning(s.nIndex, output, tipPort, std::move(warning));
        out.show.SetPortValues(s.nIndex, output, tipPort, std::move(values));
        return digest;
    }

    // Each output's state, a pair's warning shared by its main and backup
    // output, and the board tooltips of each pair.
    void FiberOutputs(const SenderReading& s, const SenderDigest& digest)
    {
        const auto warns = [&](std::size_t o) {
            if (o >= digest.ports.size())
                return false;
            const PortDigest& p = digest.ports[o];
            if (p.dwWord)
                return true;
            for (uint32_t w : p.receivers)
                if (w)
                    return true;
            return false;
        };
        const auto connected = [&](std::size_t o) { return o < s.ports.size() && s.ports[o].bConnected; };
        for (int pair = 0; pair < kFiberOutputPairs; ++pair) {
            const auto main = static_cast<std::size_t>(pair);
            const std::size_t backup = main + kFiberOutputPairs;
            const bool warning = warns(main) || warns(backup);
            out.warning.SetFiberState(s.nIndex, pair, connected(main), warning);
            out.warning.SetFiberState(s.nIndex, pair + kFiberOutputPairs, connected(backup), warning);
            for (std::size_t o : {main, backup}) {
                if (o >= digest.ports.size())
                    continue;
                const PortDigest& p = digest.ports[o];
                const char* which = o == main ? "Main output: " : "Backup output: ";
                for (STipLine& line : PortTipLines(p.bConnected, p.receivers, p.nLoopFirst, p.nLoopLast, texts))
                    out.tips.AddLine(CMonitorTipsData::kFiberBoard, s.nIndex, pair, 0, 0,
                                     {line.dwMask, which + line.strText});
            }
        }
    }
};

} // namespace

RoundRecords ComputeRound(const HardwareRound& round, const CMonitorInterfaceData& settings, bool fahrenheit,
                          const WarningTexts& texts)
{
    RoundRecords out;
    out.show.SetMonitorShow(
        {EnabledSenderBits(settings.senderSetting), EnabledReceiverBits(settings.receiverSetting), fahrenheit ? 1 : 0});
    out.show.SetWords(texts.words);
    Writer writer{settings, fahrenheit, texts, out};
    for (const SenderReading& s : round.senders)
        writer.Sender(s);
    return out;
}

} // namespace sim::hw
