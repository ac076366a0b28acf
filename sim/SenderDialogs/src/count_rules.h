#pragma once
// The numbers the add-senders dialog accepts.
#include <optional>
#include <string>

namespace senderdlg {

// Most senders one add may bring in, whatever room the project has.
inline constexpr int kMaxSendersPerAdd = 254;

// How many senders may be added to a project that holds presentCount:
// the room under the project's limit, at most kMaxSendersPerAdd, never
// below 0.
int MaxSendersToAdd(int presentCount);

// A count typed into an edit: a whole decimal number from min to max
// (surrounding spaces allowed), or nothing.
std::optional<int> ParseCount(const std::string& text, int min, int max);

} // namespace senderdlg
