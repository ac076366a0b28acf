#pragma once
// Every hardware test starts as a simulation test does, with fresh hardware
// and a small installation:
//   sender 0: class 35, two ports of 4 receivers;
//   sender 1: class 59 (loop-back ports), two ports of 4 receivers, its
//             port 1 the backup of sender 0's port 1;
//   sender 2: a fibre sender, 16 outputs of 2 receivers (8-15 backing 0-7).
#include "../sim_fixture.h"
#include "sim/hardware.h"
#include "sim/monitor_control.h"

#include <chrono>
#include <ctime>
#include <functional>

namespace hwtest {

sim::ProjectModel SmallProject();

// A card that answers with every sensor in its healthy range: 40 °C, 40 %,
// 5.30 V, 2000 rpm; the second supply (5.30 V, good) when asked.
sim::ReceiverValues HealthyCard(bool secondSupply);

// Waits until the condition holds, looking every millisecond; false when
// it still fails after the bound.
bool Eventually(const std::function<bool()>& condition, std::chrono::milliseconds bound = std::chrono::seconds(20));

class HwTest : public SimTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The monitoring settings of the project.
    void SetSettings(const CMonitorInterfaceData& settings);
    // Alert mail to one recipient after `rounds` rounds with a warning.
    void EnableMail(int rounds);
    // The monitoring log of the day that holds `when`.
    std::string DayLog(std::time_t when) const;
};

} // namespace hwtest
