#include "CliRunner.h"

#include <atomic>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tallyrock::test {
namespace fs = std::filesystem;

CliProcess startCli(const fs::path& folder, const Args& args, CliOptions options) {
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
        std::error_code ec; // remove_all gives -1 on an error
        if (options.removeFolder && fs::remove_all(folder, ec) == static_cast<std::uintmax_t>(-1)) _exit(127);
        if (options.fileSizeLimit > 0) {
            rlimit limit{static_cast<rlim_t>(options.fileSizeLimit),
                         static_cast<rlim_t>(options.fileSizeLimit)};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        Args words = Args{TALLYROCK_CLI} + args;
        std::vector<char*> argv;
        for (std::string& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return process;
}

CliResult waitCli(const CliProcess& process) {
    int status = 0;
    waitpid(process.pid, &status, 0);
    CliResult result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(process.out),
                     readFile(process.err)};
    fs::remove(process.out);
    fs::remove(process.err);
    return result;
}

CliResult runCli(const fs::path& folder, const Args& args) {
    return waitCli(startCli(folder, args));
}

Args operator+(Args args, const Args& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

std::string text(std::initializer_list<std::string> lines) {
    std::string out;
    for (const std::string& line : lines)
        out += line + "\n";
    return out;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        out.push_back(text.substr(start, end - start));
    return out;
}

} // namespace tallyrock::test
