#pragma once
// The sending account of the alert mail as the sending-account dialog
// shows and takes it: address, password, SMTP server, port and SSL.
// Plain functions on the host's e-mail record.
#include "host/vistrano_settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The account's fields as texts in the dialog (the port as a signed decimal).
struct SMailAccountFields {
    std::string strAddress;
    std::string strPassword;
    std::string strSmtp;
    std::string strPort;
    int32_t bSSL = 0;
};

SMailAccountFields MailAccountFieldsOf(const SEmailSetting& setting);

// Mail server ports the account can use.
inline constexpr int32_t kMinMailPort = 1;
inline constexpr int32_t kMaxMailPort = 65535;

// A typed port: decimal digits only, from 1 to 65535; nothing otherwise.
std::optional<int32_t> ParseMailPort(std::string_view text);

enum class EMailAccountResult {
    Unchanged,      // the record already holds every field the user changed
    Taken,          // the fields the user changed were written into the record
    InvalidAddress, // a changed address fails the sending-account pattern
    InvalidPort,    // a changed port is not a port
};

// Writes into the stored account each field the user changed: one whose
// text differs from what the dialog showed and from what is stored. The
// dialog shows the stored account, so this is the plain "differs from the
// stored value" rule, except where an edit holds less than it was given: a
// field left as shown keeps the stored value rather than a cut copy. A
// changed address must pass the sending-account pattern and a changed port
// must be a port; one left alone is not checked again. When a field is
// refused the record is left as it was.
EMailAccountResult TakeMailAccount(const SMailAccountFields& shown, const SMailAccountFields& typed,
                                   SEmailSetting& stored);

// The maker's default account: address, password and server, SSL on,
// port 465. The other e-mail settings and the recipients stay.
void SetDefaultMailAccount(SEmailSetting& setting);
