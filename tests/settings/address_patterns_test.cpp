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
    // Both patterns, the recipient's only (a hyphen in the first domain
    // label), neither: upper-case domains, three labels after the first, and
    // beyond 254 characters (a huge text never reaches the recursive matcher).
    for (const std::string& both :
         {std::string(kDefaultMailSender), std::string("ops@mail.com"), std::string("Ops.Team_1-x@mail.co.uk"),
          std::string("7@a1.io"), AddressOfLength(kMaxAddressLength)}) {
        EXPECT_TRUE(IsValidSenderAddress(both) && IsValidRecipientAddress(both)) << both;
    }
    EXPECT_TRUE(!IsValidSenderAddress("ops@my-mail.com") && IsValidRecipientAddress("ops@my-mail.com"));
    for (const std::string& neither :
         {std::string("ops@mail.c-m"), std::string("ops@Mail.com"), std::string("ops@mail.COM"),
          std::string("ops@mail.co.uk.cn"), std::string(), std::string("ops@"), std::string("ops@mail"),
          std::string("ops@mail.abcde"), std::string(" ops@mail.com"), std::string("ops@mail.com\n"),
          std::string("a@b@mail.com"), std::string("op\xC3\xA9@mail.com"), std::string("ops@mail..com"),
          AddressOfLength(kMaxAddressLength + 1), AddressOfLength(2'000'000)}) {
        EXPECT_FALSE(IsValidSenderAddress(neither) || IsValidRecipientAddress(neither)) << neither.substr(0, 40);
    }
}

} // namespace
