#include "FileWriter.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ReadWhole.h"

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

constexpr std::string_view TempMark = ".tmp";

} // namespace

void syncFolder(const fs::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool isTemporaryName(std::string_view name) {
    // ".NAME.tmpXXXXXX": a leading dot, then the mark and six characters at the end.
    return name.size() > 1 + TempMark.size() + 6 && name.front() == '.' &&
           name.substr(name.size() - 6 - TempMark.size(), TempMark.size()) == TempMark;
}

std::optional<fs::path> FileWriter::stage(const fs::path& target, std::string_view content) {
    fs::path folder = target.parent_path();
    std::string pattern =
        (folder / ("." + target.filename().string() + std::string(TempMark) + "XXXXXX")).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        lastError = std::strerror(errno);
        return std::nullopt;
    }
    fs::path temp = pattern;
    int error = 0;
    if (!writeAll(fd, content) || ::fsync(fd) != 0) error = errno;
    // Keep the permissions an existing file had; a new file gets the usual 0666 less the umask.
    mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat st {};
    mode_t mode = ::stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : (0666 & ~mask);
    if (::fchmod(fd, mode) != 0 && error == 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) {
        lastError = std::strerror(error);
        std::error_code ignored;
        fs::remove(temp, ignored);
        return std::nullopt;
    }
    return temp;
}

bool FileWriter::writeFile(const fs::path& target, std::string_view content) {
    std::optional<fs::path> temp = stage(target, content);
    if (!temp) return false;
    if (::rename(temp->c_str(), target.c_str()) != 0) {
        lastError = std::strerror(errno);
        std::error_code ignored;
        fs::remove(*temp, ignored);
        return false;
    }
    syncFolder(target.parent_path());
    return true;
}

bool FileWriter::removeFile(const fs::path& target) {
    if (::unlink(target.c_str()) != 0 && errno != ENOENT) {
        lastError = std::strerror(errno);
        return false;
    }
    syncFolder(target.parent_path());
    return true;
}

bool copyFileAtomically(FileWriter& writer, const fs::path& from, const fs::path& to) {
    std::optional<std::string> text = readWhole(from, MaxCopiedFileSize);
    return text && writer.writeFile(to, *text);
}

} // namespace tallyrock
