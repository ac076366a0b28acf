// Faults injected through the sim API change what the hardware reads, and
// clearing them restores it; the drift repeats from the seed.
#include "hw_fixture.h"

#include "sim/world.h"

#include <tuple>

namespace hwtest {
namespace {

using sim::ReceiverFault;
using sim::ReceiverValues;

class Faults : public HwTest {
protected:
    static ReceiverValues Read(int sender, int port, int receiver)
    {
        ReceiverValues v;
        EXPECT_TRUE(sim::ReadReceiverNow(sender, port, receiver, v)) << sender << "/" << port << "/" << receiver;
        return v;
    }
};

// Healthy readings are inside the default limits; each fault shows on its
// receiver only and clears.
TEST_F(Faults, EachReceiverFaultShowsInItsReadingAndClears)
{
    for (int r = 0; r < 4; ++r) {
        const ReceiverValues v = Read(0, 0, r);
        EXPECT_TRUE(v.bAnswers && v.nTemperature10 < 600 && v.nVoltage1_100 >= 500 && v.nVoltage1_100 <= 1200) << r;
    }
    const std::tuple<ReceiverFault, int32_t ReceiverValues::*, int32_t> cases[] = {
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
    for (const auto& [fault, value, expected] : cases) {
        SCOPED_TRACE(static_cast<int>(fault));
        const ReceiverValues before = Read(0, 0, 2);
        ASSERT_TRUE(sim::InjectReceiverFault(0, 0, 2, fault));
        EXPECT_EQ(Read(0, 0, 2).*value, expected);
        EXPECT_NE(Read(0, 0, 1).*value, expected) << "a neighbour stays healthy";
        ASSERT_TRUE(sim::ClearReceiverFault(0, 0, 2, fault));
        EXPECT_EQ(Read(0, 0, 2).*value, before.*value);
    }
    ASSERT_TRUE(sim::InjectReceiverFault(0, 1, 0, ReceiverFault::OverTemperature));
    ASSERT_TRUE(sim::InjectReceiverFault(0, 1, 3, ReceiverFault::NoData));
    EXPECT_EQ(
        std::tuple(Read(0, 1, 0).nTemperature10 >= 850, Read(0, 1, 1).nTemperature10 < 600, Read(0, 1, 3).bAnswers),
        std::tuple(true, true, false));
    sim::ClearAllFaults();
    EXPECT_EQ(std::tuple(Read(0, 1, 0).nTemperature10 < 600, Read(0, 1, 3).bAnswers), std::tuple(true, true));
}

// A fault on every receiver of a sender or a port; clearing a whole port
// clears a single receiver's fault too. Bad addresses are refused.
TEST_F(Faults, WholePortsEveryPortAndBadAddresses)
{
    ASSERT_TRUE(sim::InjectReceiverFault(0, -1, -1, ReceiverFault::Door));
    for (int p = 0; p < 2; ++p)
        for (int r = 0; r < 4; ++r)
            EXPECT_EQ(Read(0, p, r).nDoor, 1);
    ASSERT_TRUE(sim::ClearReceiverFault(0, 1, -1, ReceiverFault::Door));
    EXPECT_EQ(std::tuple(Read(0, 1, 2).nDoor, Read(0, 0, 2).nDoor), std::tuple(0, 1));
    ASSERT_TRUE(sim::InjectReceiverFault(0, 1, 1, ReceiverFault::Smoke));
    ASSERT_TRUE(sim::ClearReceiverFault(0, 1, -1, ReceiverFault::Smoke));
    EXPECT_EQ(Read(0, 1, 1).nSmoke, 0);

    for (const auto& [s, p, r] : {std::tuple{3, 0, 0}, {0, 2, 0}, {0, 0, 4}, {0, 0, -2}})
        EXPECT_FALSE(sim::InjectReceiverFault(s, p, r, ReceiverFault::Door)) << s << "/" << p << "/" << r;
    EXPECT_FALSE(sim::InjectSenderFault(-1, sim::SenderFault::Offline));
    EXPECT_FALSE(sim::InjectPortDisconnected(0, 5));
    ReceiverValues v;
    EXPECT_FALSE(sim::ReadReceiverNow(0, 0, 9, v));
}

// Sender 1's port 1 backs up sender 0's port 1: the same cabinets, one
// reading; a fibre backup output reads its main output's cabinets.
TEST_F(Faults, CabinetFaultShowsOnItsBackupPaths)
{
    ASSERT_TRUE(sim::InjectReceiverFault(0, 1, 2, ReceiverFault::Fan));
    EXPECT_EQ(Read(1, 1, 2).nFanRpm, 0);
    EXPECT_EQ(Read(1, 1, 2).nTemperature10, Read(0, 1, 2).nTemperature10);
    EXPECT_NE(Read(1, 0, 2).nFanRpm, 0) << "port 0 of sender 1 feeds other cabinets";
    ASSERT_TRUE(sim::InjectReceiverFault(2, 3, 1, ReceiverFault::Cable));
    EXPECT_EQ(std::tuple(Read(2, 11, 1).nCable, Read(2, 11, 0).nCable), std::tuple(1, 0));
}

// Unplugged ports and offline senders stop answering (the backup path
// still reaches the cabinets); loop breaks only on senders with loop-back
// ports; faults follow their sender when senders move.
TEST_F(Faults, UnpluggedPortsOfflineSendersAndLoopBreaks)
{
    ASSERT_TRUE(sim::InjectPortDisconnected(0, 1));
    EXPECT_EQ(std::tuple(Read(0, 1, 0).bAnswers, Read(0, 0, 0).bAnswers, Read(1, 1, 0).bAnswers),
              std::tuple(false, true, true));
    ASSERT_TRUE(sim::ClearPortDisconnected(0, 1));
    EXPECT_TRUE(Read(0, 1, 0).bAnswers);
    ASSERT_TRUE(sim::InjectSenderFault(1, sim::SenderFault::Offline));
    EXPECT_FALSE(Read(1, 0, 0).bAnswers);
    ASSERT_TRUE(sim::ClearSenderFault(1, sim::SenderFault::Offline));
    EXPECT_TRUE(Read(1, 0, 0).bAnswers);

    EXPECT_FALSE(sim::InjectLoopbackBreak(0, 0, 1, 2)) << "class 35 has no loop";
    EXPECT_FALSE(sim::InjectLoopbackBreak(1, 0, 2, 1)) << "first after last";
    EXPECT_FALSE(sim::InjectLoopbackBreak(1, 0, 1, 4)) << "past the last receiver";
    EXPECT_TRUE(sim::InjectLoopbackBreak(1, 0, 1, 3));
    EXPECT_TRUE(Read(1, 0, 2).bAnswers) << "reached from the loop's other end";
    EXPECT_TRUE(sim::ClearLoopbackBreak(1, 0));

    ASSERT_TRUE(sim::InjectSenderFault(0, sim::SenderFault::Offline));
    sim::ProjectModel p = sim::GetProject();
    std::swap(p.senders[0], p.senders[1]);
    p.backups.clear();
    Use(p);
    EXPECT_EQ(std::tuple(Read(1, 0, 0).bAnswers, Read(0, 0, 0).bAnswers), std::tuple(false, true));
}

TEST_F(Faults, ReadingsRepeatFromTheSeedAndDriftWithTheClock)
{
    sim::SetSeed(7);
    const ReceiverValues a = Read(0, 0, 0);
    ASSERT_TRUE(sim::RunMonitorRounds(120)); // not monitoring: moves the clock
    EXPECT_EQ(sim::GetSimulationClock(), 120u);
    EXPECT_NE(Read(0, 0, 0).nTemperature10, a.nTemperature10);
    sim::ResetHardware();
    sim::SetSeed(7);
    EXPECT_EQ(std::tuple(Read(0, 0, 0).nTemperature10, Read(0, 0, 0).nFanRpm), std::tuple(a.nTemperature10, a.nFanRpm));
    sim::SetSeed(8);
    const ReceiverValues other = Read(0, 0, 0);
    EXPECT_TRUE(other.nTemperature10 != a.nTemperature10 || other.nFanRpm != a.nFanRpm);
}

} // namespace
} // namespace hwtest
