#include "settings/mail_account.h"

#include "settings/address_patterns.h"

#include <charconv>

SMailAccountFields MailAccountFieldsOf(const SEmailSetting& setting)
{
    SMailAccountFields fields;
    fields.strAddress = setting.strSender;
    fields.strPassword = setting.strPassword;
    fields.strSmtp = setting.strSmtp;
    fields.strPort = std::to_string(setting.nPort);
    fields.bSSL = setting.bSSL ? 1 : 0;
    return fields;
}

std::optional<int32_t> ParseMailPort(std::string_view text)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    int32_t port = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (ec != std::errc() || end != text.data() + text.size() || port < kMinMailPort || port > kMaxMailPort)
        return std::nullopt;
    return port;
}

EMailAccountResult TakeMailAccount(const SMailAccountFields& shown, const SMailAccountFields& typed,
                                   SEmailSetting& stored)
{
    const SMailAccountFields before = MailAccountFieldsOf(stored);
    auto changed = [](const auto& typedValue, const auto& shownValue, const auto& storedValue) {
        return typedValue != shownValue && typedValue != storedValue;
    };
    const bool address = changed(typed.strAddress, shown.strAddress, before.strAddress);
    if (address && !IsValidSenderAddress(typed.strAddress))
        return EMailAccountResult::InvalidAddress;
    std::optional<int32_t> port;
    if (changed(typed.strPort, shown.strPort, before.strPort)) {
        port = ParseMailPort(typed.strPort);
        if (!port)
            return EMailAccountResult::InvalidPort;
    }

    SEmailSetting after = stored;
    if (address)
        after.strSender = typed.strAddress;
    if (changed(typed.strPassword, shown.strPassword, before.strPassword))
        after.strPassword = typed.strPassword;
    if (changed(typed.strSmtp, shown.strSmtp, before.strSmtp))
        after.strSmtp = typed.strSmtp;
    if (port)
        after.nPort = *port;
    // Flags compare as on or off: a stored 2 is the same as a shown 1.
    const int32_t ssl = typed.bSSL ? 1 : 0;
    if (changed(ssl, shown.bSSL ? 1 : 0, before.bSSL))
        after.bSSL = ssl;
    if (!(after != stored))
        return EMailAccountResult::Unchanged;
    stored = after;
    return EMailAccountResult::Taken;
}

void SetDefaultMailAccount(SEmailSetting& setting)
{
    setting.strSender = kDefaultMailSender;
    setting.strPassword = kDefaultMailPassword;
    setting.strSmtp = kDefaultMailSmtp;
    setting.bSSL = 1;
    setting.nPort = kDefaultMailPort;
}
