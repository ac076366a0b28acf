// Alert mail: there is no network here, so every message that would be
// sent is written to the outbox folder instead, one file per message.
#include "language_file.h"
#include "sim/monitor_feed.h"
#include "sim/world.h"

#include "platform/path.h"
#include "platform/shell.h"

#include <fstream>
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
        to += (to.empty() ? "" : ", ") + (m.strName.empty() ? m.strAddress : m.strName + " <" + m.strAddress + ">");
    // The password is not written: the outbox is a plain file.
    return "Account: " + e.strSender + "\n"
         + "Server: " + e.strSmtp + ":" + std::to_string(e.nPort) + (e.bSSL ? " (SSL)" : "") + "\n"
         + "To: " + to + "\n"
         + "Subject: " + detail::LookupText(test ? "Mail_TestSubject" : "Mail_AlertSubject", "Monitoring") + "\n\n"
         + (test ? detail::LookupText("Mail_TestBody", "Monitoring") : text) + "\n";
}

} // namespace

std::string GetOutboxFolder() { return GetConfigFolder() + "Outbox" + plat::kPathSeparator; }

int SendAlertMail(const std::string& text)
{
    const SEmailSetting e = GetMonitorSettings().emailSetting;
    if (e.arrMail.empty() || e.strSender.empty() || e.strSmtp.empty())
        return 0;
    static std::mutex mutex;    // one writer at a time picks the next free name
    std::lock_guard lock(mutex);
    const std::string folder = GetOutboxFolder();
    if (!plat::CreateDirectories(folder))
        return 0;
    for (int n = 1; n < 1000000; ++n) {
        const std::string path = plat::JoinPath(folder, "mail-" + std::to_string(n) + ".txt");
        if (plat::FileExists(path))
            continue;
        std::ofstream out(path, std::ios::binary);
        out << Compose(e, text);
        return out.good() ? 1 : 0;
    }
    return 0;
}

} // namespace sim
