#include "CliRunner.h"

#include "core/TestFiles.h"

#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace tallyrock::test {
namespace fs = std::filesystem;

namespace {

CliResult run(const fs::path& folder, const fs::path& outputs, bool removeFolder,
              const std::vector<std::string>& args) {
    fs::path outFile = outputs / ".cli-out", errFile = outputs / ".cli-err";
    pid_t pid = fork();
    if (pid == 0) {
        if (chdir(folder.c_str()) != 0) _exit(127);
        setenv("XDG_CONFIG_HOME", (folder / ".config").c_str(), 1);
        if (!freopen(outFile.c_str(), "wb", stdout) || !freopen(errFile.c_str(), "wb", stderr)) _exit(127);
        if (removeFolder) {
            std::error_code ec;
            fs::remove_all(folder, ec);
            if (ec) _exit(127);
        }
        std::vector<char*> argv;
        std::string program = TALLYROCK_CLI;
        argv.push_back(program.data());
        std::vector<std::string> copy = args;
        for (auto& a : copy) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    CliResult result;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = readFile(outFile);
    result.err = readFile(errFile);
    fs::remove(outFile);
    fs::remove(errFile);
    return result;
}

} // namespace

CliResult runCli(const fs::path& folder, const std::vector<std::string>& args) {
    return run(folder, folder, false, args);
}

CliResult runCliInRemovedFolder(const fs::path& folder, const fs::path& outputs,
                                const std::vector<std::string>& args) {
    return run(folder, outputs, true, args);
}

} // namespace tallyrock::test
