// The sender dialogs' rules: counts of senders and ports, address rows and
// the check of typed addresses.
#include "address_rules.h"
#include "count_rules.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace senderdlg;

// Senders 1 to 3 exist (sender 2 without an address). New senders start
// empty and editable, existing ones keep their address and are editable
// only when asked, read-only makes nothing editable; rows stop at the
// sender limit and nonsense gives none.
TEST(MakeAddressRows, RowsPerSenderWithTheirAddressAndEditability)
{
    struct Case {
        int first, count;
        bool editExisting, readOnly;
        std::vector<SAddressRow> rows;
    };
    const Case cases[] = {
        {4, 2, false, false, {{4, "", true}, {5, "", true}}},
        {2, 3, false, false, {{2, "", false}, {3, "10.0.0.3", false}, {4, "", true}}},
        {2, 3, true, false, {{2, "", true}, {3, "10.0.0.3", true}, {4, "", true}}},
        {1, 3, true, true, {{1, "10.0.0.1", false}, {2, "", false}, {3, "10.0.0.3", false}}},
        {254, 5, false, false, {{254, "", true}, {255, "", true}}},
        {0, 3, false, false, {}},
        {1, 0, false, false, {}},
        {1, -2, false, false, {}},
        {256, 1, false, false, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MakeAddressRows(c.first, c.count, c.editExisting, c.readOnly, {"10.0.0.1", "", "10.0.0.3"}), c.rows)
            << c.first << " +" << c.count << (c.editExisting ? " edit" : "") << (c.readOnly ? " read-only" : "");
}

TEST(AddressesOutsideRows, AreTheProjectAddressesWithoutARow)
{
    const std::vector<std::string> present{"10.0.0.1", "", "10.0.0.3", "10.0.0.4"};
    const auto rows = MakeAddressRows(3, 1, true, false, present);
    EXPECT_EQ(AddressesOutsideRows(rows, present), (std::vector<SAddressEntry>{{1, "10.0.0.1"}, {4, "10.0.0.4"}}));
}

TEST(TrimAddress, DropsSpacesAroundOnly)
{
    EXPECT_EQ(std::tuple(TrimAddress("  10.0.0.1\t"), TrimAddress("10. 0.0.1"), TrimAddress("   ")),
              std::tuple("10.0.0.1", "10. 0.0.1", ""));
}

TEST(CheckAddresses, ReportsTheFirstMalformedEntry)
{
    for (const char* bad : {"", "192.168.0", "192.168.0.1.5", "192.168.0.256", "1000.1.1.1", "a.b.c.d", "1..2.3",
                            "192.168.0.1.", "-1.2.3.4", "10.0. 0.1"}) {
        const SAddressCheck check = CheckAddresses({{4, "10.0.0.1"}, {5, bad}, {6, "x"}}, {});
        EXPECT_EQ(std::tuple(check.eFault, check.nSender, check.addresses.empty()),
                  std::tuple(EAddressFault::Malformed, 5, true))
            << bad;
    }
}

// Dotted addresses are given in order; among the entries the second holder
// of an address is named, spaces hide no duplicate, an address another
// sender holds already counts as well, and taken texts that are no
// addresses clash with nothing.
TEST(CheckAddresses, AcceptsDottedAddressesAndReportsTheSenderThatRepeatsOne)
{
    struct Case {
        std::vector<SAddressEntry> entries, taken;
        EAddressFault fault;
        int sender, other;
        std::vector<uint32_t> addresses;
    };
    using F = EAddressFault;
    const Case cases[] = {
        {{{1, "192.168.0.10"}, {2, " 0.0.0.0 "}, {3, "255.255.255.255"}}, {}, F::None, 0, 0, {0xC0A8000A, 0, ~0u}},
        {{{2, "10.0.0.2"}}, {{1, ""}, {3, "junk"}}, F::None, 0, 0, {0x0A000002}},
        {{{1, "10.0.0.1"}, {2, "10.0.0.2"}, {3, "10.0.0.1"}}, {}, F::Duplicate, 3, 1, {}},
        {{{1, "10.0.0.1"}, {2, " 10.0.0.1"}}, {}, F::Duplicate, 2, 1, {}},
        {{{3, "10.0.0.3"}, {4, "10.0.0.9"}}, {{1, "10.0.0.9"}}, F::Duplicate, 4, 1, {}},
    };
    for (const Case& c : cases) {
        const SAddressCheck check = CheckAddresses(c.entries, c.taken);
        EXPECT_EQ(check.eFault, c.fault) << c.entries.size() << " entries";
        if (c.fault == EAddressFault::None)
            EXPECT_EQ(check.addresses, c.addresses);
        else
            EXPECT_EQ(std::tuple(check.nSender, check.nOtherSender), std::tuple(c.sender, c.other));
    }
}

TEST(MaxSendersToAdd, IsTheRoomUnderTheProjectLimitAtMost254AtOnce)
{
    const std::pair<int, int> cases[] = {{250, 5}, {254, 1}, {2, 253}, {1, 254}, {0, 254}, {255, 0}, {300, 0}};
    for (const auto& [present, room] : cases)
        EXPECT_EQ(MaxSendersToAdd(present), room) << present << " senders present";
}

TEST(ParseCount, TakesOnlyWholeNumbersWithinTheBounds)
{
    struct Case {
        const char* text;
        int max;
        std::optional<int> count;
    };
    const Case cases[] = {
        {"1", 5, 1},   {"5", 5, 5},   {" 3 ", 5, 3},          {"007", 160, 7}, {"0", 5, {}},
        {"6", 5, {}},  {"-1", 5, {}}, {"99999999999", 5, {}}, {"", 5, {}},     {"   ", 5, {}},
        {"+3", 5, {}}, {"3a", 5, {}}, {"2.5", 5, {}},         {"1 2", 20, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseCount(c.text, 1, c.max), c.count) << '"' << c.text << '"';
}
