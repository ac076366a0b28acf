#pragma once
// The recipient list of the alert mail as the settings page edits it:
// how many it may hold, which addresses clash, and the table that shows it.
#include "controls/control_table.h"
#include "host/vistrano_settings.h"

#include <string>
#include <vector>

namespace setting_page {

// Whether one more recipient fits (at most kMaxMailRecipients).
bool CanAddRecipient(const std::vector<SMailInfo>& recipients);

// Whether a recipient other than the one at `except` (0-based; -1 none)
// has exactly this address (case-sensitive, as the host compares).
bool HasRecipientAddress(const std::vector<SMailInfo>& recipients, const std::string& address, int except = -1);

// The table of recipients: name and address columns in the ratio 50 : 100,
// one row per recipient and blank rows up to RecipientTableRows.
SMorvTable MakeRecipientTable(const std::vector<SMailInfo>& recipients, const std::string& nameHeader,
                              const std::string& addressHeader, int rowHeight);

} // namespace setting_page
