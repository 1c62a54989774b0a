#include "UndoLog.h"

#include "ChangeSet.h"
#include "CourseFile.h"
#include "FileLock.h"
#include "FileNames.h"
#include "LineReader.h"
#include "NumberText.h"
#include "ReadWhole.h"
#include "SafeText.h"
#include "SettingsFile.h"
#include "WhsFiles.h"

#include <algorithm>
#include <charconv>
#include <ctime>
#include <fstream>
#include <sys/stat.h>

namespace tallyrock {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view EntryMark = "tallyrock-undo-1";
constexpr std::string_view EntryExtension = ".undo";
constexpr std::size_t MaxLabelChars = 160;
// The lines before an entry's kept contents; far more than any change's list of files.
constexpr std::size_t MaxHeaderBytes = 64u << 10;
constexpr std::string_view RecordRound = "Record Round for ";

// One file of an entry: where it lives (D the data folder, S the settings
// folder), what it held before the change (nothing: it was not there) and the
// hash of what the change left (nothing: the change removed it).
struct KeptFile {
    char place = 'D';
    std::string name;
    std::optional<std::size_t> beforeSize;
    std::optional<std::string> before; // read only when the entry is read whole
    std::optional<std::uint64_t> after;
};

struct Entry {
    long number = 0;
    fs::path path;
    std::string label, time, by;
    std::vector<KeptFile> files;
};

fs::path placeFolder(const Store& store, char place) {
    return place == 'S' ? settingsFolder(store) : store.workDir;
}

std::string hexText(std::uint64_t value) {
    static const char digits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, value >>= 4)
        text[i] = digits[value & 15];
    return text;
}

template <typename T> std::optional<T> parsed(std::string_view text, int base = 10) {
    T value{};
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

std::string twoDigits(int value) {
    return (value < 10 ? "0" : "") + plainNumber(value);
}

std::string localTimeText() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return plainNumber(local.tm_year + 1900) + "-" + twoDigits(local.tm_mon + 1) + "-" +
           twoDigits(local.tm_mday) + " " + twoDigits(local.tm_hour) + ":" + twoDigits(local.tm_min);
}

// A label no line break or other control character gets into, of bounded length.
std::string safeLabel(std::string_view text) {
    return leftChars(keepSafeCharacters(text), MaxLabelChars);
}

std::string entryText(const Entry& entry) {
    std::string text = std::string(EntryMark) + "\n" + entry.label + "\n" + entry.time + "\n" + entry.by +
                       "\n" + plainNumber(static_cast<long long>(entry.files.size())) + "\n";
    for (const KeptFile& file : entry.files) {
        text += file.place;
        text += ' ';
        text += file.before ? plainNumber(static_cast<long long>(file.before->size())) : "-";
        text += ' ';
        text += file.after ? hexText(*file.after) : "-";
        text += ' ' + file.name + "\n";
    }
    for (const KeptFile& file : entry.files)
        if (file.before) text += *file.before;
    return text;
}

// The entry's lines; with `whole`, the kept contents as well. Nothing when the text is not an entry.
std::optional<Entry> parseEntry(std::string_view text, bool whole) {
    Entry entry;
    std::size_t at = 0;
    auto nextLine = [&](std::string& out) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) return false;
        out = std::string(text.substr(at, end - at));
        at = end + 1;
        return true;
    };
    std::string mark, count;
    if (!nextLine(mark) || mark != EntryMark || !nextLine(entry.label) || !nextLine(entry.time) ||
        !nextLine(entry.by) || !nextLine(count))
        return std::nullopt;
    auto files = parsed<std::size_t>(count);
    if (!files || *files > 10000) return std::nullopt;
    for (std::size_t i = 0; i < *files; ++i) {
        std::string line;
        if (!nextLine(line)) return std::nullopt;
        std::size_t first = line.find(' ');
        std::size_t second = first == std::string::npos ? first : line.find(' ', first + 1);
        std::size_t third = second == std::string::npos ? second : line.find(' ', second + 1);
        if (third == std::string::npos || first != 1 || (line[0] != 'D' && line[0] != 'S'))
            return std::nullopt;
        KeptFile file;
        file.place = line[0];
        std::string_view size = std::string_view(line).substr(first + 1, second - first - 1);
        std::string_view after = std::string_view(line).substr(second + 1, third - second - 1);
        file.name = line.substr(third + 1);
        if (size != "-" && !(file.beforeSize = parsed<std::size_t>(size))) return std::nullopt;
        if (after != "-" && !(file.after = parsed<std::uint64_t>(after, 16))) return std::nullopt;
        // A kept name never leads out of its folder.
        if (file.name.empty() || file.name == "." || file.name == ".." ||
            file.name.find('/') != std::string::npos)
            return std::nullopt;
        entry.files.push_back(std::move(file));
    }
    if (!whole) return entry;
    for (KeptFile& file : entry.files) {
        if (!file.beforeSize) continue;
        if (text.size() - at < *file.beforeSize) return std::nullopt;
        file.before = std::string(text.substr(at, *file.beforeSize));
        at += *file.beforeSize;
    }
    if (at != text.size()) return std::nullopt;
    return entry;
}

