// The monitoring log files.
#include "log_file.h"

#include "platform/file_io.h"
#include "platform/path.h"
#include "platform/shell.h"
#include "sim/one_line.h"
#include "sim/world.h"

#include <cstdio>

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
    return stamp + OneLine(text);
}

bool AppendToMonitoringLog(const std::vector<std::string>& texts, std::time_t when, std::string& error)
{
    if (texts.empty())
        return true;
    std::tm local{};
    localtime_r(&when, &local);
    const std::string folder = MonitoringLogFolder();
    std::string lines;
    for (const std::string& text : texts)
        lines += LogLine(local, text) + '\n';
    if (!plat::CreateDirectories(folder)) {
        error = "the folder " + folder + " cannot be created";
        return false;
    }
    const std::string path = folder + LogFileName(local);
    if (!plat::AppendToFile(path, lines, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

} // namespace sim::hw
