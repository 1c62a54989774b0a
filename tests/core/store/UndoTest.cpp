// Every change that writes data files can be undone: the files come back byte
// for byte, the undo is listed and can be undone in turn, the list keeps the
// last 20, and a file changed since by something the list does not hold is
// never overwritten.
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"
#include "fakes/FailingWriter.h"
#include "handicap/RoundRecorder.h"
#include "roster/CourseOps.h"
#include "roster/LeagueOps.h"
#include "roster/PlayerOps.h"
#include "roster/RosterChanges.h"
#include "store/ChangeSet.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "store/SettingsFile.h"
#include "store/TeamFile.h"
#include "store/UndoLog.h"
#include "utilities/Restore.h"
#include "views/LeagueOpening.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

// League "Monday" of four players with rounds and teams, listed, and one course.
struct Folder {
    TempDir dir;
    Store store;
    Folder() {
        store.workDir = dir.path();
        store.settingsDir = dir / "config";
        store.settings.LeagueCount = 1;
        store.settings.LeagueList[1] = "Monday";
        store.league.LeagueFilePath = "Monday.LGE";
        fillLeague(store, 4, 3);
        fillTeams(store);
        store.courses.CourseCount = 1;
        fillCourse(store.courses, 1, "Pine Hills");
        ChangeSet start(store);
        EXPECT_FALSE(SaveLeagueList(store));
        EXPECT_TRUE(saveRosterFiles(store, TeamFileSave::Always).empty());
        EXPECT_FALSE(SaveCourseFile(store));
        EXPECT_FALSE(start.commit());
    }
    std::map<std::string, std::string> data() const { return folderSnapshot(dir.path()); }
    std::string newest() const {
        auto list = undoList(store);
        return list.empty() ? std::string() : list.front().label;
    }
};

TEST(Undo, ARemovedPlayerComesBackByteForByteAndTheUndoIsUndoneInTurn) {
    Folder f;
    auto before = f.data();
    removePlayer(f.store, 2);
    ASSERT_TRUE(saveRosterFiles(f.store, TeamFileSave::Always).empty());
    auto removed = f.data();
    ASSERT_NE(removed, before);
    std::vector<UndoEntry> list = undoList(f.store);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].label, "Remove Player Player, Number 2");
    EXPECT_EQ(list[0].by, "Tallyrock");
    EXPECT_EQ(list[0].time.size(), std::string("2026-06-05 21:14").size());

    std::string undone;
    EXPECT_FALSE(undoLastChange(f.store, &undone));
    EXPECT_EQ(undone, "Remove Player Player, Number 2");
    EXPECT_EQ(f.data(), before);
    EXPECT_EQ(f.newest(), "Undo Remove Player Player, Number 2");
    EXPECT_FALSE(undoLastChange(f.store));
    EXPECT_EQ(f.data(), removed);
    EXPECT_EQ(f.newest(), "Undo Undo Remove Player Player, Number 2");
}

// Each operation names its change in the user's words.
TEST(Undo, OperationsNameTheirChanges) {
    struct Case {
        std::string label;
        std::function<bool(Store&)> change; // true when it landed
    };
    auto roster = [](Store& s) { return saveRosterFiles(s, TeamFileSave::Always).empty(); };
    auto record = [](Store& s, int p) {
        s.CurrentPlayer = static_cast<int16_t>(p);
        s.CurrentCourse = 1;
        s.EditSlot = 0;
        HoleScores holes{};
        holes[OutSlot] = 40;
        holes[InSlot] = 41;
        return RoundRecorder(s).record(holes, 2).outcome == RecordOutcome::Recorded;
    };
    const Case cases[] = {
        {"Add Player Ann Lee",
         [&](Store& s) { return addPlayer(s, "Ann Lee", 2) == AddPlayerResult::Added && roster(s); }},
        {"Rename Player Player, Number 1 to Ann Lee",
         [&](Store& s) {
             renamePlayer(s, 1, "Ann Lee");
             return roster(s);
         }},
        {"Record Round for Player, Number 3",
         [&](Store& s) { return record(s, 3) && !RoundRecorder(s).FinishEntry(); }},
        {"Record 2 Rounds",
         [&](Store& s) { return record(s, 3) && record(s, 4) && !RoundRecorder(s).FinishEntry(); }},
        {"Delete Course Pine Hills", [](Store& s) { return !deleteCourse(s, 1); }},
        {"Create League Tuesday", [](Store& s) { return createLeague(s, "Tuesday").messages.empty(); }},
        {"Delete League Monday", [](Store& s) { return deleteLeague(s, "Monday").messages.empty(); }},
        {"Change Monday.LGE",
         [](Store& s) {
             s.player(1).PlayerTee = 3;
             return !SaveLeagueFile(s);
         }},
        {"", [&](Store& s) { return roster(s); }}, // written as it was: no entry
    };
    for (const Case& c : cases) {
        Folder f;
        ASSERT_TRUE(c.change(f.store)) << c.label;
        EXPECT_EQ(undoList(f.store).size(), c.label.empty() ? 1u : 2u) << c.label;
        if (!c.label.empty()) {
            EXPECT_EQ(f.newest(), c.label);
        }
        EXPECT_EQ(unsavedRounds(f.store), 0) << c.label;
    }
}

