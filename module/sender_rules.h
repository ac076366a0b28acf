#pragma once
// Rules for reading a sender's detection record.
#include <cstdint>
#include <string>

// The bit of a detection record's port mask that tells whether output port
// `port` is connected, by the sender's type code: 35, 44, 59, 68: bit port;
// 51: bit port - model; 4: bit port / 2 for even ports, (port + 15) / 2 for
// odd ones. The bit number is taken modulo 32. -1 for a type code without
// a rule (never connected).
int PortMaskBit(int typeCode, int32_t model, int port);
// Whether the record's port mask shows the port connected.
int IsPortConnectedInMask(int typeCode, int32_t model, uint32_t portMask, int port);

// Type code and model word of a fibre sender.
constexpr int kFiberSenderType = 4;
constexpr int32_t kFiberSenderModel = 160;

// A detected frame rate as the view writes it: hundredths rounded half
// away from zero, then "60", "59.9" or "59.94" as the digits need.
std::string FrameRateText(double rate);

struct SDetectSenderData;
struct SInputSignalInfo;
struct SInputSignalSetting;

// The detected input that a configured input names: the same input type,
// port word and sub-index. Null when the record has none.
const SInputSignalInfo* FindDetectedInput(const SDetectSenderData& record, const SInputSignalSetting& input);
