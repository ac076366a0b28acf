#pragma once
// The sender tree's rules as plain functions: what a selection makes of
// the current-object record, the texts of renaming, the refusals and the
// order of deleting, and the limits of adding.
#include "module/current_object.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// ---- Selection ---------------------------------------------------------------

// What the tree's selection is.
struct STreeSelection {
    int nType = 0;              // EnTreeNodeType of the selected item
    int nIndex = -1;            // group, sender or port index
    int nSelectedCount = 1;     // items selected
    int nGroupFirstSender = -1; // a group: its first sender, -1 when empty
    int nPortSender = -1;       // a port: its sender
};

// The record after a selection: all senders and groups leave it not
// valid; one sender shows it with the render type kept unless it is a
// block layout (0 or 1), which gives way to the remembered single-sender
// render type; several senders show their blocks (scope 1, type 1); a
// port shows its receivers.
SCurrentObject RecordForSelection(const SCurrentObject& current, const STreeSelection& selection,
                                  int rememberedRenderType);
// The render type a single sender starts with before any was chosen.
constexpr int kDefaultSingleSenderRenderType = 3;

// ---- Renaming -------------------------------------------------------------------

// Edit limits in characters.
constexpr int kGroupNameLimit = 15;
constexpr int kSenderNameLimit = 64;
// The most bytes a sender name may take (the device stores it so).
constexpr std::size_t kSenderNameBytes = 64;

// The text a group's rename edit starts with: the label without its
// trailing " (count)".
std::string GroupEditText(const std::string& label);
// The text a sender's rename edit starts with: in fixed-address mode the
// label without its trailing "(address)".
std::string SenderEditText(const std::string& label, bool fixedAddress);
// While a sender name is typed: the text the edit keeps. When the text is
// longer than maxBytes, the text from before the key (itself cut to
// maxBytes) comes back and restored is set.
std::string KeepNameWithinBytes(const std::string& now, const std::string& before, std::size_t maxBytes,
                                bool& restored);
// The length of a UTF-8 text in UTF-16 units, as edits count characters.
int Utf16Length(const std::string& text);
// Blanks removed at both ends.
std::string TrimName(const std::string& text);
// A new group's name: the prefix and the number the group will have.
std::string NewGroupName(const std::string& prefix, int groupCount);

// ---- Deleting ---------------------------------------------------------------------

enum class EDeleteRefusal { None, AllSenders, BackupPartner };
struct SDeleteCheck {
    EDeleteRefusal eRefusal = EDeleteRefusal::None;
    std::vector<int> lonely; // selected senders whose backup partner stays (ascending)
};
// Whether the selected senders (any order) may go: not every sender of
// the project, and no sender whose partner (partners[s], any number)
// would stay.
SDeleteCheck CheckSenderDeletion(const std::vector<int>& selected, int senderCount,
                                 const std::vector<std::vector<int>>& partners);
// The refusal message for senders whose partner stays: the sender word,
// the 1-based numbers joined "%d," and the last "%d ", then the reason.
std::string BackupExistMessage(const std::string& senderWord, const std::vector<int>& lonely,
                               const std::string& reason);
// The indices to delete one after the other so that the selected senders
// (any order) go: ascending, each lowered by the number deleted before it.
std::vector<int> DeletionSequence(std::vector<int> selected);
// Background image renumbering after deleting the selected senders: the
// (old, new) indices of the senders that stay and move down, ascending.
std::vector<std::pair<int, int>> RenumberedSenders(int senderCount, std::vector<int> deleted);

// ---- Adding ------------------------------------------------------------------------

// Whether n senders (-1: as the add dialog says) may be added to a project
// of senderCount senders.
bool CanAddSenders(int senderCount, int n);
