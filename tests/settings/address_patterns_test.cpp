#include "host/vistrano_settings.h"
#include "settings/address_patterns.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// An address of exactly n characters: a long local part before "@mail.com".
std::string AddressOfLength(std::size_t n)
{
    const std::string domain = "@mail.com";
    return std::string(n - domain.size(), 'a') + domain;
}

TEST(AddressPatterns, TheWholeAddressMustMatchItsPattern)
{
    struct Case {
        std::string address;
        bool sender, recipient;
    };
    const Case cases[] = {
        {kDefaultMailSender, true, true},
        {"ops@mail.com", true, true},
        {"Ops.Team_1-x@mail.co.uk", true, true},
        {"7@a1.io", true, true},
        // A hyphen in the first domain label passes only for a recipient.
        {"ops@my-mail.com", false, true},
        {"ops@mail.c-m", false, false},
        // Upper-case domains and three labels after the first.
        {"ops@Mail.com", false, false},
        {"ops@mail.COM", false, false},
        {"ops@mail.co.uk.cn", false, false},
        {"", false, false},
        {"ops@", false, false},
        {"ops@mail", false, false},
        {"ops@mail.abcde", false, false},
        {" ops@mail.com", false, false},
        {"ops@mail.com\n", false, false},
        {"a@b@mail.com", false, false},
        {"op\xC3\xA9@mail.com", false, false},
        {"ops@mail..com", false, false},
        // 254 characters at most; a huge text never reaches the recursive matcher.
        {AddressOfLength(kMaxAddressLength), true, true},
        {AddressOfLength(kMaxAddressLength + 1), false, false},
        {AddressOfLength(2'000'000), false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsValidSenderAddress(c.address), c.sender) << c.address.substr(0, 40);
        EXPECT_EQ(IsValidRecipientAddress(c.address), c.recipient) << c.address.substr(0, 40);
    }
}

} // namespace
