#include "ChangeSet.h"

#include "FileLock.h"
#include "FileNames.h"
#include "ReadWhole.h"
#include "Store.h"
#include "UndoLog.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <functional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tallyrock {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view JournalMark = "tallyrock-journal-1";
constexpr std::size_t MaxJournalSize = 1u << 20;

std::size_t fingerprint(std::string_view text) {
    return std::hash<std::string_view>{}(text);
}

std::optional<std::size_t> fingerprintOnDisk(const fs::path& path) {
    std::optional<std::string> text = readWhole(path, MaxCopiedFileSize);
    if (!text) return std::nullopt;
    return fingerprint(*text);
}

// One file's fate: replaced by `temp`, or removed when there is none. `old`
// is a second name of what the target held (none: it was not there), so the
// change can be taken back while it is under way.
struct Step {
    fs::path target;
    std::optional<fs::path> temp;
    std::optional<std::size_t> newFingerprint;
    std::optional<fs::path> old;
    std::optional<std::uint64_t> newHash; // as the undo entries keep it
};

// A free ".NAME.tmpXXXXXX" beside the file (the pattern old temporaries are tidied by).
std::optional<fs::path> freeTempName(const fs::path& file) {
    std::string pattern = (file.parent_path() / ("." + file.filename().string() + ".tmpXXXXXX")).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) return std::nullopt;
    ::close(fd);
    ::unlink(pattern.c_str());
    return fs::path(pattern);
}

// Gives each existing target a second name; false (and none made) when one cannot be.
bool keepOldVersions(std::vector<Step>& steps) {
    for (Step& step : steps) {
        struct stat st {};
        if (::lstat(step.target.c_str(), &st) != 0) continue; // a new file: there is nothing to keep
        std::optional<fs::path> name = freeTempName(step.target);
        if (!name || ::link(step.target.c_str(), name->c_str()) != 0) {
            for (Step& made : steps)
                if (made.old) ::unlink(made.old->c_str());
            return false;
        }
        step.old = name;
    }
    return true;
}

void syncFolders(const std::vector<Step>& steps) {
    std::set<fs::path> folders;
    for (const Step& step : steps)
        folders.insert(step.target.parent_path());
    for (const fs::path& folder : folders)
        syncFolder(folder);
}

// Renames and removals, each safe to repeat: a temporary that is gone was renamed already.
bool carryOut(const std::vector<Step>& steps) {
    int error = 0;
    for (const Step& step : steps) {
        int result =
            step.temp ? ::rename(step.temp->c_str(), step.target.c_str()) : ::unlink(step.target.c_str());
        if (result != 0 && errno != ENOENT) {
            error = errno;
            break;
        }
    }
    syncFolders(steps);
    errno = error; // the reason of a failed step, not of the syncs after it
    return error == 0;
}

// Puts every target back as it was before the change.
void takeBack(const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        if (step.temp) ::unlink(step.temp->c_str());
        if (step.old)
            ::rename(step.old->c_str(), step.target.c_str());
        else
            ::unlink(step.target.c_str());
    }
    syncFolders(steps);
}

void dropOldVersions(const std::vector<Step>& steps) {
    for (const Step& step : steps)
        if (step.old) ::unlink(step.old->c_str());
}

std::string journalText(const std::vector<Step>& steps) {
    std::string text(JournalMark);
    text += '\0';
    for (const Step& step : steps) {
        text += step.temp ? "W" : "R";
        text += '\0';
        text += (step.temp ? step.temp->string() : std::string()) + '\0';
        text += step.target.string() + '\0';
        text += (step.old ? step.old->string() : std::string()) + '\0';
    }
    text += "end";
    text += '\0';
    return text;
}

// Nothing when the journal is not whole; `temps` gets every temporary it names.
std::optional<std::vector<Step>> parseJournal(const std::string& text, std::vector<fs::path>& temps) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\0') {
            fields.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    if (start < text.size()) fields.push_back(text.substr(start)); // cut short
    if (fields.empty() || fields.front() != JournalMark) return std::nullopt;
    auto optionalPath = [](const std::string& field) {
        return field.empty() ? std::nullopt : std::optional<fs::path>(field);
    };
    std::vector<Step> steps;
    for (std::size_t i = 1; i < fields.size(); i += 4) {
        if (fields[i] == "end" && i + 1 == fields.size()) return steps;
        if (fields[i] == "W" && i + 1 < fields.size() && !fields[i + 1].empty())
            temps.emplace_back(fields[i + 1]);
        if ((fields[i] != "W" && fields[i] != "R") || i + 3 >= fields.size()) break;
        steps.push_back({fields[i + 2], optionalPath(fields[i + 1]), std::nullopt,
                         optionalPath(fields[i + 3]), std::nullopt});
    }
    return std::nullopt;
}

