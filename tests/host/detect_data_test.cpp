// Queries of the detection record.
#include "host/vistrano_detect.h"

#include <gtest/gtest.h>

TEST(DetectData, SenderRecordsByIdentifierInIdentifierOrder)
{
    CMonitorDetectData d;
    EXPECT_EQ(d.GetSenderData(7), nullptr);
    EXPECT_EQ(d.GetSenderDataCount(), 0);
    SDetectSenderData s;
    s.byType = 4;
    s.nModel = 160;
    s.strName = "Hall A";
    d.SetSenderData(0xC0A8000Au, s);
    s.strName = "Hall B";
    d.SetSenderData(0xC0A80002u, s);
    ASSERT_NE(d.GetSenderData(0xC0A8000Au), nullptr);
    EXPECT_EQ(d.GetSenderData(0xC0A8000Au)->strName, "Hall A");
    EXPECT_EQ(d.GetSenderDataCount(), 2);
    EXPECT_EQ(d.GetAllSenderData().begin()->first, 0xC0A80002u);
}

TEST(DetectData, ReceiverRecordsOnlyForAnsweringReceivers)
{
    CMonitorDetectData d;
    SDetectReceiverData on, off;
    on.bOnline = 1;
    on.nTemperature10 = 415;
    d.SetPortReceivers(1, 2, {on, off});
    ASSERT_NE(d.GetReceiverData(1, 2, 0), nullptr);
    EXPECT_EQ(d.GetReceiverData(1, 2, 0)->nTemperature10, 415);
    EXPECT_EQ(d.GetReceiverData(1, 2, 1), nullptr);
    EXPECT_EQ(d.GetReceiverData(1, 2, 2), nullptr);
    EXPECT_EQ(d.GetReceiverData(1, 2, -1), nullptr);
    EXPECT_EQ(d.GetReceiverData(2, 1, 0), nullptr);
    d.Clear();
    EXPECT_EQ(d.GetReceiverData(1, 2, 0), nullptr);
}
