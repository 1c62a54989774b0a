#include "CliRunner.h"

#include "core/TestFiles.h"

#include <atomic>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tallyrock::test {
namespace fs = std::filesystem;

bool makeFridayAtPineCreek(const fs::path& folder) {
    return runCli(folder, {"create-league", "Friday"}).status == 0 &&
           runCli(folder,
                  {"add-course", "--name", "Pine Creek Club", "--pars", "4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4",
                   "--initials", "PCC", "--slopes", "113,126,131"})
                   .status == 0;
}

bool makeMonAtPineHills(const fs::path& folder) {
    return runCli(folder, {"create-league", "Mon"}).status == 0 &&
           runCli(folder,
                  {"add-course", "--name", "Pine Hills", "--pars", "4,4,3,5,4,4,3,5,4,4,4,3,5,4,4,3,5,4",
                   "--ratings", "70.1,71.2,73.5", "--slopes", "118,125,131", "--initials", "PH"})
                   .status == 0 &&
           runCli(folder, {"add-player", "Mon", "Ann Lee", "--tee", "2"}).status == 0;
}

CliProcess startCli(const fs::path& folder, const std::vector<std::string>& args, CliOptions options) {
    static std::atomic<int> runs{0};
    std::string tag = std::to_string(getpid()) + "-" + std::to_string(runs++);
    CliProcess process;
    process.out = fs::temp_directory_path() / ("tallyrock-cli-out-" + tag);
    process.err = fs::temp_directory_path() / ("tallyrock-cli-err-" + tag);
    process.pid = fork();
    if (process.pid == 0) {
        if (chdir(folder.c_str()) != 0) _exit(127);
        setenv("XDG_CONFIG_HOME", (folder / ".config").c_str(), 1);
        if (!freopen(process.out.c_str(), "wb", stdout) || !freopen(process.err.c_str(), "wb", stderr))
            _exit(127);
        if (options.removeFolder) {
            std::error_code ec;
            fs::remove_all(folder, ec);
            if (ec) _exit(127);
        }
        if (options.fileSizeLimit > 0) {
            rlimit limit{static_cast<rlim_t>(options.fileSizeLimit),
                         static_cast<rlim_t>(options.fileSizeLimit)};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        std::vector<char*> argv;
        std::string program = TALLYROCK_CLI;
        argv.push_back(program.data());
        std::vector<std::string> copy = args;
        for (auto& a : copy)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    return process;
}

CliResult waitCli(const CliProcess& process) {
    int status = 0;
    waitpid(process.pid, &status, 0);
    CliResult result;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = readFile(process.out);
    result.err = readFile(process.err);
    fs::remove(process.out);
    fs::remove(process.err);
    return result;
}

CliResult runCli(const fs::path& folder, const std::vector<std::string>& args) {
    return waitCli(startCli(folder, args));
}

CliResult runCliInRemovedFolder(const fs::path& folder, const std::vector<std::string>& args) {
    return waitCli(startCli(folder, args, {0, true}));
}

} // namespace tallyrock::test
