// Queries of the warning record.
#include "host/vistrano_warning.h"

#include <gtest/gtest.h>

namespace {

SPortWarningData Port(std::vector<uint32_t> receivers, uint32_t own = 0, uint32_t loop = 0xFFFF0000u)
{
    SPortWarningData p;
    p.dwPortWarning = own;
    p.dwLoopbackError = loop;
    p.arrRcvWarning = std::move(receivers);
    return p;
}

} // namespace

TEST(WarningData, EmptyRecordReportsNothing)
{
    CMonitorWarningData w;
    EXPECT_EQ(w.HasSenderWarning(0), 0);
    EXPECT_EQ(w.HasSenderWarning(-1), 0);
    EXPECT_EQ(w.HaSenderPortWarning(0, 0, WARNING_ALL), 0);
    EXPECT_EQ(w.GetSenderPortRcvWarning(0, 0, 0), 0u);
    EXPECT_EQ(w.GetLoopbackErrorInfo(0, 0), 0xFFFF0000u);
    EXPECT_EQ(w.IsFiberConnected(0, 0), 0);
    EXPECT_EQ(w.HasSenderRcvWarning(-1, WARNING_ALL), 0);
}

TEST(WarningData, SenderWordsSeparateSignalWarnings)
{
    CMonitorWarningData w;
    w.SetSenderWarning(2, SENDER_WARNING_OFFLINE);
    EXPECT_EQ(w.HasSenderWarning(2), 1);
    EXPECT_EQ(w.HasSenderSignalWarning(2), 0);
    EXPECT_EQ(w.HasSenderSignalWarning(-1), 0);
    w.SetSenderWarning(5, SENDER_WARNING_BLACK);
    EXPECT_EQ(w.HasSenderSignalWarning(5), 1);
    EXPECT_EQ(w.HasSenderSignalWarning(-1), 1);
    EXPECT_EQ(w.HasSenderWarning(3), 0);
}

TEST(WarningData, PortWarningTestsTheMaskOnThePortAndItsReceivers)
{
    CMonitorWarningData w;
    w.SetPortWarning(1, -1, 3, Port({0, WARNING_TEMPERATURE, 0}));
    EXPECT_EQ(w.HaSenderPortWarning(1, 3, WARNING_TEMPERATURE), 1);
    EXPECT_EQ(w.HaSenderPortWarning(1, 3, WARNING_HUMIDITY), 0);
    EXPECT_EQ(w.HaSenderPortWarning(1, 2, WARNING_ALL), 0);
    EXPECT_EQ(w.GetSenderPortRcvWarning(1, 3, 1), WARNING_TEMPERATURE);
    EXPECT_EQ(w.GetSenderPortRcvWarning(1, 3, 3), 0u);
    EXPECT_EQ(w.GetSenderPortRcvWarning(1, 3, -1), 0u);
    w.SetPortWarning(1, -1, 4, Port({}, WARNING_NO_DATA));
    EXPECT_EQ(w.HaSenderPortWarning(1, 4, RenderTypeWarningMask(RENDER_SENDER_BLOCKS)), 1);
    EXPECT_EQ(w.HasSenderRcvWarning(1, WARNING_NO_DATA), 0) << "a port's own word is not a receiver warning";
    EXPECT_EQ(w.HasSenderRcvWarning(1, WARNING_TEMPERATURE), 1);
    EXPECT_EQ(w.HasSenderRcvWarning(0, WARNING_TEMPERATURE), 0);
    EXPECT_EQ(w.HasSenderRcvWarning(-1, WARNING_TEMPERATURE), 1);
    w.SetPortWarning(0, -1, 1, Port({0, 0, 0}, 0, 0x00020005u));
    EXPECT_EQ(w.GetLoopbackErrorInfo(0, 1), 0x00020005u) << "the loop information is the port's";
    EXPECT_EQ(w.GetLoopbackErrorInfo(0, 0), 0xFFFF0000u);
}

TEST(WarningData, FibreOutputsAreKeptApartFromEthernetPorts)
{
    CMonitorWarningData w;
    w.SetFiberState(3, 2, true, false);
    w.SetFiberState(3, 10, true, true);
    w.SetPortWarning(3, 10, 0, Port({0, WARNING_FAN}));
    EXPECT_EQ(w.IsFiberConnected(3, 2), 1);
    EXPECT_EQ(w.IsFiberConnected(3, 3), 0);
    EXPECT_EQ(w.HasSenderFiberWarning(3, 10), 1);
    EXPECT_EQ(w.HasSenderFiberWarning(3, 2), 0);
    EXPECT_EQ(w.HasFiberPortWarning(3, 10, 0, WARNING_FAN), 1);
    EXPECT_EQ(w.HaSenderPortWarning(3, 0, WARNING_ALL), 0) << "the fibre board's port 0 is not Ethernet port 0";
    EXPECT_EQ(w.GetSenderFiberPortRcvWarningFlag(3, 10, 0, 1), WARNING_FAN);
    // Output pair 2 covers main output 2 and its backup output 10.
    EXPECT_EQ(w.HasSenderFiberRcvWarning(3, 2, WARNING_FAN), 1);
    EXPECT_EQ(w.HasSenderFiberRcvWarning(3, 1, WARNING_FAN), 0);
    w.SetFiberState(3, 2, false, false);
    EXPECT_EQ(w.IsFiberConnected(3, 2), 0);
    EXPECT_EQ(w.IsFiberConnected(3, 10), 1);
    w.SetFiberState(3, 16, true, true);
    EXPECT_EQ(w.IsFiberConnected(3, 16), 0);
}

TEST(WarningData, CopiesAreIndependent)
{
    CMonitorWarningData w;
    w.SetPortWarning(0, -1, 0, Port({WARNING_SMOKE}));
    CMonitorWarningData copy = w;
    w.Clear();
    EXPECT_EQ(copy.GetSenderPortRcvWarning(0, 0, 0), WARNING_SMOKE);
    EXPECT_EQ(w.GetSenderPortRcvWarning(0, 0, 0), 0u);
}

// The mask of each receiver view is its warning bits (the tips tests use
// them); what follows are the views that stand apart.
TEST(RenderType, WarningMasks)
{
    EXPECT_EQ(RenderTypeWarningMask(RENDER_RECEIVER), WARNING_ALL);
    EXPECT_EQ(RenderTypeWarningMask(RENDER_SENDER_BLOCKS), WARNING_NO_DATA);
    EXPECT_EQ(RenderTypeWarningMask(RENDER_POWER), WARNING_POWER1 | WARNING_POWER2);
    EXPECT_EQ(RenderTypeWarningMask(12), 0u);
    EXPECT_FALSE(IsReceiverTarget(RENDER_SINGLE_SENDER));
    EXPECT_TRUE(IsReceiverTarget(RENDER_VOLTAGE));
    EXPECT_FALSE(IsReceiverTarget(12));
}
