#include "settings/recipient_rules.h"

#include "settings/setting_page_layout.h"

namespace setting_page {

bool CanAddRecipient(const std::vector<SMailInfo>& recipients)
{
    return recipients.size() < static_cast<std::size_t>(kMaxMailRecipients);
}

bool HasRecipientAddress(const std::vector<SMailInfo>& recipients, const std::string& address, int except)
{
    for (std::size_t i = 0; i < recipients.size(); ++i) {
        if (static_cast<int>(i) != except && recipients[i].strAddress == address)
            return true;
    }
    return false;
}

SMorvTable MakeRecipientTable(const std::vector<SMailInfo>& recipients, const std::string& nameHeader,
                              const std::string& addressHeader, int rowHeight)
{
    SMorvTable table;
    table.columnWeights = {50, 100};
    table.headers = {nameHeader, addressHeader};
    table.nRowHeight = rowHeight;
    table.rows.resize(static_cast<std::size_t>(RecipientTableRows(static_cast<int>(recipients.size()))));
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        table.rows[i].cells = i < recipients.size()
            ? std::vector<std::string>{recipients[i].strName, recipients[i].strAddress}
            : std::vector<std::string>{{}, {}};
    }
    return table;
}

} // namespace setting_page