// The entry files in the folder with their numbers, newest first.
std::vector<std::pair<long, fs::path>> entryFiles(const fs::path& workDir) {
    std::vector<std::pair<long, fs::path>> found;
    std::error_code ec;
    for (auto it = fs::directory_iterator(versionsFolder(workDir), ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name.size() <= EntryExtension.size() || !name.ends_with(EntryExtension)) continue;
        if (auto number = parsed<long>(std::string_view(name).substr(0, name.size() - EntryExtension.size())))
            found.emplace_back(*number, it->path());
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    return found;
}

std::optional<Entry> readEntry(const std::pair<long, fs::path>& file, bool whole) {
    std::optional<std::string> text;
    if (whole) {
        text = readWhole(file.second, MaxVersionsBytes);
    } else {
        std::ifstream in(file.second, std::ios::binary);
        std::string head(MaxHeaderBytes, '\0');
        in.read(head.data(), static_cast<std::streamsize>(head.size()));
        head.resize(static_cast<std::size_t>(in.gcount()));
        text = std::move(head);
    }
    if (!text) return std::nullopt;
    std::optional<Entry> entry = parseEntry(*text, whole);
    if (entry) {
        entry->number = file.first;
        entry->path = file.second;
    }
    return entry;
}

// What the file holds now: nothing when it is not there; `unreadable` when it is there but cannot be read.
std::optional<std::string> contentNow(const fs::path& path, bool& unreadable) {
    struct stat st {};
    unreadable = false;
    if (::lstat(path.c_str(), &st) != 0) return std::nullopt;
    std::optional<std::string> text = readWhole(path, MaxCopiedFileSize);
    unreadable = !text;
    return text;
}

std::optional<std::uint64_t> hashOf(const std::optional<std::string>& content) {
    return content ? std::optional<std::uint64_t>(contentHash(*content)) : std::nullopt;
}

// Where a changed file belongs: the data folder (D), the settings folder (S) or neither.
// The program's data files: the league list, the settings, the courses, the
// World Handicap System's files, and the league and team files. Exports and
// printouts written in the data folder are no change to the data.
bool dataFileName(const std::string& name) {
    for (const char* file : {LeagueListFileName, SettingsFileName, CourseFileName, WhsTeesFileName,
                             WhsPccFileName, WhsSettingsFileName})
        if (equalsIgnoringCase(name, file)) return true;
    const std::string upper = upperCase(name);
    return upper.ends_with(".LGE") || upper.ends_with(".TEA");
}

std::optional<char> placeOf(const Store& store, const fs::path& target) {
    std::string name = target.filename().string();
    if (name.empty() || name.front() == '.' || !isSafeText(name))
        return std::nullopt; // hidden: the program's own
    if (!dataFileName(name)) return std::nullopt;
    std::error_code ec;
    if (fs::equivalent(target.parent_path(), store.workDir, ec)) return 'D';
    if (fs::equivalent(target.parent_path(), settingsFolder(store), ec)) return 'S';
    return std::nullopt;
}

bool sameFile(const std::string& noted, const fs::path& target) {
    return equalsIgnoringCase(noted, target.filename().string());
}

// The notes a change of these files saves: those of the files, and the names of the change itself.
bool savedBy(const PendingChange& note, const std::vector<fs::path>& targets) {
    return note.file.empty() || std::any_of(targets.begin(), targets.end(),
                                            [&](const fs::path& t) { return sameFile(note.file, t); });
}

std::vector<fs::path> targetsOf(const std::vector<ChangedFile>& files) {
    std::vector<fs::path> out;
    out.reserve(files.size());
    for (const ChangedFile& file : files)
        out.push_back(file.target);
    return out;
}

// The change's name: the names it was given, else the changes it saves
// (rounds counted together), else the files it writes.
std::string changeLabel(const Store& store, const std::vector<ChangedFile>& files,
                        const std::vector<fs::path>& changed) {
    const std::vector<fs::path> all = targetsOf(files);
    std::vector<std::string> named, saved;
    int rounds = 0;
    auto add = [](std::vector<std::string>& parts, const std::string& label) {
        if (std::find(parts.begin(), parts.end(), label) == parts.end()) parts.push_back(label);
    };
    for (const PendingChange& note : store.pendingChanges) {
        if (!savedBy(note, all)) continue;
        if (note.file.empty()) {
            add(named, note.label);
        } else if (note.round) {
            if (++rounds == 1) saved.push_back(note.label);
        } else {
            add(saved, note.label);
        }
    }
    if (rounds > 1)
        for (std::string& part : saved)
            if (part.starts_with(RecordRound)) part = "Record " + plainNumber(rounds) + " Rounds";
    std::vector<std::string>& parts = named.empty() ? saved : named;
    if (parts.empty()) {
        std::string names;
        for (const fs::path& file : changed)
            names += (names.empty() ? "" : ", ") + file.filename().string();
        return safeLabel("Change " + names);
    }
    std::string label;
    std::size_t shown = parts.size() > 3 ? 2 : parts.size();
    for (std::size_t i = 0; i < shown; ++i)
        label += (i ? ", " : "") + parts[i];
    if (shown < parts.size())
        label += " and " + plainNumber(static_cast<long long>(parts.size() - shown)) + " more changes";
    return safeLabel(label);
}

Message changedSince(const std::string& file, const std::string& label) {
    return {"Tallyrock",
            joinLines({file + " has been changed since \"" + label + "\",",
                       "so undoing it would lose that later change. No file was changed."}),
            Icon::Exclamation};
}

} // namespace