Message conflict(const fs::path& file) {
    return {"Tallyrock",
            joinLines({file.filename().string() + " was changed by another program after Tallyrock read it,",
                       "so this change was not saved and no file was changed.",
                       "Open the league again to read the other program's changes."}),
            Icon::Exclamation};
}

Message notFinished(const std::string& reason) {
    return {"Tallyrock",
            joinLines({"The change could not be saved: " + reason + ".", "No file was changed."}),
            Icon::Exclamation};
}

std::string displayLeague(const std::string& leagueFile) {
    return leagueFile.size() > 4 ? leagueFile.substr(0, leagueFile.size() - 4) : leagueFile;
}

} // namespace

// Collects the change's writes as synced temporary files; nothing is renamed until the commit.
class StagingWriter : public FileWriter {
  public:
    explicit StagingWriter(std::shared_ptr<FileWriter> inner) : m_inner(std::move(inner)) {}

    std::optional<fs::path> stage(const fs::path& target, std::string_view content) override {
        auto temp = m_inner->stage(target, content);
        if (!temp) lastError = m_inner->lastError;
        return temp;
    }

    bool writeFile(const fs::path& target, std::string_view content) override {
        fs::path absolute = fs::absolute(target);
        std::optional<fs::path> temp = stage(absolute, content);
        if (!temp) return false;
        record({absolute, temp, fingerprint(content), std::nullopt, contentHash(content)});
        return true;
    }

    bool removeFile(const fs::path& target) override {
        record({fs::absolute(target), std::nullopt, std::nullopt, std::nullopt, std::nullopt});
        return true;
    }

    void discard() {
        std::error_code ignored;
        for (const Step& step : steps)
            if (step.temp) fs::remove(*step.temp, ignored);
        steps.clear();
    }

    std::vector<Step> steps; // one for each file, in the order first touched
    std::shared_ptr<FileWriter> m_inner;

  private:
    // A later write or removal of the same file replaces the earlier one.
    void record(Step step) {
        for (Step& existing : steps)
            if (existing.target == step.target) {
                std::error_code ignored;
                if (existing.temp) fs::remove(*existing.temp, ignored);
                existing = std::move(step);
                return;
            }
        steps.push_back(std::move(step));
    }
};

fs::path journalPath(const fs::path& workDir) {
    return workDir / ".tallyrock.journal";
}

Message folderBusy(const std::string& holder) {
    return {"Tallyrock",
            joinLines({"The data files are being changed by " + holder + ".",
                       "Nothing was changed. Try again when it has finished."}),
            Icon::Exclamation};
}

Message leagueOpenElsewhere(const std::string& league, const std::string& holder) {
    return {"Tallyrock", league + " is open in " + holder + "; close it there first.", Icon::Exclamation};
}

bool finishJournal(const fs::path& workDir) {
    fs::path journal = journalPath(workDir);
    std::optional<std::string> text = readWhole(journal, MaxJournalSize);
    std::error_code ec;
    if (!text) {
        if (!fs::exists(journal, ec)) return false;
        text = std::string(); // unreadable or oversized: treated as never completed
    }
    std::vector<fs::path> temps;
    std::optional<std::vector<Step>> steps = parseJournal(*text, temps);
    if (steps) {
        // Whole: finish it; when that cannot be done, take every file back.
        if (carryOut(*steps))
            dropOldVersions(*steps);
        else
            takeBack(*steps);
    } else {
        // The journal was not whole, so no rename had started: every file is still old.
        for (const fs::path& temp : temps)
            fs::remove(temp, ec);
    }
    fs::remove(journal, ec);
    syncFolder(workDir);
    return true;
}

void tidyDataFolder(Store& store) {
    ChangeSet change(store); // takes the lock and finishes a journal left behind
    auto cutoff = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const fs::path& folder : {store.workDir, versionsFolder(store.workDir), store.settingsDir}) {
        std::error_code ec;
        if (folder.empty()) continue;
        for (auto it = fs::directory_iterator(folder, ec); !ec && it != fs::directory_iterator();
             it.increment(ec)) {
            std::error_code fileError;
            if (isTemporaryName(it->path().filename().string()) && it->is_regular_file(fileError) &&
                it->last_write_time(fileError) < cutoff && !fileError)
                fs::remove(it->path(), fileError);
        }
    }
}

void noteRead(Store& store, const fs::path& path, const std::optional<LineReader>& reader) {
    store.fileFingerprints[fs::absolute(path).string()] =
        reader ? std::optional<std::size_t>(reader->fingerprint()) : std::nullopt;
}

Failure holdLeagueOpen(Store& store, const std::string& leagueFileName) {
    if (upperCase(leagueFileName) == upperCase(store.openLeagueFile)) return std::nullopt;
    std::string holder;
    auto lock = FileLock::acquire(leagueOpenLockPath(store.workDir, leagueFileName),
                                  holderName(store.programName), std::chrono::milliseconds(0), &holder);
    if (!lock) return leagueOpenElsewhere(displayLeague(leagueFileName), holder);
    store.openLeagueLock = std::make_shared<FileLock>(std::move(*lock));
    store.openLeagueFile = leagueFileName;
    return std::nullopt;
}

