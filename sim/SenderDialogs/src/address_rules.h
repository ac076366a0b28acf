#pragma once
// The rules of the address dialog as plain functions: which rows it shows,
// which addresses it must not take twice, and whether what was typed holds.
#include <cstdint>
#include <string>
#include <vector>

namespace senderdlg {

// One sender's address as text; senders are numbered from 1.
struct SAddressEntry {
    int nSender = 0;
    std::string strText;
    bool operator==(const SAddressEntry&) const = default;
};

// One row of the dialog: the sender, the address it starts with, and
// whether the user may change it.
struct SAddressRow {
    int nSender = 0;
    std::string strAddress;
    bool bEditable = true;
    bool operator==(const SAddressRow&) const = default;
};

// Rows for `count` senders from `firstSender` on, cut at the project's
// sender limit. presentAddresses holds the address of each sender of the
// project by index (empty for none). A sender the project already has
// starts with its address and is editable only with editExisting; a sender
// still to come starts empty and is editable. readOnly makes no row editable.
std::vector<SAddressRow> MakeAddressRows(int firstSender, int count, bool editExisting, bool readOnly,
                                         const std::vector<std::string>& presentAddresses);

// Addresses of the project's senders that have no row: they stay taken.
std::vector<SAddressEntry> AddressesOutsideRows(const std::vector<SAddressRow>& rows,
                                                const std::vector<std::string>& presentAddresses);

enum class EAddressFault { None, Malformed, Duplicate };

struct SAddressCheck {
    EAddressFault eFault = EAddressFault::None;
    int nSender = 0;                 // the entry at fault
    int nOtherSender = 0;            // Duplicate: the sender that has the address already
    std::vector<uint32_t> addresses; // None: the entries' addresses, in entry order
};

// The text of an address as entered: spaces around it are dropped.
std::string TrimAddress(const std::string& text);

// Checks the entries in order: each must be dotted IPv4 (four numbers
// 0..255) and differ from every entry before it and from every taken
// address. The first fault found is reported.
SAddressCheck CheckAddresses(const std::vector<SAddressEntry>& entries, const std::vector<SAddressEntry>& taken);

} // namespace senderdlg
