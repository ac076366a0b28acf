#pragma once
// What the view writes on each receiver (CMonitorRcvShowData) and the
// warning texts of the tooltips (CMonitorTipsData), from the last
// monitoring round.
#include "host/host_api.h"
#include "host/host_enums.h"
#include "platform/format.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Which warnings the monitoring settings had switched on for the round, and
// the temperature unit; the tip queries show only those.
struct HOST_RECORD_API SMonitorShow {
    uint32_t dwSenderMask = 0;   // SENDER_WARNING_* bits switched on
    uint32_t dwReceiverMask = 0; // WARNING_* bits switched on
    int32_t bFahrenheit = 0;
};

// Values read from one receiver. kNoValue: the receiver has no such sensor.
struct HOST_RECORD_API SRcvShowValue {
    static constexpr int32_t kNoValue = INT32_MIN;
    int32_t bHasData = 0;              // the receiver answered
    int32_t nTemperature10 = kNoValue; // tenths of a degree Celsius
    int32_t nHumidity = kNoValue;      // percent
    int32_t nSmoke = kNoValue;         // 0 clear, 1 smoke
    int32_t nFanSpeed = kNoValue;      // rpm of the slowest fan
    int32_t nDoor = kNoValue;          // 0 closed, 1 open
    int32_t nPower1 = kNoValue;        // 1 good, 0 failed
    int32_t nPower2 = kNoValue;
    int32_t nVoltage100 = kNoValue;   // hundredths of a volt
    int32_t nVoltage2_100 = kNoValue; // the second supply's, where the card has one
    int32_t nCable = kNoValue;        // 0 good, 1 fault
};

// Words the value texts use for states, in the user's language.
struct HOST_RECORD_API SRcvShowWords {
    std::string strNormal = "OK";
    std::string strFault = "Fault";
    std::string strOpen = "Open";
    std::string strClosed = "Closed";
};

class HOST_RECORD_API CMonitorRcvShowData {
public:
    // The value text of receiver `receiver` of Ethernet port `port` for a
    // render type: empty when the receiver gave no data (or the type shows
    // no value), "-" when it has no such sensor. The text may hold line breaks.
    std::string GetRcvShowStr(int renderType, int sender, int port, int receiver) const
    {
        return Text(renderType, Find(sender, -1, port, receiver), receiver);
    }
    // The same for a receiver behind fibre output `output`.
    std::string GetFiberRcvShowStr(int renderType, int sender, int output, int port, int receiver) const
    {
        return Text(renderType, Find(sender, output, port, receiver), receiver);
    }
    // The round's show settings; false when no round has run.
    bool GetMonitorShow(SMonitorShow& show) const
    {
        if (m_hasShow)
            show = m_show;
        return m_hasShow;
    }

    // --- Writing (the monitoring thread) ------------------------------
    void SetMonitorShow(const SMonitorShow& show)
    {
        m_show = show;
        m_hasShow = true;
    }
    void SetWords(SRcvShowWords words) { m_words = std::move(words); }
    // output -1 for an Ethernet port; values by connection index.
    void SetPortValues(int sender, int output, int port, std::vector<SRcvShowValue> values)
    {
        m_ports[Key(sender, output, port)] = std::move(values);
    }
    void Clear()
    {
        m_ports.clear();
        m_hasShow = false;
        m_show = {};
    }

private:
    static uint64_t Key(int sender, int output, int port)
    {
        return static_cast<uint64_t>(static_cast<uint32_t>(sender)) << 32
            | static_cast<uint64_t>(static_cast<uint16_t>(output + 1)) << 16 | static_cast<uint16_t>(port);
    }
    const SRcvShowValue* Find(int sender, int output, int port, int receiver) const
    {
        if (port < 0 || port > 0xFFFF || output < -1 || receiver < 0)
            return nullptr;
        auto it = m_ports.find(Key(sender, output, port));
        if (it == m_ports.end() || receiver >= static_cast<int>(it->second.size()))
            return nullptr;
        return &it->second[static_cast<std::size_t>(receiver)];
    }
    // With a decimal point whatever the process locale.
    static std::string Printf(const char* format, double value) { return plat::Format(format, value); }
    const std::string& State(int32_t faultValue, int32_t value) const
    {
        return value == faultValue ? m_words.strFault : m_words.strNormal;
    }
    std::string Text(int renderType, const SRcvShowValue* v, int receiver) const
    {
        if (!v || !v->bHasData)
            return {};
        constexpr int32_t none = SRcvShowValue::kNoValue;
        switch (renderType) {
        case RENDER_RECEIVER: return std::to_string(receiver + 1);
        case RENDER_TEMPERATURE:
            if (v->nTemperature10 == none)
                return "-";
            return m_show.bFahrenheit ? Printf("%.1f\u2109", v->nTemperature10 / 10.0 * 1.8 + 32)
                                      : Printf("%.1f\u2103", v->nTemperature10 / 10.0);
        case RENDER_HUMIDITY: return v->nHumidity == none ? "-" : std::to_string(v->nHumidity) + "%";
        case RENDER_SMOKE: return v->nSmoke == none ? "-" : State(1, v->nSmoke);
        case RENDER_FAN: return v->nFanSpeed == none ? "-" : std::to_string(v->nFanSpeed) + "rpm";
        case RENDER_TILE_DOOR: return v->nDoor == none ? "-" : (v->nDoor ? m_words.strOpen : m_words.strClosed);
        case RENDER_CABLE_DETECTION: return v->nCable == none ? "-" : State(1, v->nCable);
        case RENDER_POWER: {
            if (v->nPower1 == none && v->nPower2 == none)
                return "-";
            std::string text;
            if (v->nPower1 != none)
                text = "1:" + State(0, v->nPower1);
            if (v->nPower2 != none)
                text += (text.empty() ? "2:" : "\n2:") + State(0, v->nPower2);
            return text;
        }
        case RENDER_VOLTAGE: {
            // One supply: its value alone; two: numbered lines, as for power.
            if (v->nVoltage2_100 == none)
                return v->nVoltage100 == none ? "-" : Printf("%.2fV", v->nVoltage100 / 100.0);
            const std::string second = "2:" + Printf("%.2fV", v->nVoltage2_100 / 100.0);
            return v->nVoltage100 == none ? second : "1:" + Printf("%.2fV", v->nVoltage100 / 100.0) + "\n" + second;
        }
        default: return {};
        }
    }

