#pragma once
// What monitoring leaves on disk for the user: the day's log lines and the
// alert mail. A log line or mail that cannot be written (folder missing and
// not creatable, disk full, no permission) is kept and written before
// anything newer on the next try, so nothing is lost while monitoring goes
// on. The trouble is told once (a line on standard error and the host's
// handler) until writing works again. Thread-safe: the monitoring thread
// and a stopping thread write through it.
#include <cstddef>
#include <ctime>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace sim::hw {

class RecordKeeper {
public:
    static RecordKeeper& Get();

    // Writes what is pending, then these lines / this mail (kept when it fails).
    void Log(std::vector<std::string> texts, std::time_t when);
    void Mail(std::string text);

    // Called with the message when writing starts to fail (not on the keeper's lock).
    void SetTroubleHandler(std::function<void(const std::string&)> handler);
    // Lines and mails waiting for their next try.
    std::size_t PendingLines();
    std::size_t PendingMails();

    // Bounds of what is kept; beyond them the oldest lines or mails go, and
    // the log says how many when it can be written again.
    static constexpr std::size_t kMaxPendingLines = 20000;
    static constexpr std::size_t kMaxPendingMails = 100;

private:
    struct Batch {
        std::time_t when;
        std::vector<std::string> texts;
    };
    struct Trouble {
        bool told = false;
        std::size_t dropped = 0;
    };

    // Writes what is pending in order; the messages of new trouble go to `tell`.
    void Flush(std::vector<std::string>& tell);
    bool FlushLog(std::string& error);
    bool FlushMail(std::string& error);
    void Tell(const std::vector<std::string>& messages);

    std::mutex m_mutex;
    std::deque<Batch> m_lines;
    std::size_t m_lineCount = 0;
    std::deque<std::string> m_mails;
    Trouble m_logTrouble, m_mailTrouble;
    std::function<void(const std::string&)> m_handler;
};

} // namespace sim::hw
