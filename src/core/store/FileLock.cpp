#include "FileLock.h"

#include "FileNames.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace tallyrock {
namespace fs = std::filesystem;

namespace {

std::string readHolder(int fd) {
    char buffer[256];
    ssize_t n = ::pread(fd, buffer, sizeof buffer, 0);
    std::string text = n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text.empty() ? "another program" : text;
}

bool hasExtension(const std::string& name, std::string_view extension) {
    return name.size() > extension.size() &&
           equalsIgnoringCase(std::string_view(name).substr(name.size() - extension.size()), extension);
}

} // namespace

FileLock::FileLock(FileLock&& other) noexcept : m_fd(other.m_fd) {
    other.m_fd = -1;
}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        m_fd = other.m_fd;
        other.m_fd = -1;
    }
    return *this;
}

FileLock::~FileLock() {
    release();
}

void FileLock::release() {
    if (m_fd >= 0) ::close(m_fd); // closing drops the lock
    m_fd = -1;
}

std::optional<FileLock> FileLock::acquire(const fs::path& path, const std::string& holder,
                                          std::chrono::milliseconds wait, std::string* otherHolder) {
    FileLock lock;
    lock.m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (lock.m_fd < 0) return lock;
    auto deadline = std::chrono::steady_clock::now() + wait;
    auto pause = std::chrono::milliseconds(2);
    while (::flock(lock.m_fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) return lock; // a file system without locks
        if (std::chrono::steady_clock::now() >= deadline) {
            if (otherHolder) *otherHolder = readHolder(lock.m_fd);
            return std::nullopt;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
    std::string text = holder + "\n";
    if (::ftruncate(lock.m_fd, 0) == 0) {
        [[maybe_unused]] ssize_t written = ::pwrite(lock.m_fd, text.data(), text.size(), 0);
    }
    return lock;
}

bool lockedElsewhere(const fs::path& path, std::string* holder) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    bool locked = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    if (locked && holder) *holder = readHolder(fd);
    ::close(fd);
    return locked;
}

fs::path folderLockPath(const fs::path& workDir) {
    return workDir / ".tallyrock.lock";
}

fs::path leagueOpenLockPath(const fs::path& workDir, const std::string& leagueFileName) {
    // File names match without regard to case, so the lock of a league does too.
    return workDir / (".tallyrock-open." + upperCase(leagueFileName));
}

std::string leagueFileOf(const fs::path& dataFile) {
    std::string name = dataFile.filename().string();
    if (hasExtension(name, ".LGE")) return name;
    if (hasExtension(name, ".TEA")) return name.substr(0, name.size() - 4) + ".LGE";
    return {};
}

std::string holderName(const std::string& program) {
    return program + " (process " + std::to_string(::getpid()) + ")";
}

} // namespace tallyrock
