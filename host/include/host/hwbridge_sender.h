#pragma once
// The hardware bridge's sender side: what the connected senders report,
// and the operations on them. Indices are project sender indices.
#include <cstdint>
#include <string>
#include <vector>

class CWnd;

// Ports to switch off on one sender: one bit per port, eight per byte,
// port 0 in bit 0 of byte 0. For a video-source device the mask is
// preceded by the port count as a 16-bit value (low byte first).
struct SPortOutputRecord {
    int32_t nSender = 0;
    int32_t nFlag = 1; // 1: apply now
    std::vector<uint8_t> arrMask;
};

// Result of a detection when several senders answer on one card.
constexpr uint32_t kDetectMultiSenderCard = 0xE083022Au;

class ISenderLogic {
public:
    // --- What the last detection found (used while monitoring is off) --
    virtual int IsSenderDetected(int sender) = 0;
    // Type code (device class), 0 when not detected.
    virtual int GetSenderTypeCode(int sender) = 0;
    // Status word; 0 when the sender feeds receivers normally.
    virtual uint32_t GetSenderStatusWord(int sender) = 0;
    // Number of output pairs the sender tree shows.
    virtual int GetSenderTreeValue(int sender) = 0;
    // Name stored in the device; empty when not detected.
    virtual std::string GetSenderName(int sender) = 0;
    // The detection's current sender is a fibre sender.
    virtual int IsFiberSender() = 0;
    virtual int IsPortConnected(int sender, int port) = 0;
    virtual int GetDetectedSenderCount() = 0;
    // Index of the sender the detection works on.
    virtual int GetCurDetectSender() = 0;
    // Nonzero when senders are reached by network address.
    virtual int GetAddressMode() = 0;

    // --- Addresses and product ------------------------------------------
    // Nonzero when a start of monitoring must first detect the addresses.
    virtual int IsAddressDetection() = 0;
    // Nonzero when every sender has a fixed address that the user sets.
    virtual int IsFixedAddressMode() = 0;
    virtual int GetProductKind() = 0;
    // The sender's address as text ("192.168.0.10"); empty without one.
    virtual std::string GetAddressText(int sender) = 0;

    // --- One sender -------------------------------------------------------
    virtual int IsConnected(int sender) = 0;
    // Name shown for the sender (its name, or a default one), followed by
    // "(address)" in fixed-address mode.
    virtual std::string GetDisplayName(int sender) = 0;
    // Nonzero when the device stores a name; SetDeviceName writes it.
    virtual int IsNameSettable(int sender) = 0;
    virtual int SetDeviceName(int sender, const std::string& name) = 0;
    virtual int IsVideoSourceDevice(int sender) = 0;
    virtual int GetPortCount(int sender) = 0;
    // Nonzero when the model drives twice as many ports as GetPortCount.
    virtual int IsPortCountDoubled(int sender) = 0;
    // Nonzero when senders of this device class have a second row of ports.
    virtual int HasSecondPortRow(int deviceClass) = 0;
    // Nonzero when the sender can switch its primary and backup outputs.
    virtual int IsPortOutputSupported(int sender) = 0;
    virtual int SetOutputPorts(const SPortOutputRecord& record) = 0;
    // Nonzero when some output ports of the sender are switched off (the
    // user is warned before monitoring starts).
    virtual int CheckPortEnable(int sender) = 0;

    // --- Cards --------------------------------------------------------------
    // Nonzero when the sender's card can be read and written.
    virtual int CanAccessCard(int sender) = 0;
    // Reads the description of the project stored on the sender's card;
    // 0 or more on success, negative on failure.
    virtual int ReadCardDescription(int sender, std::string& description) = 0;
    // Ends a card transfer (after loading from a card, whatever the result).
    virtual void EndCardTransfer() = 0;

    // --- Detection ------------------------------------------------------------
    // Detects the senders. Progress runs from progressBegin to progressEnd
    // (both 0: no progress) and is reported to wnd when it is a progress
    // watcher of the control library. 0 on success, or an error code such as
    // kDetectMultiSenderCard.
    virtual uint32_t DetectSenders(CWnd* wnd, int progressBegin, int progressEnd, int flag) = 0;
    // Tells the hardware that the project's sender list changed.
    virtual void NotifySenderListChanged() = 0;

protected:
    virtual ~ISenderLogic() = default;
};
