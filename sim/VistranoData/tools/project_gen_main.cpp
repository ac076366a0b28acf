// project_gen: writes the sample installation or a generated one to a
// project file.
//   project_gen --sample --out sample.json
//   project_gen --senders 255 --ports 16 --receivers 40 --large 10000 --out big.json
//   project_gen --senders 3 --fibre 1 --out fibre.json
// Exit codes: 0 written, 1 the file could not be written (the old one
// stays), 2 bad arguments.
#include "sim/project_file.h"
#include "sim/project_gen.h"

#include "platform/path.h"
#include "platform/shell.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int Usage(const std::string& fault)
{
    if (!fault.empty())
        std::fprintf(stderr, "project_gen: %s\n", fault.c_str());
    std::fprintf(stderr,
                 "usage: project_gen --out FILE [--sample | [--senders 1-255] [--ports 1-160] [--receivers 0-65535]\n"
                 "                   [--large N] [--cabinet 8-1024] [--seed 0-4294967295] [--fibre N]]\n");
    return 2;
}

// A whole decimal number from 0 to max, nothing else.
bool ReadNumber(const char* text, long long max, long long& out)
{
    if (*text < '0' || *text > '9')
        return false;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text, &end, 10);
    if (*end || errno == ERANGE || v > max)
        return false;
    out = v;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // A file size limit makes writes fail (and be reported) instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    std::string out;
    bool sample = false;
    sim::GenerateOptions options;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        int* number = std::strcmp(a, "--senders") == 0 ? &options.senders
            : std::strcmp(a, "--ports") == 0           ? &options.portsPerSender
            : std::strcmp(a, "--receivers") == 0       ? &options.receiversPerPort
            : std::strcmp(a, "--large") == 0           ? &options.largeSenderReceivers
            : std::strcmp(a, "--cabinet") == 0         ? &options.cabinetSize
            : std::strcmp(a, "--fibre") == 0           ? &options.fiberSenders
                                                       : nullptr;
        const bool seed = std::strcmp(a, "--seed") == 0;
        long long v = 0;
        if (std::strcmp(a, "--sample") == 0) {
            sample = true;
        } else if (std::strcmp(a, "--out") == 0 && value) {
            out = value;
            ++i;
        } else if (number && value && ReadNumber(value, INT32_MAX, v)) {
            *number = static_cast<int>(v);
            ++i;
        } else if (seed && value && ReadNumber(value, UINT32_MAX, v)) {
            options.seed = static_cast<uint32_t>(v);
            ++i;
        } else if ((number || seed) && value) {
            return Usage(std::string(a) + " takes a whole number in its range, not \"" + value + "\"");
        } else {
            return Usage(std::string("unknown or incomplete argument ") + a);
        }
    }
    if (out.empty())
        return Usage("no --out FILE");
    if (const std::string fault = sim::GenerateOptionsFault(options); !sample && !fault.empty())
        return Usage("--" + fault);
    const sim::ProjectModel project = sample ? sim::MakeSampleProject() : sim::GenerateProject(options);
    std::string error;
    const std::string folder = plat::FolderOf(out);
    if ((!folder.empty() && !plat::CreateDirectories(folder)) || !sim::WriteProjectFile(out, project, error)) {
        std::fprintf(stderr, "project_gen: %s\n", error.empty() ? ("cannot create " + folder).c_str() : error.c_str());
        return 1;
    }
    return 0;
}
