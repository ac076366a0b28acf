// Faults injected through the sim API change what the hardware reads, and
// clearing them restores it; the drift repeats from the seed.
#include "hw_fixture.h"

#include "sim/world.h"

namespace hwtest {
namespace {

using sim::ReceiverFault;
using sim::ReceiverValues;

class Faults : public HwTest {
protected:
    ReceiverValues Read(int sender, int port, int receiver)
    {
        ReceiverValues v;
        EXPECT_TRUE(sim::ReadReceiverNow(sender, port, receiver, v));
        return v;
    }
};

TEST_F(Faults, HealthyReadingsAreInsideTheDefaultLimits)
{
    for (int r = 0; r < 4; ++r) {
        const ReceiverValues v = Read(0, 0, r);
        EXPECT_TRUE(v.bAnswers);
        EXPECT_LT(v.nTemperature10, 600);
        EXPECT_GE(v.nVoltage1_100, 500);
        EXPECT_LE(v.nVoltage1_100, 1200);
    }
}

TEST_F(Faults, EachReceiverFaultShowsInItsReadingAndClears)
{
    struct Case {
        ReceiverFault fault;
        int32_t ReceiverValues::*value;
        int32_t expected;
    };
    const Case cases[] = {
        {ReceiverFault::Humidity, &ReceiverValues::nHumidity, 95},
        {ReceiverFault::Smoke, &ReceiverValues::nSmoke, 1},
        {ReceiverFault::Fan, &ReceiverValues::nFanRpm, 0},
        {ReceiverFault::Door, &ReceiverValues::nDoor, 1},
        {ReceiverFault::PowerSupply1, &ReceiverValues::nPower1, 0},
        {ReceiverFault::PowerSupply2, &ReceiverValues::nPower2, 0},
        {ReceiverFault::Voltage1, &ReceiverValues::nVoltage1_100, 380},
        {ReceiverFault::Voltage2, &ReceiverValues::nVoltage2_100, 380},
        {ReceiverFault::Cable, &ReceiverValues::nCable, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.fault));
        const ReceiverValues before = Read(0, 0, 2);
        ASSERT_TRUE(sim::InjectReceiverFault(0, 0, 2, c.fault));
        EXPECT_EQ(Read(0, 0, 2).*c.value, c.expected);
        EXPECT_NE(Read(0, 0, 1).*c.value, c.expected) << "a neighbour stays healthy";
        ASSERT_TRUE(sim::ClearReceiverFault(0, 0, 2, c.fault));
        EXPECT_EQ(Read(0, 0, 2).*c.value, before.*c.value);
    }
}

TEST_F(Faults, OverTemperatureAndNoData)
{
    ASSERT_TRUE(sim::InjectReceiverFault(0, 1, 0, ReceiverFault::OverTemperature));
    EXPECT_GE(Read(0, 1, 0).nTemperature10, 850);
    EXPECT_LT(Read(0, 1, 1).nTemperature10, 600);
    ASSERT_TRUE(sim::InjectReceiverFault(0, 1, 3, ReceiverFault::NoData));
    EXPECT_FALSE(Read(0, 1, 3).bAnswers);
    sim::ClearAllFaults();
    EXPECT_TRUE(Read(0, 1, 3).bAnswers);
    EXPECT_LT(Read(0, 1, 0).nTemperature10, 600);
}

TEST_F(Faults, WholePortAndEveryPort)
{
    ASSERT_TRUE(sim::InjectReceiverFault(0, -1, -1, ReceiverFault::Door));
    for (int p = 0; p < 2; ++p)
        for (int r = 0; r < 4; ++r)
            EXPECT_EQ(Read(0, p, r).nDoor, 1);
    ASSERT_TRUE(sim::ClearReceiverFault(0, 1, -1, ReceiverFault::Door));
    EXPECT_EQ(Read(0, 1, 2).nDoor, 0);
    EXPECT_EQ(Read(0, 0, 2).nDoor, 1);
    // Clearing a whole port clears a single receiver's fault too.
    ASSERT_TRUE(sim::InjectReceiverFault(0, 1, 1, ReceiverFault::Smoke));
    ASSERT_TRUE(sim::ClearReceiverFault(0, 1, -1, ReceiverFault::Smoke));
    EXPECT_EQ(Read(0, 1, 1).nSmoke, 0);
}

TEST_F(Faults, BadAddressesAreRefused)
{
    EXPECT_FALSE(sim::InjectReceiverFault(3, 0, 0, ReceiverFault::Door));
    EXPECT_FALSE(sim::InjectReceiverFault(0, 2, 0, ReceiverFault::Door));
    EXPECT_FALSE(sim::InjectReceiverFault(0, 0, 4, ReceiverFault::Door));
    EXPECT_FALSE(sim::InjectReceiverFault(0, 0, -2, ReceiverFault::Door));
    EXPECT_FALSE(sim::InjectSenderFault(-1, sim::SenderFault::Offline));
    EXPECT_FALSE(sim::InjectPortDisconnected(0, 5));
    ReceiverValues v;
    EXPECT_FALSE(sim::ReadReceiverNow(0, 0, 9, v));
}

TEST_F(Faults, CabinetFaultShowsOnItsBackupPaths)
{
    // Sender 1's port 1 backs up sender 0's port 1: the same cabinets.
    ASSERT_TRUE(sim::InjectReceiverFault(0, 1, 2, ReceiverFault::Fan));
    EXPECT_EQ(Read(1, 1, 2).nFanRpm, 0);
    EXPECT_EQ(Read(1, 1, 2).nTemperature10, Read(0, 1, 2).nTemperature10) << "one cabinet, one reading";
    EXPECT_NE(Read(1, 0, 2).nFanRpm, 0) << "port 0 of sender 1 feeds other cabinets";
    // A fibre backup output reads its main output's cabinets.
    ASSERT_TRUE(sim::InjectReceiverFault(2, 3, 1, ReceiverFault::Cable));
    EXPECT_EQ(Read(2, 11, 1).nCable, 1);
    EXPECT_EQ(Read(2, 11, 0).nCable, 0);
}

TEST_F(Faults, UnpluggedPortAndOfflineSenderStopAnswering)
{
    ASSERT_TRUE(sim::InjectPortDisconnected(0, 1));
    EXPECT_FALSE(Read(0, 1, 0).bAnswers);
    EXPECT_TRUE(Read(0, 0, 0).bAnswers);
    EXPECT_TRUE(Read(1, 1, 0).bAnswers) << "the backup path still reaches the cabinets";
    ASSERT_TRUE(sim::ClearPortDisconnected(0, 1));
    EXPECT_TRUE(Read(0, 1, 0).bAnswers);

    ASSERT_TRUE(sim::InjectSenderFault(1, sim::SenderFault::Offline));
    EXPECT_FALSE(Read(1, 0, 0).bAnswers);
    ASSERT_TRUE(sim::ClearSenderFault(1, sim::SenderFault::Offline));
    EXPECT_TRUE(Read(1, 0, 0).bAnswers);
}

TEST_F(Faults, LoopbackBreakOnlyOnSendersWithLoopbackPorts)
{
    EXPECT_FALSE(sim::InjectLoopbackBreak(0, 0, 1, 2)) << "class 35 has no loop";
    EXPECT_FALSE(sim::InjectLoopbackBreak(1, 0, 2, 1)) << "first after last";
    EXPECT_FALSE(sim::InjectLoopbackBreak(1, 0, 1, 4)) << "past the last receiver";
    EXPECT_TRUE(sim::InjectLoopbackBreak(1, 0, 1, 3));
    EXPECT_TRUE(Read(1, 0, 2).bAnswers) << "reached from the loop's other end";
    EXPECT_TRUE(sim::ClearLoopbackBreak(1, 0));
}

TEST_F(Faults, FaultsFollowTheirSenderWhenSendersMove)
{
    ASSERT_TRUE(sim::InjectSenderFault(0, sim::SenderFault::Offline));
    sim::ProjectModel p = sim::GetProject();
    std::swap(p.senders[0], p.senders[1]);
    p.backups.clear();
    UseProject(p);
    EXPECT_FALSE(Read(1, 0, 0).bAnswers);
    EXPECT_TRUE(Read(0, 0, 0).bAnswers);
}

TEST_F(Faults, ReadingsRepeatFromTheSeedAndDriftWithTheClock)
{
    sim::SetSeed(7);
    const ReceiverValues a = Read(0, 0, 0);
    ASSERT_TRUE(sim::RunMonitorRounds(120)); // not monitoring: moves the clock
    EXPECT_EQ(sim::GetSimulationClock(), 120u);
    const ReceiverValues later = Read(0, 0, 0);
    EXPECT_NE(a.nTemperature10, later.nTemperature10);

    sim::ResetHardware();
    sim::SetSeed(7);
    EXPECT_EQ(Read(0, 0, 0).nTemperature10, a.nTemperature10);
    EXPECT_EQ(Read(0, 0, 0).nFanRpm, a.nFanRpm);
    sim::SetSeed(8);
    const ReceiverValues other = Read(0, 0, 0);
    EXPECT_TRUE(other.nTemperature10 != a.nTemperature10 || other.nFanRpm != a.nFanRpm);
}

} // namespace
} // namespace hwtest
