#pragma once
// The monitoring log files: one per day, "MonitoringRecord/YYYY-MM-DD.txt"
// under the configuration folder, one line per change:
// "YYYY-MM-DD HH:MM:SS  <what changed>".
#include <ctime>
#include <string>
#include <vector>

namespace sim::hw {

// <configuration folder>MonitoringRecord/
std::string MonitoringLogFolder();
// "2024-05-01.txt"
std::string LogFileName(const std::tm& local);
// "2024-05-01 14:03:07  " + text, the text's control characters escaped
// (a name with a line break must not forge a line).
std::string LogLine(const std::tm& local, const std::string& text);

// Appends the texts to the log file of the day of `when` (local time),
// creating the folder when needed; whole lines or nothing. Not for two
// threads at once (RecordKeeper serialises the writers). False with the
// reason when the file cannot be written.
bool AppendToMonitoringLog(const std::vector<std::string>& texts, std::time_t when, std::string& error);

} // namespace sim::hw
