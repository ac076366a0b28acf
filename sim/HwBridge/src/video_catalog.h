#pragma once
// The video inputs of each sender model (the model code is the device
// class): which models have a fixed input list, which report input type
// codes and which are video-source devices with input records; the names
// of input types; the signal a new input carries; signal texts.
#include "host/hwbridge_video.h"
#include "readings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sim::hw {

// The fixed input list of a model; false when it has none (some models
// have one only while not connected).
bool FixedInputs(int model, bool connected, std::vector<SVideoInputRecord>& inputs);
// Input type codes a connected sender of this model reports; false when it
// reports none. Codes 0x68 to 0x6B stand for four inputs each.
bool InputTypeCodes(int model, std::vector<uint8_t>& codes);
// The input records of a video-source model; false for other models.
bool VideoSourceRecords(int model, std::vector<SVideoInputRecord>& inputs);

// The inputs that code 0x68 to 0x6B stands for: 4 × code − 0x180 + k.
std::vector<uint8_t> ExpandTypeCodes(const std::vector<uint8_t>& codes);

std::string InputTypeName(int inputType);
// Name of an input of a video-source device: "Slot 2 HDMI 3".
std::string SlotInputName(uint32_t port, int inputType, int subIndex);

// Every input a connected sender of this model has, with names, in the
// order the detection lists them; the first carries a signal chosen by
// `pick`, the others none.
std::vector<InputReading> ModelInputs(int model, uint64_t pick);

// "1920x1080@60Hz", "1920x1080@59.94Hz"; "unknow video" without a signal.
std::string SignalText(const VideoSignal& signal);

} // namespace sim::hw
