#pragma once
// The hardware bridge's receiver side: detection and demarcation.
class CWnd;

class IReceiverLogic {
public:
    // Detects the receivers of one port (-1: all senders, all ports);
    // progress as for ISenderLogic::DetectSenders. 0 on success.
    virtual int DetectReceivers(int sender, int port, CWnd* wnd, int progressBegin, int progressEnd, int flag) = 0;
    // Nonzero when the receiver can show a demarcation mark.
    virtual int IsRcvMarkable(int sender, int port, int receiver) = 0;
    // Shows (on nonzero) or removes the mark on one receiver.
    virtual int MarkReceiver(int sender, int port, int receiver, int on) = 0;
    // Switches the demarcation display; (0, 0, 0) removes every mark.
    virtual int SetDemarcationDisplay(int on, int sender, int port) = 0;
    // Connection index of the first receiver of the port that does not
    // answer; -1 when all answer.
    virtual int GetFirstSilentReceiver(int sender, int port) = 0;

protected:
    virtual ~IReceiverLogic() = default;
};
