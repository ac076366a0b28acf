// project_gen: writes the sample installation or a generated one to a
// project file.
//   project_gen --sample --out sample.json
//   project_gen --senders 255 --ports 16 --receivers 40 --large 10000 --out big.json
#include "sim/project_file.h"
#include "sim/project_gen.h"

#include "platform/path.h"
#include "platform/shell.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int Usage()
{
    std::fprintf(stderr,
                 "usage: project_gen --out FILE [--sample | [--senders N] [--ports N] [--receivers N]\n"
                 "                   [--large N] [--cabinet PIXELS] [--seed N]]\n");
    return 2;
}

bool ReadNumber(const char* text, int& out)
{
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (!*text || *end || v < 0 || v > 10000000)
        return false;
    out = static_cast<int>(v);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    std::string out;
    bool sample = false;
    sim::GenerateOptions options;
    int seed = static_cast<int>(options.seed);
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        int* number = std::strcmp(a, "--senders") == 0     ? &options.senders
                    : std::strcmp(a, "--ports") == 0       ? &options.portsPerSender
                    : std::strcmp(a, "--receivers") == 0   ? &options.receiversPerPort
                    : std::strcmp(a, "--large") == 0       ? &options.largeSenderReceivers
                    : std::strcmp(a, "--cabinet") == 0     ? &options.cabinetSize
                    : std::strcmp(a, "--seed") == 0        ? &seed
                                                           : nullptr;
        if (std::strcmp(a, "--sample") == 0) {
            sample = true;
        } else if (std::strcmp(a, "--out") == 0 && value) {
            out = value;
            ++i;
        } else if (number && value && ReadNumber(value, *number)) {
            ++i;
        } else {
            return Usage();
        }
    }
    if (out.empty())
        return Usage();
    options.seed = static_cast<uint32_t>(seed);
    const sim::ProjectModel project = sample ? sim::MakeSampleProject() : sim::GenerateProject(options);
    std::string error;
    const std::string folder = plat::FolderOf(out);
    if ((!folder.empty() && !plat::CreateDirectories(folder)) || !sim::WriteProjectFile(out, project, error)) {
        std::fprintf(stderr, "project_gen: %s\n", error.empty() ? ("cannot create " + folder).c_str() : error.c_str());
        return 1;
    }
    return 0;
}
