#pragma once
// The e-mail address patterns of the alert mail: one for the sending
// account, one for a recipient. Each is matched against the whole address.
#include <cstddef>
#include <string_view>

// No valid address is longer; longer texts are refused before they reach
// the pattern (whose matcher recurses once per character).
inline constexpr std::size_t kMaxAddressLength = 254;

// Letters, digits, "-", "_" and "." before the "@"; after it one lower-case
// label of letters and digits, then one or two labels of 2 to 4
// lower-case letters.
bool IsValidSenderAddress(std::string_view address);
// The same, with hyphens also allowed in the first label after the "@".
bool IsValidRecipientAddress(std::string_view address);
