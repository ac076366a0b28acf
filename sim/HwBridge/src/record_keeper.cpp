// The log lines and alert mail of monitoring, kept until written.
#include "record_keeper.h"

#include "log_file.h"
#include "sim/monitor_feed.h"

#include <cstdio>
#include <utility>

namespace sim::hw {

RecordKeeper& RecordKeeper::Get()
{
    static RecordKeeper* keeper = new RecordKeeper; // a monitoring thread may write during teardown
    return *keeper;
}

void RecordKeeper::Log(std::vector<std::string> texts, std::time_t when)
{
    std::vector<std::string> tell;
    {
        std::lock_guard lock(m_mutex);
        if (!texts.empty()) {
            m_lineCount += texts.size();
            m_lines.push_back({when, std::move(texts)});
            while (m_lineCount > kMaxPendingLines && m_lines.size() > 1) {
                m_logTrouble.dropped += m_lines.front().texts.size();
                m_lineCount -= m_lines.front().texts.size();
                m_lines.pop_front();
            }
        }
        Flush(tell);
    }
    Tell(tell);
}

void RecordKeeper::Mail(std::string text)
{
    std::vector<std::string> tell;
    {
        std::lock_guard lock(m_mutex);
        m_mails.push_back(std::move(text));
        if (m_mails.size() > kMaxPendingMails) {
            ++m_mailTrouble.dropped;
            m_mails.pop_front();
        }
        Flush(tell);
    }
    Tell(tell);
}

void RecordKeeper::SetTroubleHandler(std::function<void(const std::string&)> handler)
{
    std::lock_guard lock(m_mutex);
    m_handler = std::move(handler);
}

std::size_t RecordKeeper::PendingLines()
{
    std::lock_guard lock(m_mutex);
    return m_lineCount;
}

std::size_t RecordKeeper::PendingMails()
{
    std::lock_guard lock(m_mutex);
    return m_mails.size();
}

void RecordKeeper::Flush(std::vector<std::string>& tell)
{
    std::string error;
    if (FlushLog(error))
        m_logTrouble.told = false;
    else if (!std::exchange(m_logTrouble.told, true))
        tell.push_back("the monitoring log cannot be written (" + error
                       + "); monitoring goes on and writes the lines as soon as it can");
    error.clear();
    if (FlushMail(error))
        m_mailTrouble.told = false;
    else if (!std::exchange(m_mailTrouble.told, true))
        tell.push_back("alert mail cannot be written to the outbox (" + error
                       + "); monitoring goes on and writes the mail as soon as it can");
}

bool RecordKeeper::FlushLog(std::string& error)
{
    while (!m_lines.empty()) {
        if (!AppendToMonitoringLog(m_lines.front().texts, m_lines.front().when, error))
            return false;
        m_lineCount -= m_lines.front().texts.size();
        m_lines.pop_front();
    }
    std::vector<std::string> lost;
    if (m_logTrouble.dropped > 0)
        lost.push_back(std::to_string(m_logTrouble.dropped) + " earlier lines were lost: the log could not be written");
    if (m_mailTrouble.dropped > 0)
        lost.push_back(std::to_string(m_mailTrouble.dropped)
                       + " alert mails were lost: the outbox could not be written");
    if (!AppendToMonitoringLog(lost, std::time(nullptr), error))
        return false;
    m_logTrouble.dropped = m_mailTrouble.dropped = 0;
    return true;
}

bool RecordKeeper::FlushMail(std::string& error)
{
    while (!m_mails.empty()) {
        // Mail switched off meanwhile (not configured) has nobody to go to.
        if (WriteAlertMail(m_mails.front(), error) == MailResult::Failed)
            return false;
        m_mails.pop_front();
    }
    return true;
}

void RecordKeeper::Tell(const std::vector<std::string>& messages)
{
    if (messages.empty())
        return;
    std::function<void(const std::string&)> handler;
    {
        std::lock_guard lock(m_mutex);
        handler = m_handler;
    }
    for (const std::string& m : messages) {
        std::fprintf(stderr, "monitoring: %s\n", m.c_str());
        if (handler)
            handler(m);
    }
}

} // namespace sim::hw
