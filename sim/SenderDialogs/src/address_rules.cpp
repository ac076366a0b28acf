#include "address_rules.h"

#include "host/vistrano_project.h"
#include "sim/project_model.h"

#include <algorithm>

namespace senderdlg {

std::vector<SAddressRow> MakeAddressRows(int firstSender, int count, bool editExisting, bool readOnly,
                                         const std::vector<std::string>& presentAddresses)
{
    std::vector<SAddressRow> rows;
    if (firstSender < 1)
        return rows;
    const int last = std::min(firstSender + std::max(count, 0) - 1, kMaxSenderCount);
    const int existing = static_cast<int>(presentAddresses.size());
    for (int sender = firstSender; sender <= last; ++sender) {
        SAddressRow row;
        row.nSender = sender;
        const bool inProject = sender <= existing;
        if (inProject)
            row.strAddress = presentAddresses[static_cast<std::size_t>(sender - 1)];
        row.bEditable = !readOnly && (!inProject || editExisting);
        rows.push_back(row);
    }
    return rows;
}

std::vector<SAddressEntry> AddressesOutsideRows(const std::vector<SAddressRow>& rows,
                                                const std::vector<std::string>& presentAddresses)
{
    std::vector<SAddressEntry> taken;
    for (std::size_t i = 0; i < presentAddresses.size(); ++i) {
        const int sender = static_cast<int>(i) + 1;
        const bool hasRow
            = std::any_of(rows.begin(), rows.end(), [sender](const SAddressRow& r) { return r.nSender == sender; });
        if (!hasRow && !presentAddresses[i].empty())
            taken.push_back({sender, presentAddresses[i]});
    }
    return taken;
}

std::string TrimAddress(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

SAddressCheck CheckAddresses(const std::vector<SAddressEntry>& entries, const std::vector<SAddressEntry>& taken)
{
    // Taken addresses that are not addresses cannot clash with anything.
    std::vector<std::pair<uint32_t, int>> seen;
    for (const SAddressEntry& t : taken) {
        uint32_t address = 0;
        if (sim::ParseIPv4(TrimAddress(t.strText), address))
            seen.emplace_back(address, t.nSender);
    }
    SAddressCheck check;
    for (const SAddressEntry& e : entries) {
        uint32_t address = 0;
        if (!sim::ParseIPv4(TrimAddress(e.strText), address))
            return {EAddressFault::Malformed, e.nSender, 0, {}};
        const auto clash
            = std::find_if(seen.begin(), seen.end(), [address](const auto& s) { return s.first == address; });
        if (clash != seen.end())
            return {EAddressFault::Duplicate, e.nSender, clash->second, {}};
        seen.emplace_back(address, e.nSender);
        check.addresses.push_back(address);
    }
    return check;
}

} // namespace senderdlg
