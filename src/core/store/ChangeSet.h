#pragma once
// The one path every change to the data files takes. A ChangeSet holds the
// data folder's lock, collects what the change writes and removes, and lands
// it whole or not at all: each new content goes to a synced temporary file
// first, the renames and removals are recorded in a journal, then carried
// out. A journal left by a process that died midway is finished by the next
// program that takes the lock. ChangeSets nest: an inner one joins the outer.

#include "FileWriter.h"
#include "LineReader.h"
#include "Message.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace tallyrock {

struct Store;
class FileLock;
class StagingWriter;

class ChangeSet {
  public:
    // `label` names the change in the list of changes that can be undone
    // (UndoLog.h), in the user's words; an inner change's label names the outer one.
    explicit ChangeSet(Store& store, std::string label = {});
    ChangeSet(const ChangeSet&) = delete;
    ChangeSet& operator=(const ChangeSet&) = delete;
    // A change that was not committed leaves every file as it was.
    ~ChangeSet();

    // Lands the change. Nothing on success; otherwise the reason, and no file changed.
    Failure commit();

    void setLabel(std::string label) { m_label = std::move(label); }
    // Choosing which league is open is no change to undo: this change gets no
    // entry of its own, and the entries whose files it changes take its result.
    void leaveOutOfUndo() { m_unrecorded = true; }

  private:
    void finish();

    Store& m_store;
    std::string m_label;
    bool m_outer = false;
    bool m_done = false;
    bool m_unrecorded = false;
    std::shared_ptr<FileWriter> m_previous;
    std::shared_ptr<StagingWriter> m_staging;
    std::unique_ptr<FileLock> m_lock;
    Failure m_lockFailure;
};

// Runs `change` as one ChangeSet and commits it when the change itself succeeded.
template <typename F> Failure applyChange(Store& store, std::string label, F&& change) {
    ChangeSet set(store, std::move(label));
    if (Failure failure = change()) return failure;
    return set.commit();
}
template <typename F> Failure applyChange(Store& store, F&& change) {
    return applyChange(store, std::string(), std::forward<F>(change));
}

// Remembers what a loaded data file held (nothing: it was not there), so a
// later change never silently overwrites what another program wrote since.
void noteRead(Store& store, const std::filesystem::path& path, const std::optional<LineReader>& reader);

// At start: finishes a change a crashed program left in its journal and removes
// temporary files of interrupted saves older than an hour, in the data folder,
// its folder of earlier versions and the settings folder.
void tidyDataFolder(Store& store);

// Finishes (or, when it was never complete, drops) the journal in the folder. True when there was one.
bool finishJournal(const std::filesystem::path& workDir);

std::filesystem::path journalPath(const std::filesystem::path& workDir);

// Marks the league as open in this program, for as long as it stays open here
// (the league open before is let go). Refuses when another program has it open.
Failure holdLeagueOpen(Store& store, const std::string& leagueFileName);
// Lets the league go when it is the one this program holds open.
void letLeagueGo(Store& store, const std::string& leagueFileName);

// The refusals of a change that other programs stand in the way of.
Message folderBusy(const std::string& holder);
Message leagueOpenElsewhere(const std::string& league, const std::string& holder);

} // namespace tallyrock