TEST(Undo, RefusedWhenAFileChangedSince) {
    Folder f;
    // A change that does not land keeps no entry either.
    f.store.writer = std::make_shared<FailingWriter>(".tallyrock.journal");
    removePlayer(f.store, 1);
    EXPECT_FALSE(saveRosterFiles(f.store, TeamFileSave::Always).empty());
    EXPECT_EQ(undoList(f.store).size(), 1u);
    f.store.writer = std::make_shared<FileWriter>();
    ASSERT_FALSE(LoadLeagueFile(f.store));

    ASSERT_FALSE(deleteCourse(f.store, 1));
    writeFile(f.dir / "course.dat", "edited by hand\r\n");
    auto before = folderSnapshot(f.dir.path());
    Failure failure = undoLastChange(f.store);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->text, "course.dat has been changed since \"Delete Course Pine Hills\",\r\n"
                             "so undoing it would lose that later change. No file was changed.");
    EXPECT_EQ(folderSnapshot(f.dir.path()), before);
}

TEST(Undo, KeepsTheLastTwentyChanges) {
    Folder f;
    for (int i = 1; i <= 25; ++i) {
        fillCourse(f.store.courses, 1, "Course " + std::to_string(i));
        noteChange(f.store, CourseFileName, "Edit Course " + std::to_string(i));
        ASSERT_FALSE(SaveCourseFile(f.store));
    }
    auto list = undoList(f.store);
    ASSERT_EQ(list.size(), MaxUndoEntries);
    EXPECT_EQ(list.front().label, "Edit Course 25");
    EXPECT_EQ(list.back().label, "Edit Course 6");
    EXPECT_EQ(std::distance(fs::directory_iterator(versionsFolder(f.dir.path())), fs::directory_iterator()),
              20);
}

// Opening another league writes the league list, but is no change of its own
// and does not stand in the way of undoing the league's creation.
TEST(Undo, OpeningALeagueIsNoEntryAndKeepsTheCreationUndoable) {
    Folder f;
    auto before = f.data();
    ASSERT_TRUE(createLeague(f.store, "Tuesday").messages.empty());
    std::string created = readFile(f.dir / "vexa.dat");
    ASSERT_EQ(OpenLeague(f.store, 1, "Tuesday").outcome, OpenOutcome::Opened);
    ASSERT_NE(readFile(f.dir / "vexa.dat"), created);
    EXPECT_EQ(f.newest(), "Create League Tuesday");
    letLeagueGo(f.store, "Tuesday.LGE");
    EXPECT_FALSE(undoLastChange(f.store));
    EXPECT_EQ(f.data(), before);
}

// Rounds recorded and not saved are counted until a save writes them or a load replaces them.
TEST(Undo, UnsavedRoundsAreCountedUntilSavedOrReplaced) {
    Folder f;
    f.store.CurrentCourse = 1;
    HoleScores holes{};
    holes[OutSlot] = 40;
    holes[InSlot] = 41;
    for (int p : {1, 2}) {
        f.store.CurrentPlayer = static_cast<int16_t>(p);
        ASSERT_EQ(RoundRecorder(f.store).record(holes, 2).outcome, RecordOutcome::Recorded);
    }
    EXPECT_EQ(unsavedRounds(f.store), 2);
    EXPECT_EQ(unsavedRoundsQuestion(2).text,
              "2 rounds recorded this evening are not saved yet. Save them now?");
    EXPECT_EQ(unsavedRoundsQuestion(1).text, "1 round recorded this evening is not saved yet. Save it now?");
    EXPECT_FALSE(SaveCourseFile(f.store)); // another file's save leaves them unsaved
    EXPECT_EQ(unsavedRounds(f.store), 2);
    ASSERT_FALSE(LoadLeagueFile(f.store));
    EXPECT_EQ(unsavedRounds(f.store), 0);
}

// The versions folder is the program's own: backup does not copy it, restore
// and the start-up tidying leave it, and the restore is itself undoable.
TEST(Undo, BackupRestoreAndTidyingLeaveTheVersionsAlone) {
    Folder f;
    ASSERT_FALSE(deleteCourse(f.store, 1));
    TempDir root;
    ASSERT_FALSE(BackupDataFiles(f.store, root.path()));
    for (const auto& [name, content] : folderSnapshot(root.path()))
        EXPECT_EQ(name.find(VersionsFolderName), std::string::npos) << name;
    auto deleted = f.data();
    f.store.courses.CourseCount = 1;
    fillCourse(f.store.courses, 1, "Lakes");
    ASSERT_FALSE(SaveCourseFile(f.store));
    ASSERT_FALSE(RestoreDataFiles(f.store, backupFolder(root.path())));
    tidyDataFolder(f.store);
    auto list = undoList(f.store);
    ASSERT_GE(list.size(), 3u);
    EXPECT_EQ(list[0].label, "Restore Data Files");
    EXPECT_EQ(list[2].label, "Delete Course Pine Hills");
    EXPECT_FALSE(undoLastChange(f.store));
    EXPECT_EQ(readFile(f.dir / "course.dat"), courseFileText(f.store.courses));
    EXPECT_NE(f.data(), deleted);
}

} // namespace
