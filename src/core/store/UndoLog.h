#pragma once
// The changes that can be undone. A change that writes data files keeps, in
// a hidden folder of the data folder, what each of those files held before it
// and a line naming it ("Remove Player Mary O'Hara"), as one more file of the
// same all-or-nothing change. Undoing the newest puts the files back through
// a change of its own, which is listed in turn and can itself be undone. The
// folder keeps the last 20 changes within a bound on its size.

#include "Message.h"
#include "Store.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallyrock {

inline constexpr const char* VersionsFolderName = ".tallyrock-versions";
inline constexpr std::size_t MaxUndoEntries = 20;
inline constexpr std::uintmax_t MaxVersionsBytes = 64u << 20;

std::filesystem::path versionsFolder(const std::filesystem::path& workDir);

// Notes a change of the tables in memory that `file` (a data file's name)
// will hold once saved; the save that writes the file is named after it.
void noteChange(Store& store, const std::string& file, const std::string& label);
// A round recorded in score entry for the open league's player.
void noteRoundRecorded(Store& store, const std::string& playerName);
// Rounds recorded that no save has written yet.
int unsavedRounds(const Store& store);
// Forgets the rounds not saved, when the user chose to drop them.
void forgetUnsavedRounds(Store& store);
// A load replaced the tables: what they held unsaved is gone.
void forgetLeagueChanges(Store& store);
void forgetCourseChanges(Store& store);

// One change that can be undone, as the list shows it.
struct UndoEntry {
    long number = 0;   // grows with each change: tells two entries apart
    std::string label; // "Remove Player Mary O'Hara"
    std::string time;  // "2026-06-05 21:14", local time
    std::string by;    // the program that made it: "Tallyrock" or "tallyrock-cli"
};
// The changes that can be undone, newest first.
std::vector<UndoEntry> undoList(const Store& store);

// Undoes the newest change: every file it wrote or removed is put back as it
// was before it, as one change named "Undo " and its label. Refused, with no
// file changed, when there is none or a file was changed since by something
// the list does not hold. `label` gets the label of the change undone.
Failure undoLastChange(Store& store, std::string* label = nullptr);
Message nothingToUndo();

// For ChangeSet: the files of a change that is about to land, and the writes
// to the versions folder that land with it.
struct ChangedFile {
    std::filesystem::path target;         // absolute
    std::optional<std::uint64_t> newHash; // nothing: the file is removed
};
struct VersionWrite {
    std::filesystem::path target;
    std::string content;
};
// `recorded`: the change is an entry of its own; otherwise (the league chosen
// to be open) the entries whose files it changes take its result as theirs.
std::vector<VersionWrite> versionWrites(Store& store, const std::vector<ChangedFile>& files, bool recorded);
// After the change: the notes it saved (or that only named it) are done
// with, and the oldest entries beyond the bounds go.
void afterChange(Store& store, const std::vector<std::filesystem::path>& targets, bool landed);
// Drops the names given by changes under way (a change dropped whole).
void forgetChangeNames(Store& store);

// A content's hash as the entries keep it (the same on every build).
std::uint64_t contentHash(std::string_view text);

} // namespace tallyrock
