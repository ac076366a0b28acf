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

EMailAccountResult TakeMailAccount(const SMailAccountFields& fields, SEmailSetting& stored)
{
    const bool addressChanged = fields.strAddress != stored.strSender;
    if (addressChanged && !IsValidSenderAddress(fields.strAddress))
        return EMailAccountResult::InvalidAddress;
    int32_t port = stored.nPort;
    if (fields.strPort != std::to_string(stored.nPort)) {
        const std::optional<int32_t> typed = ParseMailPort(fields.strPort);
        if (!typed)
            return EMailAccountResult::InvalidPort;
        port = *typed;
    }
    const int32_t ssl = fields.bSSL ? 1 : 0;

    bool taken = false;
    auto take = [&taken](auto& field, const auto& value) {
        if (field != value) {
            field = value;
            taken = true;
        }
    };
    take(stored.strSender, fields.strAddress);
    take(stored.strPassword, fields.strPassword);
    take(stored.strSmtp, fields.strSmtp);
    take(stored.nPort, port);
    // A stored flag of any nonzero value means on: only a real change is taken.
    if ((stored.bSSL != 0) != (ssl != 0))
        take(stored.bSSL, ssl);
    return taken ? EMailAccountResult::Taken : EMailAccountResult::Unchanged;
}

void SetDefaultMailAccount(SEmailSetting& setting)
{
    setting.strSender = kDefaultMailSender;
    setting.strPassword = kDefaultMailPassword;
    setting.strSmtp = kDefaultMailSmtp;
    setting.bSSL = 1;
    setting.nPort = kDefaultMailPort;
}
