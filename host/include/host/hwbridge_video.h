#pragma once
// The hardware bridge's video-source side: the video inputs of a sender.
#include "host/hwbridge_sender.h"

#include <cstdint>
#include <string>
#include <vector>

// One video input of a sender.
struct SVideoInputRecord {
    uint32_t dwPort = 0; // port word
    uint32_t dwValue1 = 0;
    uint32_t dwValue2 = 0;
    uint32_t dwInputType = 0; // input type code
    uint32_t dwSubIndex = 0;

    bool operator==(const SVideoInputRecord&) const = default;
};

class IVideoSourceLogic {
public:
    // The fixed input list of a model, when the model has one (for some
    // models only while the sender is not connected). Nonzero when it has.
    virtual int GetFixedInputs(int modelCode, int connected, std::vector<SVideoInputRecord>& inputs) = 0;
    // Up to 16 input type codes read from a connected sender; a code from
    // 0x68 to 0x6B stands for four inputs. Nonzero on success.
    virtual int GetInputTypeCodes(int sender, std::vector<uint8_t>& codes) = 0;
    // The input records of a connected video-source device. Nonzero on success.
    virtual int GetInputRecords(int sender, std::vector<SVideoInputRecord>& inputs) = 0;
    // Input names: of an ordinary sender by model and input type; of a
    // video-source device by model, port word, input type and sub-index.
    virtual std::string GetInputName(int modelCode, int inputType) = 0;
    virtual std::string GetInputName(int modelCode, uint32_t port, int inputType, int subIndex, int flag) = 0;
    // The signal now present on an input as text ("1920x1080@60Hz"); empty
    // or "unknow video" when there is none.
    virtual std::string GetSignalText(int sender, const SVideoInputRecord& input) = 0;
    // Switches ports of a video-source device off (see SPortOutputRecord).
    virtual int SetOutputPorts(const SPortOutputRecord& record) = 0;

protected:
    virtual ~IVideoSourceLogic() = default;
};
