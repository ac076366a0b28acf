#pragma once
// The rules of the video input settings: which inputs a sender has, the
// rows the dialog shows for them from the stored settings, and the stored
// settings the rows give back, for one sender or for every sender with the
// same inputs. Plain functions on the host's records.
#include "host/hwbridge_video.h"
#include "host/vistrano_settings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The most inputs a sender lists (one row each).
inline constexpr std::size_t kMaxVideoInputs = 32;
// The most type codes a sender reports.
inline constexpr std::size_t kMaxInputTypeCodes = 16;

// One row of the dialog: an input with its name and what is set for it.
struct SVideoInputRow {
    SVideoInputRecord input;
    std::string strName;
    int bEnabled = 0;         // the input is monitored
    int bResolutionCheck = 0; // its signal format is checked
    std::string strFormat;    // "%dx%d@%.2lfHz", or as a format dialog or live signal gave it
};

// A sender as the dialog knows it: index, model code, whether it is a
// video-source device, and its inputs with their names.
struct SSenderInputs {
    uint32_t dwSender = 0;
    int nModel = 0;
    bool bVideoSource = false;
    std::vector<SVideoInputRecord> inputs;
    std::vector<std::string> names; // one per input
};

// The inputs that reported type codes stand for: a code from 0x68 to 0x6B
// stands for four inputs, 4 × code − 0x180 + k; any other code for itself.
// At most kMaxInputTypeCodes codes are read and kMaxVideoInputs inputs given.
std::vector<SVideoInputRecord> InputsOfTypeCodes(const std::vector<uint8_t>& codes);

// The inputs of a sender from the hardware: the model's fixed list when it
// has one; else, when connected, the records of a video-source device or
// the inputs of its type codes; else none. At most kMaxVideoInputs, with
// their names.
SSenderInputs ReadSenderInputs(IVideoSourceLogic& logic, uint32_t sender, int model, bool connected, bool videoSource);

// The model code the sender's settings were made for: the first nonzero
// one among its entries; 0 when it has none.
int RecordedModelCode(const SSenderSetting& settings, uint32_t sender);

// Removes the sender's entries when a detected model code (nonzero) differs
// from the recorded one; true when it did. A sender not detected keeps them.
bool ResetOnModelChange(SSenderSetting& settings, uint32_t sender, int detectedModel);

// Whether a stored entry stands for an input of the sender: the same sender
// and input type, and for a video-source device the same port word and
// sub-index.
bool EntryNamesInput(const SInputSignalSetting& entry, const SSenderInputs& sender, const SVideoInputRecord& input);

// The rows of a sender: an input with an entry is enabled with the entry's
// resolution check and format; one without is off with kDefaultSignalText.
std::vector<SVideoInputRow> RowsOf(const SSenderInputs& sender, const SSenderSetting& settings);

// The index of the first enabled row whose format cannot be stored (not a
// format, or outside the format dialog's bounds); -1 when every one can.
int FirstUnusableRow(const std::vector<SVideoInputRow>& rows);

// Replaces the sender's entries with one per enabled row. The rows' formats
// must be usable (FirstUnusableRow).
void StoreRows(SSenderSetting& settings, const SSenderInputs& sender, const std::vector<SVideoInputRow>& rows);

// Clears the entries of every sender whose inputs are known, then gives
// every sender an entry for each of its inputs that has the input type, port
// word and sub-index of an enabled row.
void StoreRowsForAll(SSenderSetting& settings, const std::vector<SVideoInputRow>& rows,
                     const std::vector<SSenderInputs>& senders);
