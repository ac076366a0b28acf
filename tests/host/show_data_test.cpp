// Receiver value texts and tooltip texts.
#include "host/vistrano_show.h"

#include <gtest/gtest.h>

namespace {

SRcvShowValue Answering()
{
    SRcvShowValue v;
    v.bHasData = 1;
    return v;
}

} // namespace

TEST(RcvShowData, NoDataGivesAnEmptyText)
{
    CMonitorRcvShowData d;
    EXPECT_EQ(d.GetRcvShowStr(RENDER_TEMPERATURE, 0, 0, 0), "");
    d.SetPortValues(0, -1, 0, {SRcvShowValue{}});
    EXPECT_EQ(d.GetRcvShowStr(RENDER_TEMPERATURE, 0, 0, 0), "") << "a receiver that did not answer";
    EXPECT_EQ(d.GetRcvShowStr(RENDER_TEMPERATURE, 0, 0, 1), "");
}

TEST(RcvShowData, MissingSensorGivesADash)
{
    CMonitorRcvShowData d;
    d.SetPortValues(0, -1, 0, {Answering()});
    for (int type = RENDER_TEMPERATURE; type <= RENDER_VOLTAGE; ++type)
        EXPECT_EQ(d.GetRcvShowStr(type, 0, 0, 0), "-") << type;
    EXPECT_EQ(d.GetRcvShowStr(RENDER_RECEIVER, 0, 0, 0), "1");
    EXPECT_EQ(d.GetRcvShowStr(RENDER_SINGLE_SENDER, 0, 0, 0), "");
}

TEST(RcvShowData, ValuesByRenderType)
{
    CMonitorRcvShowData d;
    SRcvShowValue v = Answering();
    v.nTemperature10 = 455;
    v.nHumidity = 62;
    v.nSmoke = 1;
    v.nFanSpeed = 1200;
    v.nDoor = 0;
    v.nPower1 = 1;
    v.nPower2 = 0;
    v.nVoltage100 = 498;
    v.nCable = 0;
    d.SetPortValues(2, -1, 1, {Answering(), v});
    EXPECT_EQ(d.GetRcvShowStr(RENDER_RECEIVER, 2, 1, 1), "2");
    EXPECT_EQ(d.GetRcvShowStr(RENDER_TEMPERATURE, 2, 1, 1), "45.5\u2103");
    EXPECT_EQ(d.GetRcvShowStr(RENDER_HUMIDITY, 2, 1, 1), "62%");
    EXPECT_EQ(d.GetRcvShowStr(RENDER_SMOKE, 2, 1, 1), "Fault");
    EXPECT_EQ(d.GetRcvShowStr(RENDER_FAN, 2, 1, 1), "1200rpm");
    EXPECT_EQ(d.GetRcvShowStr(RENDER_TILE_DOOR, 2, 1, 1), "Closed");
    EXPECT_EQ(d.GetRcvShowStr(RENDER_POWER, 2, 1, 1), "1:OK\n2:Fault");
    EXPECT_EQ(d.GetRcvShowStr(RENDER_VOLTAGE, 2, 1, 1), "4.98V");
    EXPECT_EQ(d.GetRcvShowStr(RENDER_CABLE_DETECTION, 2, 1, 1), "OK");
    EXPECT_EQ(d.GetFiberRcvShowStr(RENDER_HUMIDITY, 2, 0, 1, 1), "") << "fibre boards are kept apart";
}

TEST(RcvShowData, FahrenheitAndWordsFollowTheRound)
{
    CMonitorRcvShowData d;
    SRcvShowValue v = Answering();
    v.nTemperature10 = 600;
    v.nDoor = 1;
    d.SetPortValues(0, 3, 0, {v});
    SMonitorShow show;
    EXPECT_FALSE(d.GetMonitorShow(show));
    show.bFahrenheit = 1;
    d.SetMonitorShow(show);
    d.SetWords({"Normal", "Alarm", "Opened", "Shut"});
    EXPECT_EQ(d.GetFiberRcvShowStr(RENDER_TEMPERATURE, 0, 3, 0, 0), "140.0\u2109");
    EXPECT_EQ(d.GetFiberRcvShowStr(RENDER_TILE_DOOR, 0, 3, 0, 0), "Opened");
    SMonitorShow read;
    EXPECT_TRUE(d.GetMonitorShow(read));
    EXPECT_EQ(read.bFahrenheit, 1);
    d.Clear();
    EXPECT_FALSE(d.GetMonitorShow(read));
}

TEST(TipsData, LinesAreFilteredAndJoined)
{
    CMonitorTipsData t;
    t.AddLine(CMonitorTipsData::kReceiver, 1, 0, 2, 7, {WARNING_TEMPERATURE, "Temperature 71"});
    t.AddLine(CMonitorTipsData::kReceiver, 1, 0, 2, 7, {WARNING_FAN, "Fan stopped"});
    EXPECT_EQ(t.GetRcvWarningStr(RENDER_RECEIVER, 1, 2, 7), "Temperature 71\r\nFan stopped");
    EXPECT_EQ(t.GetRcvWarningStr(RENDER_FAN, 1, 2, 7), "Fan stopped");
    EXPECT_EQ(t.GetRcvWarningStr(RENDER_HUMIDITY, 1, 2, 7), "");
    EXPECT_EQ(t.GetRcvWarningStr(RENDER_RECEIVER, 1, 2, 6), "");
    EXPECT_EQ(t.GetPortWarningStr(RENDER_RECEIVER, 1, 2), "") << "a receiver's lines are not its port's";
}

TEST(TipsData, ShowRecordFiltersSenderAndFibreTexts)
{
    CMonitorTipsData t;
    t.AddLine(CMonitorTipsData::kSender, 0, 0, 0, 0, {SENDER_WARNING_VIDEO_INPUT, "No video input"});
    t.AddLine(CMonitorTipsData::kFiberSender, 0, 0, 0, 0, {SENDER_WARNING_LOCK, "Not locked"});
    t.AddLine(CMonitorTipsData::kFiberBoard, 0, 3, 0, 0, {WARNING_NO_DATA, "Board 4 silent"});
    t.AddLine(CMonitorTipsData::kFiberPort, 0, 11, 1, 0, {WARNING_CABLE, "Cable"});
    t.AddLine(CMonitorTipsData::kFiberReceiver, 0, 11, 1, 4, {WARNING_SMOKE, "Smoke"});
    SMonitorShow show;
    EXPECT_EQ(t.GetSenderWarningStr(show, 0), "");
    show.dwSenderMask = SENDER_WARNING_SIGNAL;
    show.dwReceiverMask = WARNING_ALL;
    EXPECT_EQ(t.GetSenderWarningStr(show, 0), "No video input");
    EXPECT_EQ(t.GetSenderFiberWarningStr(show, 0), "Not locked");
    EXPECT_EQ(t.GetFiberPortWarningStr(show, 0, 3), "Board 4 silent");
    EXPECT_EQ(t.GetFiberPortWarningStr(show, 0, 11, 1), "Cable");
    EXPECT_EQ(t.GetPortRcvWarningStr(show, 0, 11, 1, 4), "Smoke");
    show.dwReceiverMask = WARNING_TEMPERATURE;
    EXPECT_EQ(t.GetPortRcvWarningStr(show, 0, 11, 1, 4), "");
}
