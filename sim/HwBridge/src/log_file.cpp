// The monitoring log files.
#include "log_file.h"

#include "platform/path.h"
#include "sim/world.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>

namespace sim::hw {

std::string MonitoringLogFolder()
{
    return plat::JoinPath(GetConfigFolder(), "MonitoringRecord") + plat::kPathSeparator;
}

std::string LogFileName(const std::tm& t)
{
    char name[64];
    std::snprintf(name, sizeof name, "%04d-%02d-%02d.txt", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday);
    return name;
}

std::string LogLine(const std::tm& t, const std::string& text)
{
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d  ", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                  t.tm_hour, t.tm_min, t.tm_sec);
    return stamp + text;
}

bool AppendToMonitoringLog(const std::vector<std::string>& texts, std::time_t when)
{
    if (texts.empty())
        return true;
    std::tm local{};
    localtime_r(&when, &local);
    const std::string folder = MonitoringLogFolder();
    // Writers on two threads (a stop and the last round) keep their lines whole.
    static std::mutex mutex;
    std::lock_guard lock(mutex);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    std::ofstream file(folder + LogFileName(local), std::ios::app | std::ios::binary);
    if (!file)
        return false;
    for (const std::string& text : texts)
        file << LogLine(local, text) << '\n';
    return static_cast<bool>(file.flush());
}

} // namespace sim::hw
