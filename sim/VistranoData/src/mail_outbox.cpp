// Alert mail: there is no network here, so every message that would be
// sent is written to the outbox folder instead, one file per message.
#include "language_file.h"
#include "sim/monitor_feed.h"
#include "sim/one_line.h"
#include "sim/world.h"

#include "platform/file_io.h"
#include "platform/path.h"
#include "platform/shell.h"

#include <algorithm>
#include <mutex>

namespace sim {
namespace {

// The test button of the settings page sends this text.
constexpr const char* kTestMessage = "0";

std::string Compose(const SEmailSetting& e, const std::string& text)
{
    const bool test = text == kTestMessage;
    std::string to;
    for (const SMailInfo& m : e.arrMail)
        to += (to.empty() ? "" : ", ")
            + (m.strName.empty() ? OneLine(m.strAddress) : OneLine(m.strName) + " <" + OneLine(m.strAddress) + ">");
    // The password is not written: the outbox is a plain file. Header
    // fields are one line each, whatever the settings hold; the body's
    // line breaks are its own, its NUL bytes are not.
    const std::string subject = detail::LookupText(test ? "Mail_TestSubject" : "Mail_AlertSubject", "Monitoring");
    std::string body = test ? detail::LookupText("Mail_TestBody", "Monitoring") : text;
    std::replace(body.begin(), body.end(), '\0', ' ');
    return "Account: " + OneLine(e.strSender) + "\n" + "Server: " + OneLine(e.strSmtp) + ":" + std::to_string(e.nPort)
        + (e.bSSL ? " (SSL)" : "") + "\n" + "To: " + to + "\n" + "Subject: " + OneLine(subject) + "\n\n" + body + "\n";
}

} // namespace

std::string GetOutboxFolder() { return GetConfigFolder() + "Outbox" + plat::kPathSeparator; }

MailResult WriteAlertMail(const std::string& text, std::string& error)
{
    const SEmailSetting e = GetMonitorSettings().emailSetting;
    if (e.arrMail.empty() || e.strSender.empty() || e.strSmtp.empty())
        return MailResult::NotConfigured;
    static std::mutex mutex; // one writer at a time picks the next free name
    std::lock_guard lock(mutex);
    const std::string folder = GetOutboxFolder();
    if (!plat::CreateDirectories(folder)) {
        error = "the folder " + folder + " cannot be created";
        return MailResult::Failed;
    }
    const std::string message = Compose(e, text);
    for (int n = 1; n < 1000000; ++n) {
        const std::string path = plat::JoinPath(folder, "mail-" + std::to_string(n) + ".txt");
        std::string fault;
        switch (plat::CreateNewFile(path, message, fault)) {
        case plat::NewFile::Created: return MailResult::Sent;
        case plat::NewFile::Exists: continue;
        case plat::NewFile::Failed: error = path + ": " + fault; return MailResult::Failed;
        }
    }
    error = "the folder " + folder + " holds no free name";
    return MailResult::Failed;
}

int SendAlertMail(const std::string& text)
{
    std::string error;
    return WriteAlertMail(text, error) == MailResult::Sent ? 1 : 0;
}

} // namespace sim
