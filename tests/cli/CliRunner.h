#pragma once
// Runs tallyrock-cli in a folder, with its own settings folder, capturing its status and output.

#include "core/TestFiles.h"

#include <sys/types.h>

namespace tallyrock::test {

using Args = std::vector<std::string>;

// An all-par-4 course, a par-72 course, and 94 strokes on the par-72 one (49 + 45).
inline const std::string par4s = "4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4";
inline const std::string par72 = "4,4,3,5,4,4,3,5,4,4,4,3,5,4,4,3,5,4";
inline const std::string holes94 = "5,5,4,6,5,9,4,6,5,5,5,4,6,5,5,4,6,5";

struct CliResult {
    int status = -1;
    std::string out, err;
};

CliResult runCli(const std::filesystem::path& folder, const Args& args);

// A run started and not yet waited for, so several can run side by side.
struct CliProcess {
    pid_t pid = -1;
    std::filesystem::path out, err;
};
struct CliOptions {
    long fileSizeLimit = 0;    // bytes, 0 for none: larger writes fail as on a full disk
    bool removeFolder = false; // the folder is removed once the tool is in it
};
CliProcess startCli(const std::filesystem::path& folder, const Args& args, CliOptions options = {});
CliResult waitCli(const CliProcess& process);

Args operator+(Args args, const Args& more);
// Lines each ended by "\n", as the tool prints them.
std::string text(std::initializer_list<std::string> lines);
// The "\n"-ended lines of a text, without their ends.
std::vector<std::string> lines(const std::string& text);

} // namespace tallyrock::test