fs::path versionsFolder(const fs::path& workDir) {
    return workDir / VersionsFolderName;
}

std::uint64_t contentHash(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

Message nothingToUndo() {
    return {"Tallyrock", "There is nothing to undo.", Icon::Information};
}

void noteChange(Store& store, const std::string& file, const std::string& label) {
    store.pendingChanges.push_back({file, safeLabel(label), false});
}

void noteRoundRecorded(Store& store, const std::string& playerName) {
    store.pendingChanges.push_back(
        {store.league.LeagueFilePath, safeLabel(std::string(RecordRound) + playerName), true});
}

int unsavedRounds(const Store& store) {
    return static_cast<int>(std::count_if(store.pendingChanges.begin(), store.pendingChanges.end(),
                                          [](const PendingChange& note) { return note.round; }));
}

void forgetUnsavedRounds(Store& store) {
    std::erase_if(store.pendingChanges, [](const PendingChange& note) { return note.round; });
}

void forgetLeagueChanges(Store& store) {
    std::erase_if(store.pendingChanges, [](const PendingChange& note) {
        return !note.file.empty() && !leagueFileOf(note.file).empty();
    });
}

void forgetCourseChanges(Store& store) {
    std::erase_if(store.pendingChanges,
                  [](const PendingChange& note) { return equalsIgnoringCase(note.file, CourseFileName); });
}

void forgetChangeNames(Store& store) {
    std::erase_if(store.pendingChanges, [](const PendingChange& note) { return note.file.empty(); });
}

std::vector<UndoEntry> undoList(const Store& store) {
    std::vector<UndoEntry> list;
    for (const auto& file : entryFiles(store.workDir)) {
        if (list.size() == MaxUndoEntries) break;
        if (std::optional<Entry> entry = readEntry(file, false))
            list.push_back({entry->number, entry->label, entry->time, entry->by});
    }
    return list;
}

std::vector<VersionWrite> versionWrites(Store& store, const std::vector<ChangedFile>& files, bool recorded) {
    Entry entry;
    std::vector<fs::path> targets;
    bool dataFile = false;
    for (const ChangedFile& file : files) {
        std::optional<char> place = placeOf(store, file.target);
        if (!place) continue;
        bool unreadable = false;
        std::optional<std::string> before = contentNow(file.target, unreadable);
        if (unreadable) return {}; // what it held cannot be kept: the change lands without an entry
        if (hashOf(before) == file.newHash) continue; // written as it was: nothing to undo
        dataFile = dataFile || *place == 'D';
        targets.push_back(file.target);
        entry.files.push_back(
            {*place, file.target.filename().string(), std::nullopt, std::move(before), file.newHash});
    }
    if (!dataFile) return {};
    std::vector<std::pair<long, fs::path>> existing = entryFiles(store.workDir);
    std::vector<VersionWrite> writes;
    if (!recorded) {
        // The entries that left a file as it is now take this change's result
        // as theirs, so it never stands in the way of undoing them.
        auto carry = [&](Entry& kept) {
            bool changed = false;
            for (KeptFile& keptFile : kept.files)
                for (const KeptFile& now : entry.files)
                    if (keptFile.place == now.place && keptFile.name == now.name &&
                        keptFile.after == hashOf(now.before)) {
                        keptFile.after = now.after;
                        changed = true;
                    }
            return changed;
        };
        for (const auto& file : existing) {
            std::optional<Entry> head =
                readEntry(file, false); // the lines alone tell whether it is concerned
            if (!head || !carry(*head)) continue;
            std::optional<Entry> kept = readEntry(file, true);
            if (kept && carry(*kept)) writes.push_back({kept->path, entryText(*kept)});
        }
        return writes;
    }
    std::error_code ec;
    fs::create_directory(versionsFolder(store.workDir), ec);
    long number = existing.empty() ? 1 : existing.front().first + 1;
    std::string name = plainNumber(number);
    name = std::string(8 - std::min<std::size_t>(8, name.size()), '0') + name + std::string(EntryExtension);
    entry.label = changeLabel(store, files, targets);
    entry.time = localTimeText();
    entry.by = safeLabel(store.programName);
    writes.push_back({fs::absolute(versionsFolder(store.workDir)) / name, entryText(entry)});
    return writes;
}

void afterChange(Store& store, const std::vector<fs::path>& targets, bool landed) {
    std::erase_if(store.pendingChanges, [&](const PendingChange& note) {
        return note.file.empty() || (landed && savedBy(note, targets));
    });
    if (!landed) return;
    // The newest entries within both bounds stay; the newest stays whatever its size.
    std::uintmax_t total = 0;
    std::size_t kept = 0;
    for (const auto& file : entryFiles(store.workDir)) {
        std::error_code ec;
        std::uintmax_t size = fs::file_size(file.second, ec);
        if (!ec && (kept == 0 || (kept < MaxUndoEntries && total + size <= MaxVersionsBytes))) {
            total += size;
            ++kept;
            continue;
        }
        fs::remove(file.second, ec);
    }
}

Failure undoLastChange(Store& store, std::string* label) {
    ChangeSet change(store); // under the lock from the first read
    std::vector<std::pair<long, fs::path>> files = entryFiles(store.workDir);
    if (files.empty()) return nothingToUndo();
    std::optional<Entry> entry = readEntry(files.front(), true);
    if (!entry)
        return Message{"Tallyrock", "The newest change cannot be undone: its kept files cannot be read.",
                       Icon::Exclamation};
    std::vector<std::optional<std::string>> now;
    for (const KeptFile& file : entry->files) {
        bool unreadable = false;
        now.push_back(contentNow(placeFolder(store, file.place) / file.name, unreadable));
        if (unreadable || hashOf(now.back()) != file.after) return changedSince(file.name, entry->label);
    }
    for (std::size_t i = 0; i < entry->files.size(); ++i) {
        const KeptFile& file = entry->files[i];
        fs::path path = placeFolder(store, file.place) / file.name;
        // Checked against the entry just now: what this program read before does not matter.
        noteRead(store, path, now[i] ? std::optional<LineReader>(LineReader(*now[i])) : std::nullopt);
        bool written =
            file.before ? store.writer->writeFile(path, *file.before) : store.writer->removeFile(path);
        if (!written)
            return Message{
                "Tallyrock",
                joinLines({"The change could not be undone: " + file.name + " could not be written.",
                           "No file was changed."}),
                Icon::Exclamation};
    }
    change.setLabel("Undo " + entry->label);
    if (Failure failure = change.commit()) return failure;
    if (label) *label = entry->label;
    return std::nullopt;
}

} // namespace tallyrock
