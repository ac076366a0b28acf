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

TEST(AddressPatterns, TheDefaultAccountIsAValidSendingAddress)
{
    EXPECT_TRUE(IsValidSenderAddress(kDefaultMailSender));
}

TEST(AddressPatterns, BothTakeLettersDigitsAndMarksBeforeTheAt)
{
    for (const char* address : {"ops@mail.com", "Ops.Team_1-x@mail.co.uk", "7@a1.io", "A@b.info"}) {
        EXPECT_TRUE(IsValidSenderAddress(address)) << address;
        EXPECT_TRUE(IsValidRecipientAddress(address)) << address;
    }
}

TEST(AddressPatterns, AHyphenInTheDomainOnlyPassesForARecipient)
{
    EXPECT_FALSE(IsValidSenderAddress("ops@my-mail.com"));
    EXPECT_TRUE(IsValidRecipientAddress("ops@my-mail.com"));
    // Only the first label may have one; the last labels are letters only.
    EXPECT_FALSE(IsValidRecipientAddress("ops@mail.c-m"));
}

TEST(AddressPatterns, UpperCaseDomainsAndThreeLabelsAfterTheFirstAreRefusedByBoth)
{
    for (const char* address : {"ops@Mail.com", "ops@mail.COM", "ops@mail.co.uk.cn", "ops@a.bb.cc.dd"}) {
        EXPECT_FALSE(IsValidSenderAddress(address)) << address;
        EXPECT_FALSE(IsValidRecipientAddress(address)) << address;
    }
}

TEST(AddressPatterns, TheWholeTextMustMatch)
{
    for (const char* address : {"", "ops", "@mail.com", "ops@", "ops@mail", "ops@mail.c", "ops@mail.abcde",
                                " ops@mail.com", "ops@mail.com ", "ops@mail.com\n", "ops@@mail.com", "a@b@mail.com",
                                "op s@mail.com", "op\xC3\xA9@mail.com", "ops@mail..com"}) {
        EXPECT_FALSE(IsValidSenderAddress(address)) << address;
        EXPECT_FALSE(IsValidRecipientAddress(address)) << address;
    }
}

TEST(AddressPatterns, LengthIsBoundedAt254Characters)
{
    EXPECT_TRUE(IsValidSenderAddress(AddressOfLength(kMaxAddressLength)));
    EXPECT_TRUE(IsValidRecipientAddress(AddressOfLength(kMaxAddressLength)));
    EXPECT_FALSE(IsValidSenderAddress(AddressOfLength(kMaxAddressLength + 1)));
    EXPECT_FALSE(IsValidRecipientAddress(AddressOfLength(kMaxAddressLength + 1)));
}

TEST(AddressPatterns, AHugeTextIsRefusedWithoutReachingThePattern)
{
    // Long enough to exhaust the stack of a matcher that recurses per character.
    const std::string huge = AddressOfLength(2'000'000);
    EXPECT_FALSE(IsValidSenderAddress(huge));
    EXPECT_FALSE(IsValidRecipientAddress(huge));
}

} // namespace