    std::map<uint64_t, std::vector<SRcvShowValue>> m_ports;
    SMonitorShow m_show;
    bool m_hasShow = false;
    SRcvShowWords m_words;
};

// One line of a tooltip: the warning bits it reports and its text.
struct HOST_RECORD_API STipLine {
    uint32_t dwMask = 0;
    std::string strText;
};

// Tooltip texts of the items that have something to report. An item's text
// is its lines whose bits pass the asked filter, joined by "\r\n".
class HOST_RECORD_API CMonitorTipsData {
public:
    // Sender block of an Ethernet sender / of a fibre sender, filtered by the
    // show record's sender bits.
    std::string GetSenderWarningStr(const SMonitorShow& show, int sender) const
    {
        return Join(Key(kSender, sender, 0, 0, 0), show.dwSenderMask);
    }
    std::string GetSenderFiberWarningStr(const SMonitorShow& show, int sender) const
    {
        return Join(Key(kFiberSender, sender, 0, 0, 0), show.dwSenderMask);
    }
    // Fibre board behind main output `board` (0-7).
    std::string GetFiberPortWarningStr(const SMonitorShow& show, int sender, int board) const
    {
        return Join(Key(kFiberBoard, sender, board, 0, 0), show.dwReceiverMask);
    }
    // Port of the fibre board behind output `board` (0-15).
    std::string GetFiberPortWarningStr(const SMonitorShow& show, int sender, int board, int port) const
    {
        return Join(Key(kFiberPort, sender, board, port, 0), show.dwReceiverMask);
    }
    // Ethernet port and its receivers, filtered by the render type's mask.
    std::string GetPortWarningStr(int renderType, int sender, int port) const
    {
        return Join(Key(kPort, sender, 0, port, 0), RenderTypeWarningMask(renderType));
    }
    std::string GetRcvWarningStr(int renderType, int sender, int port, int receiver) const
    {
        return Join(Key(kReceiver, sender, 0, port, receiver), RenderTypeWarningMask(renderType));
    }
    // Receiver behind a port of the fibre board behind output `board`.
    std::string GetPortRcvWarningStr(const SMonitorShow& show, int sender, int board, int port, int receiver) const
    {
        return Join(Key(kFiberReceiver, sender, board, port, receiver), show.dwReceiverMask);
    }

    // --- Writing (the monitoring thread) ------------------------------
    enum EItem : uint8_t { kSender = 1, kFiberSender, kFiberBoard, kFiberPort, kPort, kReceiver, kFiberReceiver };
    // board is 0 for Ethernet items; port and receiver 0 where the item has none.
    void AddLine(EItem item, int sender, int board, int port, int receiver, STipLine line)
    {
        m_tips[Key(item, sender, board, port, receiver)].push_back(std::move(line));
    }
    void Clear() { m_tips.clear(); }

private:
    static uint64_t Key(uint8_t item, int sender, int board, int port, int receiver)
    {
        return static_cast<uint64_t>(item) << 56 | static_cast<uint64_t>(static_cast<uint8_t>(sender)) << 48
            | static_cast<uint64_t>(static_cast<uint8_t>(board)) << 40
            | static_cast<uint64_t>(static_cast<uint16_t>(port)) << 24 | (static_cast<uint32_t>(receiver) & 0xFFFFFFu);
    }
    std::string Join(uint64_t key, uint32_t mask) const
    {
        auto it = m_tips.find(key);
        std::string text;
        if (it == m_tips.end())
            return text;
        for (const STipLine& line : it->second) {
            if (!(line.dwMask & mask))
                continue;
            if (!text.empty())
                text += "\r\n";
            text += line.strText;
        }
        return text;
    }

    std::map<uint64_t, std::vector<STipLine>> m_tips;
};
