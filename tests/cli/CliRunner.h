#pragma once
// Runs tallyrock-cli in a folder, with its own settings folder, and captures
// its exit status and output.

#include <filesystem>
#include <string>
#include <vector>

namespace tallyrock::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

CliResult runCli(const std::filesystem::path& folder, const std::vector<std::string>& args);
// The same in a working folder removed after the tool's process changed into
// it; the output files go to `outputs`.
CliResult runCliInRemovedFolder(const std::filesystem::path& folder, const std::filesystem::path& outputs,
                                const std::vector<std::string>& args);

} // namespace tallyrock::test
