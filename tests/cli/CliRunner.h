#pragma once
// Runs tallyrock-cli in a folder, with its own settings folder, and captures
// its exit status and output.

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tallyrock::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

CliResult runCli(const std::filesystem::path& folder, const std::vector<std::string>& args);
// League "Friday" and the all-par-4 course "Pine Creek Club" (initials PCC,
// slopes 113, 126 and 131), made by the tool; false when either is refused.
bool makeFridayAtPineCreek(const std::filesystem::path& folder);
// League "Mon", the course "Pine Hills" (PH; pars 36 and 36; ratings 70.1, 71.2
// and 73.5; slopes 118, 125 and 131) and Ann Lee on the Mens tee, made by the
// tool; false when any is refused.
bool makeMonAtPineHills(const std::filesystem::path& folder);
// The same in a working folder removed after the tool's process changed into it.
CliResult runCliInRemovedFolder(const std::filesystem::path& folder, const std::vector<std::string>& args);

// A run started and not yet waited for, so several can run side by side.
struct CliProcess {
    pid_t pid = -1;
    std::filesystem::path out, err;
};
struct CliOptions {
    long fileSizeLimit = 0;    // bytes, 0 for none: larger writes fail as on a full disk
    bool removeFolder = false; // the folder is removed once the tool is in it
};
CliProcess startCli(const std::filesystem::path& folder, const std::vector<std::string>& args,
                    CliOptions options = {});
CliResult waitCli(const CliProcess& process);

} // namespace tallyrock::test
