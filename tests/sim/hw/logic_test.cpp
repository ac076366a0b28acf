// The bridge's logic objects as the page calls them: sender answers from
// the last detection, detection with progress, names, output ports, cards,
// demarcation, video inputs.
#include "hw_fixture.h"

#include "controls/progress.h"
#include "host/host_enums.h"
#include "host/hwbridge.h"
#include "platform/window.h"
#include "sim/world.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace hwtest {
namespace {

class ProgressWindow : public CWnd, public IProgressWatcherEx2 {
public:
    int BeginProgress(const SProgressInfo&) override { return 0; }
    void SetProgressRange(int, int) override {}
    void SetProgressPos(int pos) override { positions.push_back(pos); }
    void SetProgressText(const std::string&) override {}
    void EndProgress() override {}
    bool IsProgressRunning() const override { return true; }

    std::vector<int> positions;
};

class Logic : public HwTest {
protected:
    ISenderLogic& senders = *GetHwSenderLogic();
    IReceiverLogic& receivers = *GetHwReceiverLogic();
    IVideoSourceLogic& video = *GetHwVideoSourceLogic();
};

// Detected at the first ask; ports by device class (the fibre sender's
// port 2p is main output p, 2p + 1 its backup); answers change only with a
// detection; several senders on one card fail it; with specified addresses
// and senders 0 and 1 offline, the fibre sender is the detection's current.
TEST_F(Logic, SendersAndPortsAsTheLastDetectionFoundThem)
{
    EXPECT_EQ(std::tuple(senders.GetCurDetectSender(), senders.IsFiberSender()), std::tuple(0, 0));
    EXPECT_EQ(std::tuple(senders.GetDetectedSenderCount(), senders.IsSenderDetected(1), senders.GetSenderTypeCode(1),
                         senders.GetSenderTypeCode(7), senders.IsSenderDetected(7), senders.GetSenderStatusWord(0),
                         senders.GetSenderName(0), senders.IsConnected(2)),
              std::tuple(3, 1, 59, 0, 0, 0u, "Sender 1", 1));
    EXPECT_EQ(std::tuple(senders.IsPortConnected(0, 0), senders.IsPortConnected(0, 1), senders.IsPortConnected(0, 2),
                         senders.IsPortConnected(2, 1), senders.GetSenderTreeValue(2), senders.GetSenderTreeValue(0)),
              std::tuple(1, 1, 0, 1, 8, 0));
    sim::InjectPortDisconnected(2, 8); // backup of pair 0
    sim::InjectSenderFault(0, sim::SenderFault::Offline);
    EXPECT_EQ(senders.IsSenderDetected(0), 1) << "what the last detection found";
    EXPECT_EQ(senders.DetectSenders(nullptr, 0, 0, 1), 0u);
    EXPECT_EQ(std::tuple(senders.IsPortConnected(2, 1), senders.IsPortConnected(2, 0)), std::tuple(0, 1));
    EXPECT_EQ(std::tuple(senders.IsSenderDetected(0), senders.IsConnected(0), senders.GetDetectedSenderCount(),
                         senders.GetSenderName(0), senders.IsPortConnected(0, 0)),
              std::tuple(0, 0, 2, "", 0));
    sim::SetMultiSenderCard(true);
    EXPECT_EQ(senders.DetectSenders(nullptr, 0, 0, 1), kDetectMultiSenderCard);
    sim::SetMultiSenderCard(false);
    EXPECT_EQ(senders.DetectSenders(nullptr, 0, 0, 1), 0u);
    sim::ConfigSettings config = sim::GetConfig();
    config.detectStrategy = DETECT_STRATEGY_SPECIFIED_IP;
    sim::SetConfig(config);
    sim::InjectSenderFault(1, sim::SenderFault::Offline);
    senders.DetectSenders(nullptr, 0, 0, 1);
    EXPECT_EQ(std::tuple(senders.GetCurDetectSender(), senders.IsFiberSender()), std::tuple(2, 1))
        << "with specified addresses the fibre sender is the detection's current one";
}

TEST_F(Logic, DetectionReportsItsProgressToAWatchingWindow)
{
    ProgressWindow window;
    EXPECT_EQ(senders.DetectSenders(&window, 0, 30, 1), 0u);
    ASSERT_FALSE(window.positions.empty());
    EXPECT_EQ(std::tuple(std::is_sorted(window.positions.begin(), window.positions.end()), window.positions.back()),
              std::tuple(true, 30));
    window.positions.clear();
    EXPECT_EQ(receivers.DetectReceivers(-1, -1, &window, 30, 100, 0), 0);
    ASSERT_FALSE(window.positions.empty());
    EXPECT_EQ(std::tuple(window.positions.front() > 30, window.positions.back()), std::tuple(true, 100));
    window.positions.clear();
    senders.DetectSenders(&window, 0, 0, 1);
    EXPECT_TRUE(window.positions.empty()) << "no range, no progress";
}

TEST_F(Logic, Names)
{
    EXPECT_EQ(std::tuple(senders.GetDisplayName(1), senders.IsNameSettable(1)), std::tuple("Sender 2", 1));
    EXPECT_EQ(senders.SetDeviceName(1, "Stage"), 1);
    EXPECT_EQ(senders.GetDisplayName(1), "Stage");
    senders.DetectSenders(nullptr, 0, 0, 1);
    EXPECT_EQ(senders.GetSenderName(1), "Stage");
    EXPECT_EQ(senders.SetDeviceName(1, std::string(65, 'x')), 0) << "longer than a device stores";
    sim::InjectSenderFault(0, sim::SenderFault::Offline);
    senders.DetectSenders(nullptr, 0, 0, 1);
    EXPECT_EQ(senders.SetDeviceName(0, "Gone"), 0);
    EXPECT_EQ(senders.GetDisplayName(9), "");
}

TEST_F(Logic, SwitchedOffPortsStopFeedingAndAreReported)
{
    EXPECT_EQ(senders.CheckPortEnable(1), 0);
    ASSERT_EQ(senders.SetOutputPorts({1, 1, {0x02}}), 1);
    EXPECT_EQ(senders.CheckPortEnable(1), 1);
    EXPECT_EQ(sim::GetSwitchedOffPorts(1), (std::vector<uint8_t>{0x02}));
    sim::ReceiverValues v;
    ASSERT_TRUE(sim::ReadReceiverNow(1, 1, 0, v));
    EXPECT_FALSE(v.bAnswers);
    senders.DetectSenders(nullptr, 0, 0, 1);
    EXPECT_EQ(senders.GetSenderStatusWord(1), 0u) << "one port still feeds";
    senders.SetOutputPorts({1, 1, {0x03}});
    senders.DetectSenders(nullptr, 0, 0, 1);
    EXPECT_NE(senders.GetSenderStatusWord(1), 0u) << "every port off: the sender feeds no receiver";
    EXPECT_EQ(senders.SetOutputPorts({1, 1, {0x00}}), 1);
    EXPECT_EQ(senders.CheckPortEnable(1), 0);
    // A video-source device's mask starts with its port count.
    EXPECT_EQ(video.SetOutputPorts({0, 1, {2, 0, 0x01}}), 1);
    EXPECT_EQ(sim::GetSwitchedOffPorts(0), (std::vector<uint8_t>{0x01}));
    EXPECT_EQ(video.SetOutputPorts({0, 1, {2}}), 0);
}

// An empty card has no description; a refused write keeps the card; an
// offline sender's card cannot be reached.
TEST_F(Logic, CardsHoldAProjectDescription)
{
    std::string description, content;
    EXPECT_EQ(std::tuple(senders.CanAccessCard(0), senders.ReadCardDescription(0, description) < 0),
              std::tuple(1, true));
    ASSERT_EQ(sim::WriteSenderCard(0, "Hall A", "{\"x\":1}"), sim::CardWrite::Written);
    EXPECT_GE(senders.ReadCardDescription(0, description), 0);
    EXPECT_TRUE(sim::ReadSenderCard(0, content));
    EXPECT_EQ(std::tuple(description, content), std::tuple("Hall A", "{\"x\":1}"));
    senders.EndCardTransfer();
    EXPECT_EQ(sim::GetCardTransferEndCount(), 1);
    sim::InjectSenderFault(0, sim::SenderFault::CardWrite);
    EXPECT_EQ(sim::WriteSenderCard(0, "x", "y"), sim::CardWrite::Refused);
    EXPECT_TRUE(sim::ReadSenderCard(0, content));
    EXPECT_EQ(content, "{\"x\":1}");
    sim::InjectSenderFault(0, sim::SenderFault::Offline);
    senders.DetectSenders(nullptr, 0, 0, 1);
    EXPECT_EQ(std::tuple(senders.CanAccessCard(0), senders.ReadCardDescription(0, description) < 0),
              std::tuple(0, true));
    EXPECT_EQ(sim::WriteSenderCard(0, "x", "y"), sim::CardWrite::NotConnected);
}

// Marks one receiver at a time and clears all; silent receivers cannot be
// marked and are found first; marks follow their sender when senders move.
TEST_F(Logic, Demarcation)
{
    using Marks = std::vector<sim::ReceiverMark>;
    EXPECT_EQ(std::tuple(receivers.IsRcvMarkable(0, 1, 3), receivers.IsRcvMarkable(0, 1, 4)), std::tuple(1, 0));
    EXPECT_EQ(receivers.MarkReceiver(0, 1, 3, 1), 1);
    EXPECT_EQ(receivers.MarkReceiver(1, 0, 0, 1), 1);
    EXPECT_EQ(sim::GetDemarcationMarks(), (Marks{{0, 1, 3}, {1, 0, 0}}));
    EXPECT_EQ(receivers.MarkReceiver(0, 1, 3, 0), 1);
    EXPECT_EQ(sim::GetDemarcationMarks(), (Marks{{1, 0, 0}}));
    EXPECT_EQ(receivers.SetDemarcationDisplay(0, 0, 0), 1);
    EXPECT_TRUE(sim::GetDemarcationMarks().empty());

    sim::InjectReceiverFault(0, 0, 2, sim::ReceiverFault::NoData);
    EXPECT_EQ(receivers.DetectReceivers(0, 0, nullptr, 0, 0, 0), 0);
    EXPECT_EQ(receivers.MarkReceiver(0, 0, 2, 1), 0);
    EXPECT_EQ(std::tuple(receivers.IsRcvMarkable(0, 0, 2), receivers.GetFirstSilentReceiver(0, 0),
                         receivers.GetFirstSilentReceiver(0, 1)),
              std::tuple(0, 2, -1));
    EXPECT_EQ(receivers.DetectReceivers(5, 0, nullptr, 0, 0, 0), 1) << "no such sender";

    receivers.MarkReceiver(0, 0, 1, 1);
    sim::ProjectModel p = sim::GetProject();
    std::swap(p.senders[0], p.senders[2]);
    p.backups.clear();
    Use(p);
    EXPECT_EQ(sim::GetDemarcationMarks(), (Marks{{2, 0, 1}}));
}

TEST_F(Logic, VideoInputsOfTheModelsAndTheirSignals)
{
    std::vector<SVideoInputRecord> inputs;
    EXPECT_EQ(video.GetFixedInputs(44, 1, inputs), 0) << "a connected one reports its own";
    EXPECT_EQ(video.GetFixedInputs(44, 0, inputs), 1);
    std::vector<uint8_t> codes;
    EXPECT_EQ(std::tuple(video.GetInputTypeCodes(0, codes), video.GetInputRecords(0, inputs)), std::tuple(0, 0));
    ASSERT_EQ(video.GetFixedInputs(35, 1, inputs), 1);
    ASSERT_EQ(inputs.size(), 2u);
    EXPECT_EQ(video.GetInputName(35, static_cast<int>(inputs[1].dwInputType)), "HDMI");
    EXPECT_NE(video.GetSignalText(0, inputs[0]).find("1920x1080@"), std::string::npos);
    EXPECT_EQ(video.GetSignalText(0, inputs[1]), "unknow video");
    const std::pair<sim::VideoSignal, const char*> signals[]
        = {{{3840, 2160, 59.94}, "3840x2160@59.94Hz"}, {{1280, 720, 50.0}, "1280x720@50Hz"}};
    for (const auto& [signal, text] : signals) {
        sim::SetVideoSignal(0, 1, signal);
        EXPECT_EQ(video.GetSignalText(0, inputs[1]), text);
    }
    sim::InjectSenderFault(0, sim::SenderFault::NoVideoInput);
    EXPECT_EQ(video.GetSignalText(0, inputs[1]), "unknow video");
    SVideoInputRecord missing;
    missing.dwInputType = 9;
    EXPECT_EQ(video.GetSignalText(0, missing), "");
}

} // namespace
} // namespace hwtest
