#include "soak_samples.h"

#include <cstdio>
#include <unistd.h>

namespace app {

long ResidentKilobytes()
{
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm)
        return 0;
    long size = 0;
    long resident = 0;
    const bool read = std::fscanf(statm, "%ld %ld", &size, &resident) == 2;
    std::fclose(statm);
    return read ? resident * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

double GrowthKbPer10kRounds(const std::vector<SSoakSample>& samples)
{
    const std::size_t first = samples.size() / 4;
    const double n = static_cast<double>(samples.size() - first);
    if (n < 2)
        return 0;
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (std::size_t i = first; i < samples.size(); ++i) {
        const double x = static_cast<double>(samples[i].rounds);
        const double y = static_cast<double>(samples[i].residentKb);
        sx += x;
        sy += y;
        sxx += x * x;
        sxy += x * y;
    }
    const double spread = n * sxx - sx * sx;
    return spread > 0 ? (n * sxy - sx * sy) / spread * 10000.0 : 0;
}

std::string SoakSampleLine(const SSoakSample& s)
{
    char line[96];
    std::snprintf(line, sizeof line, "%.1f,%d,%llu,%ld", s.seconds, s.steps, static_cast<unsigned long long>(s.rounds),
                  s.residentKb);
    return line;
}

} // namespace app
