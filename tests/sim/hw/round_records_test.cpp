// A round's records from readings: warning words and queries, loop-back
// information, value texts per render type and unit, tooltips, fibre
// states, detection records and their port bits per device class.
#include "detect_records.h"
#include "device_classes.h"
#include "host/host_enums.h"
#include "hw_fixture.h"
#include "round_records.h"
#include "warning_texts.h"

#include <gtest/gtest.h>

#include <tuple>

namespace sim::hw {
namespace {

// Sender `index` online with a live 1920x1080@60 input and `ports` ports of
// `receivers` healthy cards.
SenderReading Sender(int index, int ports, int receivers, int type = 35)
{
    SenderReading s;
    s.nIndex = index, s.strId = "id" + std::to_string(index), s.strLabel = "Wall " + std::to_string(index);
    s.dwDetectId = static_cast<uint32_t>(100 + index), s.bOnline = true, s.nType = type;
    s.inputs.resize(1);
    s.inputs[0].byType = 2;
    s.inputs[0].signal = {1920, 1080, 60.0};
    const PortReading port{true, -1, -1, std::vector(static_cast<std::size_t>(receivers), hwtest::HealthyCard(false))};
    s.ports.assign(static_cast<std::size_t>(ports), port);
    return s;
}

RoundRecords Compute(std::vector<SenderReading> senders, const CMonitorInterfaceData& settings = {},
                     bool fahrenheit = false)
{
    return ComputeRound(HardwareRound{0, std::move(senders)}, settings, fahrenheit, LanguageTexts());
}

SMonitorShow Show(const RoundRecords& r)
{
    SMonitorShow show;
    EXPECT_TRUE(r.show.GetMonitorShow(show));
    return show;
}

// A receiver's warning is its own and its port's, not the sender's; the
// digest the log compares keeps every word.
TEST(ComputeRound, ReceiverWarningAndTheDigest)
{
    std::vector<SenderReading> senders{Sender(0, 2, 3), Sender(1, 1, 2)};
    senders[0].ports[1].receivers[2].nTemperature10 = 700;
    const RoundRecords r = Compute(senders);
    EXPECT_EQ(std::tuple(r.warning.GetSenderPortRcvWarning(0, 1, 2), r.warning.GetSenderPortRcvWarning(0, 1, 1),
                         r.warning.HaSenderPortWarning(0, 1, WARNING_ALL), r.warning.HasSenderWarning(0)),
              std::tuple(WARNING_TEMPERATURE, 0u, 1, 0));
    ASSERT_EQ(r.digest.senders.size(), 2u);
    ASSERT_EQ(r.digest.senders[0].ports.size(), 2u);
    EXPECT_EQ(r.digest.senders[0].strId, "id0");
    EXPECT_EQ(r.digest.senders[0].ports[1].receivers, (std::vector<uint32_t>{0u, 0u, WARNING_TEMPERATURE}));
}

// High word first, low word last; a whole loop is 0xFFFF0000.
TEST(ComputeRound, LoopbackInformation)
{
    std::vector<SenderReading> senders{Sender(0, 2, 10, 59)};
    senders[0].ports[0].nLoopFirst = 3, senders[0].ports[0].nLoopLast = 7;
    const RoundRecords r = Compute(senders);
    EXPECT_EQ(std::tuple(r.warning.GetLoopbackErrorInfo(0, 0), r.warning.GetLoopbackErrorInfo(0, 1),
                         r.detect.GetReceiverData(0, 0, 5)->nLoopState, r.detect.GetReceiverData(0, 0, 8)->nLoopState),
              std::tuple(0x00030007u, 0xFFFF0000u, 1, 0));
    EXPECT_NE(r.tips.GetPortWarningStr(RENDER_RECEIVER, 0, 0).find("between receivers 4 and 8"), std::string::npos);
}

// No data has no text and no detection record; an unplugged port is told
// as such, a port with a silent receiver counts it.
TEST(ComputeRound, SilentReceiverAndUnpluggedPort)
{
    std::vector<SenderReading> senders{Sender(0, 2, 2)};
    senders[0].ports[0].receivers[1] = ReceiverValues{}, senders[0].ports[1].bConnected = false;
    senders[0].ports[1].receivers.assign(2, ReceiverValues{});
    const RoundRecords r = Compute(senders);
    EXPECT_EQ(std::tuple(r.warning.GetSenderPortRcvWarning(0, 0, 1), r.show.GetRcvShowStr(RENDER_TEMPERATURE, 0, 0, 1),
                         r.detect.GetReceiverData(0, 0, 1) == nullptr, r.detect.GetReceiverData(0, 0, 0) == nullptr,
                         r.warning.HaSenderPortWarning(0, 1, WARNING_NO_DATA)),
              std::tuple(WARNING_NO_DATA, "", true, false, 1));
    EXPECT_EQ(std::tuple(r.tips.GetPortWarningStr(RENDER_SENDER_BLOCKS, 0, 1),
                         r.tips.GetPortWarningStr(RENDER_SENDER_BLOCKS, 0, 0)),
              std::tuple("Not connected", "No data: 1 receiver"));
}

// The host's record formats the values (its own tests); the round hands it
// the readings, both supplies and the language's words. In Fahrenheit the
// temperatures and limits are shown in Fahrenheit, the warning is decided
// in Celsius.
TEST(ComputeRound, ValueTextsCarryTheReadingsTheWordsAndTheUnit)
{
    std::vector<SenderReading> senders{Sender(0, 1, 2)};
    ReceiverValues& v = senders[0].ports[0].receivers[0];
    v.nVoltage2_100 = 1201, v.nDoor = 1, v.nTemperature10 = 700;
    senders[0].ports[0].receivers[1].nHumidity = ReceiverValues::kNoSensor;
    const RoundRecords r = Compute(senders), f = Compute(senders, {}, true);
    const auto text = [&r](int type, int receiver) { return r.show.GetRcvShowStr(type, 0, 0, receiver); };
    EXPECT_EQ(std::tuple(text(RENDER_HUMIDITY, 1), text(RENDER_TILE_DOOR, 0), text(RENDER_POWER, 0),
                         text(RENDER_VOLTAGE, 0), text(RENDER_VOLTAGE, 1)),
              std::tuple("-", "Open", "1:OK", "1:5.30V\n2:12.01V", "5.30V"));
    EXPECT_EQ(std::tuple(f.show.GetRcvShowStr(RENDER_TEMPERATURE, 0, 0, 0),
                         f.tips.GetRcvWarningStr(RENDER_TEMPERATURE, 0, 0, 0), Show(f).bFahrenheit,
                         f.warning.GetSenderPortRcvWarning(0, 0, 0) & WARNING_TEMPERATURE),
              std::tuple("158.0\u2109", "Temperature 158.0\u2109 (> 140\u2109)", 1, WARNING_TEMPERATURE));
}

// Tips follow the render type's mask; the show record carries the enabled
// checks.
TEST(ComputeRound, TipsAndTheShowRecordFollowTheEnabledChecks)
{
    std::vector<SenderReading> senders{Sender(0, 1, 1)};
    senders[0].ports[0].receivers[0].nTemperature10 = 700, senders[0].ports[0].receivers[0].nDoor = 1;
    CMonitorInterfaceData settings;
    settings.receiverSetting.bTileDoor = 1;
    const RoundRecords r = Compute(senders, settings);
    const auto tip = [&r](int type) { return r.tips.GetRcvWarningStr(type, 0, 0, 0); };
    EXPECT_EQ(std::tuple(tip(RENDER_RECEIVER), tip(RENDER_TILE_DOOR), tip(RENDER_HUMIDITY),
                         r.tips.GetPortWarningStr(RENDER_TEMPERATURE, 0, 0)),
              std::tuple("Temperature 70.0\u2103 (> 60\u2103)\r\nCabinet door open", "Cabinet door open", "",
                         "Over temperature: 1 receiver"));
    settings.receiverSetting.bTileDoor = 0, settings.receiverSetting.bHumidity = 1;
    settings.senderSetting.bBlack = 0;
    const SMonitorShow show = Show(Compute({}, settings));
    EXPECT_EQ(show.dwReceiverMask, WARNING_NO_DATA | WARNING_TEMPERATURE | WARNING_HUMIDITY);
    EXPECT_EQ(show.dwSenderMask,
              SENDER_WARNING_OFFLINE | SENDER_WARNING_VIDEO_INPUT | SENDER_WARNING_LOCK
                  | SENDER_WARNING_BRIGHTNESS_ZERO);
}

// An offline sender has no record and silent receivers; signal warnings
// have their tips, as far as the show mask lets them.
TEST(ComputeRound, SenderWarningsAndTheirTips)
{
    std::vector<SenderReading> senders{Sender(0, 1, 2), Sender(1, 1, 1)};
    senders[0].bOnline = false, senders[0].ports[0].bConnected = false, senders[1].bBlack = true;
    senders[0].ports[0].receivers.assign(2, ReceiverValues{});
    senders[1].inputs[0].signal = {};
    const RoundRecords r = Compute(senders);
    SMonitorShow show = Show(r);
    EXPECT_EQ(std::tuple(r.detect.GetSenderDataCount(), r.warning.GetSenderWarning(0),
                         r.warning.GetSenderPortRcvWarning(0, 0, 1), r.tips.GetSenderWarningStr(show, 0),
                         r.digest.senders[0].bOnline),
              std::tuple(1, SENDER_WARNING_OFFLINE, WARNING_NO_DATA, "The sender does not answer", false));
    EXPECT_EQ(std::tuple(r.warning.GetSenderWarning(1), r.warning.HasSenderSignalWarning(1),
                         r.tips.GetSenderWarningStr(show, 1)),
              std::tuple(SENDER_WARNING_VIDEO_INPUT | SENDER_WARNING_BLACK, 1, "No video input\r\nBlack screen"));
    show.dwSenderMask = SENDER_WARNING_BLACK;
    EXPECT_EQ(r.tips.GetSenderWarningStr(show, 1), "Black screen");
}

TEST(ComputeRound, DetectionRecordOfASender)
{
    std::vector<SenderReading> senders{Sender(0, 3, 2)};
    senders[0].ports[1].bConnected = false, senders[0].strDeviceName = "Lobby";
    const RoundRecords r = Compute(senders);
    const SDetectSenderData* d = r.detect.GetSenderData(100);
    ASSERT_NE(d, nullptr);
    ASSERT_EQ(d->arrInputSignal.size(), 1u);
    EXPECT_EQ(std::tuple(d->byType, d->byPortCount, d->dwPortMask, d->dwStatus, d->nTreeValue, d->strName,
                         d->bVideoInput, d->nFrameRate100, d->arrInputSignal[0].nWidth),
              std::tuple(35, 3, 0x5u, 0u, 0, "Lobby", 1, 6000, 1920));
}

// Output 10 is the backup of pair 2: its loss marks the pair.
TEST(ComputeRound, FibreOutputsPairTheirWarnings)
{
    std::vector<SenderReading> senders{Sender(0, 16, 2, 4)};
    SenderReading& s = senders[0];
    s.nModel = 160, s.bFiber = true, s.ports[10].bConnected = false;
    s.ports[5].receivers[1].nTemperature10 = 700, s.ports[10].receivers.assign(2, ReceiverValues{});
    const RoundRecords r = Compute(senders);
    const CMonitorWarningData& w = r.warning;
    EXPECT_EQ(std::tuple(w.IsFiberConnected(0, 2), w.IsFiberConnected(0, 10), w.HasSenderFiberWarning(0, 2),
                         w.HasSenderFiberWarning(0, 5), w.HasSenderFiberWarning(0, 0),
                         w.HasFiberPortWarning(0, 5, 0, WARNING_TEMPERATURE),
                         w.HasSenderFiberRcvWarning(0, 2, WARNING_NO_DATA)),
              std::tuple(1, 0, 1, 1, 0, 1, 1));
    EXPECT_EQ(w.GetSenderFiberPortRcvWarningFlag(0, 5, 0, 1), WARNING_TEMPERATURE);
    const SMonitorShow show = Show(r);
    EXPECT_EQ(std::tuple(r.show.GetFiberRcvShowStr(RENDER_TEMPERATURE, 0, 5, 0, 1),
                         r.tips.GetFiberPortWarningStr(show, 0, 2), r.tips.GetPortRcvWarningStr(show, 0, 5, 0, 1)),
              std::tuple("70.0\u2103", "Backup output: Not connected", "Temperature 70.0\u2103 (> 60\u2103)"));
    const SDetectSenderData* d = r.detect.GetSenderData(100);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(std::tuple(d->nTreeValue, d->dwPortMask), std::tuple(8, 0xFBFFu));
}

// Plain classes use the port number modulo 32, whatever the model word;
// class 51 counts from its model word; the fibre class pairs main and
// backup outputs; other classes and bad ports have no bit.
TEST(PortMaskBit, FollowsTheDeviceClass)
{
    const int F = kFiberType, M = kFiberModel;
    const std::tuple<int, int, int, int> cases[] = {
        {35, 0, 0, 0}, {44, 7, 5, 5}, {59, 0, 33, 1}, {68, 7, 5, 5},  {51, 4, 6, 2},  {51, 0, 6, 6}, {51, 4, 0, 28},
        {F, M, 1, 8},  {F, M, 2, 1},  {F, M, 0, 0},   {F, M, 15, 15}, {20, 0, 0, -1}, {0, 0, 3, -1}, {35, 0, -1, -1},
    };
    for (const auto& [type, model, port, bit] : cases)
        EXPECT_EQ(PortMaskBit(type, model, port), bit) << "class " << type << " model " << model << " port " << port;
    for (int output = 0; output < 16; ++output)
        EXPECT_EQ(PortMaskBit(kFiberType, kFiberModel, FiberOutputPort(output)), output) << "the inverse " << output;
    // As the page reads the fibre mask, port 2p is main output p and 2p + 1 its backup (output p + 8).
    EXPECT_EQ(std::tuple(IsPortBitSet(F, M, 0x201u, 0), IsPortBitSet(F, M, 0x201u, 3), IsPortBitSet(F, M, 0x201u, 1),
                         IsPortBitSet(F, M, 0x201u, 2), IsPortBitSet(20, 0, ~0u, 0), IsPortBitSet(35, 0, 0x4u, 2),
                         IsPortBitSet(35, 0, 0x4u, 1)),
              std::tuple(true, true, false, false, false, true, false));
}

} // namespace
} // namespace sim::hw
