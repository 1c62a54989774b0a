#include "FileWriter.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace tallyrock {
namespace fs = std::filesystem;

namespace {

bool writeAll(int fd, std::string_view content) {
    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

void syncFolder(const fs::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool AtomicFileWriter::writeFile(const fs::path& target, std::string_view content) {
    fs::path folder = target.parent_path();
    std::string pattern = (folder / ("." + target.filename().string() + ".tmpXXXXXX")).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) return false;
    fs::path temp = pattern;
    bool ok = writeAll(fd, content) && ::fsync(fd) == 0;
    // Keep the permissions an existing file had; a new file gets the usual 0644 less the umask.
    mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat st {};
    mode_t mode = ::stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : (0666 & ~mask);
    ok = ::fchmod(fd, mode) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    syncFolder(folder);
    return true;
}

bool copyFileAtomically(FileWriter& writer, const fs::path& from, const fs::path& to) {
    std::ifstream in(from, std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return false;
    return writer.writeFile(to, text.str());
}

} // namespace tallyrock
