// A round's records from readings: warning words and queries, loop-back
// information, value texts per render type and unit, tooltips, fibre
// states, detection records.
#include "host/host_enums.h"
#include "hw_fixture.h"
#include "round_records.h"
#include "test_texts.h"

#include <gtest/gtest.h>

namespace sim::hw {
namespace {

ReceiverValues Card() { return hwtest::HealthyCard(false); }

SenderReading Sender(int index, int ports, int receivers, int type = 35)
{
    SenderReading s;
    s.nIndex = index;
    s.strId = "id" + std::to_string(index);
    s.strLabel = "Wall " + std::to_string(index);
    s.dwDetectId = static_cast<uint32_t>(100 + index);
    s.bOnline = true;
    s.nType = type;
    InputReading in;
    in.byType = 2;
    in.signal = {1920, 1080, 60.0};
    s.inputs = {in};
    for (int p = 0; p < ports; ++p) {
        PortReading port;
        port.bConnected = true;
        port.receivers.assign(static_cast<std::size_t>(receivers), Card());
        s.ports.push_back(port);
    }
    return s;
}

RoundRecords Compute(const HardwareRound& round, const CMonitorInterfaceData& settings, bool fahrenheit)
{
    return ComputeRound(round, settings, fahrenheit, hwtest::TestTexts());
}

HardwareRound Round(std::vector<SenderReading> senders)
{
    HardwareRound r;
    r.senders = std::move(senders);
    return r;
}

TEST(ComputeRound, ReceiverWarningReachesPortAndSenderQueries)
{
    HardwareRound round = Round({Sender(0, 2, 3), Sender(1, 1, 2)});
    round.senders[0].ports[1].receivers[2].nTemperature10 = 700;
    const RoundRecords r = Compute(round, CMonitorInterfaceData{}, false);

    EXPECT_EQ(r.warning.GetSenderPortRcvWarning(0, 1, 2), WARNING_TEMPERATURE);
    EXPECT_EQ(r.warning.GetSenderPortRcvWarning(0, 1, 1), 0u);
    EXPECT_EQ(r.warning.HaSenderPortWarning(0, 1, RenderTypeWarningMask(RENDER_TEMPERATURE)), 1);
    EXPECT_EQ(r.warning.HaSenderPortWarning(0, 1, RenderTypeWarningMask(RENDER_HUMIDITY)), 0);
    EXPECT_EQ(r.warning.HaSenderPortWarning(0, 0, WARNING_ALL), 0);
    EXPECT_EQ(r.warning.HasSenderRcvWarning(0, WARNING_ALL), 1);
    EXPECT_EQ(r.warning.HasSenderRcvWarning(1, WARNING_ALL), 0);
    EXPECT_EQ(r.warning.HasSenderWarning(0), 0) << "a receiver's warning is not the sender's own";
    // The digest the log compares keeps every word.
    ASSERT_EQ(r.digest.senders.size(), 2u);
    EXPECT_EQ(r.digest.senders[0].strId, "id0");
    ASSERT_EQ(r.digest.senders[0].ports.size(), 2u);
    EXPECT_EQ(r.digest.senders[0].ports[1].receivers, (std::vector<uint32_t>{0u, 0u, WARNING_TEMPERATURE}));
}

TEST(ComputeRound, LoopbackInformationHighWordFirstLowWordLast)
{
    HardwareRound round = Round({Sender(0, 2, 10, 59)});
    round.senders[0].ports[0].nLoopFirst = 3;
    round.senders[0].ports[0].nLoopLast = 7;
    const RoundRecords r = Compute(round, CMonitorInterfaceData{}, false);
    EXPECT_EQ(r.warning.GetLoopbackErrorInfo(0, 0), 0x00030007u);
    EXPECT_EQ(r.warning.GetLoopbackErrorInfo(0, 1), 0xFFFF0000u) << "a whole loop";
    EXPECT_EQ(r.detect.GetReceiverData(0, 0, 5)->nLoopState, 1);
    EXPECT_EQ(r.detect.GetReceiverData(0, 0, 8)->nLoopState, 0);
    EXPECT_NE(r.tips.GetPortWarningStr(RENDER_RECEIVER, 0, 0).find("loop 4-8"), std::string::npos);
}

TEST(ComputeRound, SilentReceiverAndUnpluggedPort)
{
    HardwareRound round = Round({Sender(0, 2, 2)});
    round.senders[0].ports[0].receivers[1] = ReceiverValues{};
    PortReading& unplugged = round.senders[0].ports[1];
    unplugged.bConnected = false;
    unplugged.receivers.assign(2, ReceiverValues{});
    const RoundRecords r = Compute(round, CMonitorInterfaceData{}, false);

    EXPECT_EQ(r.warning.GetSenderPortRcvWarning(0, 0, 1), WARNING_NO_DATA);
    EXPECT_EQ(r.show.GetRcvShowStr(RENDER_TEMPERATURE, 0, 0, 1), "") << "no data: no text";
    EXPECT_EQ(r.detect.GetReceiverData(0, 0, 1), nullptr);
    EXPECT_NE(r.detect.GetReceiverData(0, 0, 0), nullptr);
    EXPECT_EQ(r.warning.HaSenderPortWarning(0, 1, WARNING_NO_DATA), 1);
    EXPECT_EQ(r.tips.GetPortWarningStr(RENDER_SENDER_BLOCKS, 0, 1), "Not connected");
    EXPECT_EQ(r.tips.GetPortWarningStr(RENDER_SENDER_BLOCKS, 0, 0), "No data: 1 receiver");
}

// The host's record formats the values (its own tests); the round hands it
// the readings, both supplies and the language's words.
TEST(ComputeRound, ValueTextsCarryTheReadingsAndTheWords)
{
    HardwareRound round = Round({Sender(0, 1, 2)});
    ReceiverValues& v = round.senders[0].ports[0].receivers[0];
    v.nVoltage2_100 = 1201;
    v.nDoor = 1;
    round.senders[0].ports[0].receivers[1].nHumidity = ReceiverValues::kNoSensor;
    const RoundRecords r = Compute(round, CMonitorInterfaceData{}, false);
    EXPECT_EQ(r.show.GetRcvShowStr(RENDER_HUMIDITY, 0, 0, 1), "-") << "no humidity sensor";
    EXPECT_EQ(r.show.GetRcvShowStr(RENDER_TILE_DOOR, 0, 0, 0), "open");
    EXPECT_EQ(r.show.GetRcvShowStr(RENDER_POWER, 0, 0, 0), "1:fine");
    EXPECT_EQ(r.show.GetRcvShowStr(RENDER_VOLTAGE, 0, 0, 0), "1:5.30V\n2:12.01V");
    EXPECT_EQ(r.show.GetRcvShowStr(RENDER_VOLTAGE, 0, 0, 1), "5.30V");
}

TEST(ComputeRound, FahrenheitShowsTemperaturesAndLimitsInFahrenheit)
{
    HardwareRound round = Round({Sender(0, 1, 1)});
    round.senders[0].ports[0].receivers[0].nTemperature10 = 700;
    const RoundRecords r = Compute(round, CMonitorInterfaceData{}, true);
    EXPECT_EQ(r.show.GetRcvShowStr(RENDER_TEMPERATURE, 0, 0, 0), "158.0\u2109");
    EXPECT_EQ(r.tips.GetRcvWarningStr(RENDER_TEMPERATURE, 0, 0, 0), "T 158.0\u2109 (> 140\u2109)");
    SMonitorShow show;
    ASSERT_TRUE(r.show.GetMonitorShow(show));
    EXPECT_EQ(show.bFahrenheit, 1);
    // The warning itself is decided in Celsius.
    EXPECT_EQ(r.warning.GetSenderPortRcvWarning(0, 0, 0), WARNING_TEMPERATURE);
}

TEST(ComputeRound, TipsFollowTheRenderTypeMask)
{
    HardwareRound round = Round({Sender(0, 1, 1)});
    ReceiverValues& v = round.senders[0].ports[0].receivers[0];
    v.nTemperature10 = 700;
    v.nDoor = 1;
    CMonitorInterfaceData settings;
    settings.receiverSetting.bTileDoor = 1;
    const RoundRecords r = Compute(round, settings, false);
    EXPECT_EQ(r.tips.GetRcvWarningStr(RENDER_RECEIVER, 0, 0, 0), "T 70.0\u2103 (> 60\u2103)\r\ndoor");
    EXPECT_EQ(r.tips.GetRcvWarningStr(RENDER_TILE_DOOR, 0, 0, 0), "door");
    EXPECT_EQ(r.tips.GetRcvWarningStr(RENDER_HUMIDITY, 0, 0, 0), "");
    EXPECT_EQ(r.tips.GetPortWarningStr(RENDER_TEMPERATURE, 0, 0), "Over temperature: 1 receiver");
}

TEST(ComputeRound, ShowRecordCarriesTheEnabledChecks)
{
    CMonitorInterfaceData settings;
    settings.receiverSetting.bHumidity = 1;
    settings.senderSetting.bBlack = 0;
    const RoundRecords r = Compute(Round({}), settings, false);
    SMonitorShow show;
    ASSERT_TRUE(r.show.GetMonitorShow(show));
    EXPECT_EQ(show.dwReceiverMask, WARNING_NO_DATA | WARNING_TEMPERATURE | WARNING_HUMIDITY);
    EXPECT_EQ(show.dwSenderMask,
              SENDER_WARNING_OFFLINE | SENDER_WARNING_VIDEO_INPUT | SENDER_WARNING_LOCK
                  | SENDER_WARNING_BRIGHTNESS_ZERO);
}

TEST(ComputeRound, OfflineSenderHasNoRecordAndSilentReceivers)
{
    HardwareRound round = Round({Sender(0, 1, 2)});
    SenderReading& s = round.senders[0];
    s.bOnline = false;
    s.ports[0].bConnected = false;
    s.ports[0].receivers.assign(2, ReceiverValues{});
    const RoundRecords r = Compute(round, CMonitorInterfaceData{}, false);
    EXPECT_EQ(r.detect.GetSenderDataCount(), 0);
    EXPECT_EQ(r.warning.GetSenderWarning(0), SENDER_WARNING_OFFLINE);
    EXPECT_EQ(r.warning.GetSenderPortRcvWarning(0, 0, 1), WARNING_NO_DATA);
    SMonitorShow show;
    r.show.GetMonitorShow(show);
    EXPECT_EQ(r.tips.GetSenderWarningStr(show, 0), "offline");
    EXPECT_FALSE(r.digest.senders[0].bOnline);
}

TEST(ComputeRound, SenderSignalWarningsAndTheirTips)
{
    HardwareRound round = Round({Sender(0, 1, 1)});
    round.senders[0].bBlack = true;
    round.senders[0].inputs[0].signal = {};
    const RoundRecords r = Compute(round, CMonitorInterfaceData{}, false);
    EXPECT_EQ(r.warning.GetSenderWarning(0), SENDER_WARNING_VIDEO_INPUT | SENDER_WARNING_BLACK);
    EXPECT_EQ(r.warning.HasSenderSignalWarning(0), 1);
    SMonitorShow show;
    r.show.GetMonitorShow(show);
    EXPECT_EQ(r.tips.GetSenderWarningStr(show, 0), "no input\r\nblack");
    show.dwSenderMask = SENDER_WARNING_BLACK;
    EXPECT_EQ(r.tips.GetSenderWarningStr(show, 0), "black");
}

TEST(ComputeRound, DetectionRecordOfASender)
{
    HardwareRound round = Round({Sender(0, 3, 2)});
    round.senders[0].ports[1].bConnected = false;
    round.senders[0].strDeviceName = "Lobby";
    const RoundRecords r = Compute(round, CMonitorInterfaceData{}, false);
    const SDetectSenderData* d = r.detect.GetSenderData(100);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->byType, 35);
    EXPECT_EQ(d->byPortCount, 3);
    EXPECT_EQ(d->dwPortMask, 0x5u);
    EXPECT_EQ(d->dwStatus, 0u);
    EXPECT_EQ(d->nTreeValue, 0);
    EXPECT_EQ(d->strName, "Lobby");
    EXPECT_EQ(d->bVideoInput, 1);
    EXPECT_EQ(d->nFrameRate100, 6000);
    ASSERT_EQ(d->arrInputSignal.size(), 1u);
    EXPECT_EQ(d->arrInputSignal[0].nWidth, 1920);
}

SenderReading Fibre(int index)
{
    SenderReading s = Sender(index, 16, 2, 4);
    s.nModel = 160;
    s.bFiber = true;
    return s;
}

TEST(ComputeRound, FibreOutputsPairTheirWarnings)
{
    HardwareRound round = Round({Fibre(0)});
    SenderReading& s = round.senders[0];
    s.ports[10].bConnected = false; // backup of pair 2
    s.ports[10].receivers.assign(2, ReceiverValues{});
    s.ports[5].receivers[1].nTemperature10 = 700;
    const RoundRecords r = Compute(round, CMonitorInterfaceData{}, false);

    EXPECT_EQ(r.warning.IsFiberConnected(0, 2), 1);
    EXPECT_EQ(r.warning.IsFiberConnected(0, 10), 0);
    EXPECT_EQ(r.warning.HasSenderFiberWarning(0, 2), 1) << "its backup output is down";
    EXPECT_EQ(r.warning.HasSenderFiberWarning(0, 5), 1);
    EXPECT_EQ(r.warning.HasSenderFiberWarning(0, 0), 0);
    EXPECT_EQ(r.warning.GetSenderFiberPortRcvWarningFlag(0, 5, 0, 1), WARNING_TEMPERATURE);
    EXPECT_EQ(r.warning.HasFiberPortWarning(0, 5, 0, WARNING_TEMPERATURE), 1);
    EXPECT_EQ(r.warning.HasSenderFiberRcvWarning(0, 2, WARNING_NO_DATA), 1);
    EXPECT_EQ(r.show.GetFiberRcvShowStr(RENDER_TEMPERATURE, 0, 5, 0, 1), "70.0\u2103");

    SMonitorShow show;
    r.show.GetMonitorShow(show);
    EXPECT_EQ(r.tips.GetFiberPortWarningStr(show, 0, 2), "Backup output: Not connected");
    EXPECT_EQ(r.tips.GetPortRcvWarningStr(show, 0, 5, 0, 1), "T 70.0\u2103 (> 60\u2103)");

    const SDetectSenderData* d = r.detect.GetSenderData(100);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->nTreeValue, 8);
    EXPECT_EQ(d->dwPortMask, 0xFBFFu);
}

} // namespace
} // namespace sim::hw