void letLeagueGo(Store& store, const std::string& leagueFileName) {
    if (upperCase(leagueFileName) != upperCase(store.openLeagueFile)) return;
    store.openLeagueLock.reset();
    store.openLeagueFile.clear();
}

ChangeSet::ChangeSet(Store& store, std::string label) : m_store(store), m_label(std::move(label)) {
    if (store.staging) return; // joins the change already under way
    m_outer = true;
    if (!store.folderLock) {
        std::string holder;
        auto lock = FileLock::acquire(folderLockPath(store.workDir), holderName(store.programName),
                                      store.lockWait, &holder);
        if (lock)
            m_lock = std::make_unique<FileLock>(std::move(*lock));
        else
            m_lockFailure = folderBusy(holder);
    }
    if (!m_lockFailure) finishJournal(store.workDir);
    m_previous = store.writer;
    m_staging = std::make_shared<StagingWriter>(store.writer);
    store.writer = m_staging;
    store.staging = true;
}

ChangeSet::~ChangeSet() {
    if (m_outer && !m_done) {
        m_staging->discard();
        finish();
        forgetChangeNames(m_store);
    }
}

void ChangeSet::finish() {
    m_done = true;
    m_store.writer = m_previous;
    m_store.staging = false;
}

Failure ChangeSet::commit() {
    if (m_done) return std::nullopt;
    if (!m_label.empty()) m_store.pendingChanges.push_back({std::string(), m_label, false});
    if (!m_outer) return std::nullopt;
    finish();
    std::vector<Step> steps = std::move(m_staging->steps);
    m_staging->steps.clear();
    std::vector<fs::path> targets;
    targets.reserve(steps.size());
    for (const Step& step : steps)
        targets.push_back(step.target);
    auto drop = [&](Message message) -> Failure {
        m_staging->steps = std::move(steps);
        m_staging->discard();
        afterChange(m_store, targets, false);
        return message;
    };
    if (m_lockFailure) return drop(*m_lockFailure);

    fs::path workDir = fs::absolute(m_store.workDir);
    for (const Step& step : steps) {
        std::string league = leagueFileOf(step.target);
        std::error_code ec;
        if (!league.empty() && fs::equivalent(step.target.parent_path(), workDir, ec) &&
            upperCase(league) != upperCase(m_store.openLeagueFile)) {
            std::string holder;
            if (lockedElsewhere(leagueOpenLockPath(workDir, league), &holder))
                return drop(leagueOpenElsewhere(displayLeague(league), holder));
        }
        // A file to be removed that is gone already loses nothing.
        auto seen = m_store.fileFingerprints.find(step.target.string());
        std::optional<std::size_t> now = fingerprintOnDisk(step.target);
        if (seen != m_store.fileFingerprints.end() && now != seen->second && (step.temp || now))
            return drop(conflict(step.target));
    }
    if (steps.empty()) {
        afterChange(m_store, targets, false);
        return std::nullopt;
    }
    // What the files held before goes to the versions folder in the same
    // change; when it cannot be kept, the change lands all the same.
    std::vector<ChangedFile> changed;
    changed.reserve(steps.size());
    for (const Step& step : steps)
        changed.push_back({step.target, step.newHash});
    for (const VersionWrite& write : versionWrites(m_store, changed, !m_unrecorded))
        if (std::optional<fs::path> temp = m_previous->stage(write.target, write.content))
            steps.push_back({write.target, temp, std::nullopt, std::nullopt, std::nullopt});

    if (steps.size() == 1) {
        // One rename or removal is whole by itself.
        if (!carryOut(steps)) return drop(notFinished(std::strerror(errno)));
    } else {
        FileWriter& writer = *m_previous;
        if (!keepOldVersions(steps)) return drop(notFinished(std::strerror(errno)));
        if (!writer.writeFile(journalPath(m_store.workDir), journalText(steps))) {
            dropOldVersions(steps);
            return drop(notFinished(writer.lastError.empty() ? "the journal could not be written"
                                                             : writer.lastError));
        }
        bool landed = carryOut(steps);
        std::string reason = landed ? std::string() : std::strerror(errno);
        if (landed)
            dropOldVersions(steps);
        else
            takeBack(steps);
        std::error_code ec;
        fs::remove(journalPath(m_store.workDir), ec);
        syncFolder(m_store.workDir);
        if (!landed) {
            afterChange(m_store, targets, false);
            return notFinished(reason);
        }
    }
    for (std::size_t i = 0; i < targets.size(); ++i) // the versions folder's files are not data files
        m_store.fileFingerprints[steps[i].target.string()] = steps[i].newFingerprint;
    afterChange(m_store, targets, true);
    return std::nullopt;
}

} // namespace tallyrock
