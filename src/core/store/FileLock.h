#pragma once
// Advisory locks between the programs that work on one data folder. The
// kernel drops a lock when its process ends, so a crash never leaves a stale
// one behind. The holder writes its name into the lock file, so a program
// that has to wait can say whom it waits for.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace tallyrock {

class FileLock {
  public:
    FileLock() = default;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    ~FileLock();

    // Takes the exclusive lock on `path`, waiting up to `wait`, and writes
    // `holder` into the file. Nothing when another program kept it that long;
    // `otherHolder` then names it. A folder where no lock file can be made
    // (read-only) gives an unlocked FileLock: nobody can change files there.
    static std::optional<FileLock> acquire(const std::filesystem::path& path, const std::string& holder,
                                           std::chrono::milliseconds wait,
                                           std::string* otherHolder = nullptr);

    void release();

  private:
    int m_fd = -1;
};

// True when another process holds the lock on `path`; `holder` then names it.
bool lockedElsewhere(const std::filesystem::path& path, std::string* holder = nullptr);

// Every change to the data files holds this lock from the read of the files it
// changes to its last write.
std::filesystem::path folderLockPath(const std::filesystem::path& workDir);
// Held by the desktop program while a league is open in it, so no other program
// changes that league behind its back.
std::filesystem::path leagueOpenLockPath(const std::filesystem::path& workDir,
                                         const std::string& leagueFileName);
// The league file a league or team file belongs to ("Monday.TEA" -> "Monday.LGE"); empty for other files.
std::string leagueFileOf(const std::filesystem::path& dataFile);

// "tallyrock-cli (process 4711)": how a holder names itself.
std::string holderName(const std::string& program);

} // namespace tallyrock
