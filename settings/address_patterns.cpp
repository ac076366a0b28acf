#include "settings/address_patterns.h"

#include <memory>
#include <regex>

namespace {

constexpr const char* kSenderPattern = R"re(([0-9A-Za-z\-_\.]+)@([0-9a-z]+\.[a-z]{2,4}(\.[a-z]{2,4})?))re";
constexpr const char* kRecipientPattern = R"re(([0-9A-Za-z\-_\.]+)@([0-9a-z\-]+\.[a-z]{2,4}(\.[a-z]{2,4})?))re";

// The compiled pattern, or null when it could not be compiled (then every
// address is refused rather than the program ending).
std::unique_ptr<const std::regex> Compile(const char* pattern)
{
    try {
        return std::make_unique<const std::regex>(pattern, std::regex::ECMAScript);
    } catch (const std::regex_error&) {
        return nullptr;
    }
}

bool MatchesWhole(const std::regex* pattern, std::string_view address)
{
    if (!pattern || address.size() > kMaxAddressLength)
        return false;
    try {
        return std::regex_match(address.begin(), address.end(), *pattern);
    } catch (const std::regex_error&) {
        return false; // the matcher gave up (complexity): not an address it can vouch for
    }
}

} // namespace

bool IsValidSenderAddress(std::string_view address)
{
    static const std::unique_ptr<const std::regex> pattern = Compile(kSenderPattern);
    return MatchesWhole(pattern.get(), address);
}

bool IsValidRecipientAddress(std::string_view address)
{
    static const std::unique_ptr<const std::regex> pattern = Compile(kRecipientPattern);
    return MatchesWhole(pattern.get(), address);
}
