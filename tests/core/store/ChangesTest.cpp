// Changes to the data files: a failed save changes nothing and says why; changes of several files land
// whole or not at all, even across a crash, and no program overwrites what another wrote. Every change
// can be undone byte for byte, and the undo undone in turn.
#include "core/Samples.h"
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
#include "store/FileLock.h"
#include "store/LeagueFile.h"
#include "store/SettingsFile.h"
#include "store/TeamFile.h"
#include "store/UndoLog.h"
#include "utilities/Restore.h"
#include "views/LeagueOpening.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

// League "Monday" of four players with rounds and teams, listed, course "Pine Hills", settings, one change.
struct Folder {
    TempDir dir;
    Store store;
    Folder() {
        store.workDir = store.settingsDir = dir.path();
        store.league.LeagueFilePath = "Monday.LGE";
        fillLeague(store, 4, 3);
        fillTeams(store);
        store.courses.CourseCount = 1;
        fillCourse(store.courses, 1, "Pine Hills");
        SetDefaults(store.settings);
        store.settings.LeagueCount = 1;
        store.settings.LeagueList[1] = "Monday";
        ChangeSet start(store);
        EXPECT_FALSE(SaveLeagueList(store));
        EXPECT_TRUE(saveRosterFiles(store, TeamFileSave::Always).empty());
        EXPECT_FALSE(SaveCourseFile(store));
        EXPECT_TRUE(SaveSettings(store));
        EXPECT_FALSE(start.commit());
    }
    std::map<std::string, std::string> data() const { return folderSnapshot(dir.path()); }
    std::string newest() const {
        auto list = undoList(store);
        return list.empty() ? std::string() : list.front().label;
    }
    // Another program's view of the same folder.
    std::unique_ptr<Store> other(const std::string& program) const {
        auto s = std::make_unique<Store>();
        s->workDir = s->settingsDir = dir.path();
        s->programName = program;
        s->lockWait = std::chrono::milliseconds(50);
        return s;
    }
};

// Records a round of 40 and 41 for player p at the course; true when it landed.
bool recordRound(Store& s, int p) {
    s.CurrentPlayer = static_cast<int16_t>(p);
    s.CurrentCourse = 1;
    s.EditSlot = 0;
    HoleScores holes{};
    holes[OutSlot] = 40;
    holes[InSlot] = 41;
    return RoundRecorder(s).record(holes, 2).outcome == RecordOutcome::Recorded;
}

} // namespace

// Every save fails with its own message (the settings save silently); neither files nor tables change.
TEST(SaveFailure, InjectedWriteFailureKeepsEveryFileAndReturnsItsMessage) {
    Folder f;
    f.store.writer = std::make_shared<FailingWriter>();
    auto before = f.data();
    Store& s = f.store;
    s.player(1).PlayerName = s.teams.team[1].TeamName = "Changed";
    s.courses.CourseField[1][field::Name] = s.settings.LeagueList[1] = "Changed";
    s.settings.HcpMethod = 3;
    auto tables = [&] {
        return leagueFileText(s.league) + teamFileText(s.teams, s.league.PlayerCount) +
               courseFileText(s.courses) + leagueListText(s.settings) + settingsFileText(s.settings);
    };
    const std::string changed = tables();
    EXPECT_TRUE(
        isMessage(SaveLeagueFile(s), "Tallyrock", "Error Creating League Record File", Icon::Exclamation));
    EXPECT_TRUE(
        isMessage(SaveCourseFile(s), "Course Setup", "Unable to save settings to disk", Icon::Exclamation));
    EXPECT_TRUE(
        isMessage(SaveLeagueList(s), "Tallyrock", "Cannot Write vexa.dat, Please check disk write protect."));
    EXPECT_TRUE(isMessage(SaveTeamFile(s), "Tallyrock",
                          "Cannot Write Monday.tea, Please check disk write protect, freespace etc."));
    EXPECT_FALSE(SaveSettings(s));
    EXPECT_EQ(f.data(), before);
    EXPECT_EQ(tables(), changed);

    // The message names the file as it is spelt on disk.
    writeFile(f.dir / "FRIDAY.TEA", " 0 \r\n");
    s.league.LeagueFilePath = "Friday.LGE";
    EXPECT_TRUE(isMessage(SaveTeamFile(s), "Tallyrock",
                          "Cannot Write FRIDAY.TEA, Please check disk write protect, freespace etc."));
}

TEST(AtomicFileWriter, ReplacesTheFileKeepingItsPermissionsAndLeavesNoTemporaryFileWhenItFails) {
    TempDir dir;
    AtomicFileWriter writer;
    writeFile(dir / "a.dat", "old");
    fs::permissions(dir / "a.dat", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(writer.writeFile(dir / "a.dat", "new text"));
    EXPECT_EQ(fs::status(dir / "a.dat").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    // The rename fails: a folder stands where the file should go.
    fs::create_directory(dir / "taken.dat");
    EXPECT_FALSE(writer.writeFile(dir / "taken.dat", "text"));
    // The write fails part way: the largest file this process may write is lowered (root writes into
    // read-only folders), and SIGXFSZ ignored so the write returns an error instead.
    writeFile(dir / "big.dat", "old");
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old;
    limit.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_FALSE(writer.writeFile(dir / "big.dat", std::string(10000, 'x')));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
    // The folder does not exist.
    EXPECT_FALSE(writer.writeFile(dir / "none" / "a.dat", "text"));
    EXPECT_EQ(folderSnapshot(dir.path()),
              (std::map<std::string, std::string>{{"a.dat", "new text"}, {"big.dat", "old"}}));
    EXPECT_TRUE(fs::is_empty(dir / "taken.dat"));
}

TEST(ChangeSet, AFailingSecondFileLeavesBothFilesAsTheyWereAndNestedChangesLandOnlyWithTheOuterOne) {
    for (const char* failing : {"Monday.LGE", "Monday.tea", ".tallyrock.journal"}) {
        Folder f;
        auto before = f.data();
        f.store.player(2).PlayerName = "Changed";
        f.store.teams.PlayerTeam[2] = 2;
        f.store.writer = std::make_shared<FailingWriter>(failing);
        EXPECT_FALSE(saveRosterFiles(f.store, TeamFileSave::Always).empty()) << failing;
        EXPECT_EQ(f.data(), before) << failing;             // no temporary file left either
        EXPECT_EQ(undoList(f.store).size(), 1u) << failing; // nor an entry to undo
    }

    Folder f;
    auto before = f.data();
    {
        ChangeSet outer(f.store);
        f.store.player(1).PlayerName = "Inner";
        EXPECT_FALSE(SaveLeagueFile(f.store)); // joins the outer change
        EXPECT_EQ(f.data().at("Monday.LGE"), before.at("Monday.LGE"));
    } // dropped
    EXPECT_EQ(f.data(), before);
    {
        ChangeSet outer(f.store);
        EXPECT_FALSE(SaveLeagueFile(f.store));
        EXPECT_FALSE(SaveTeamFile(f.store));
        EXPECT_FALSE(outer.commit());
    }
    EXPECT_EQ(readFile(f.dir / "Monday.LGE"), leagueFileText(f.store.league));
    EXPECT_FALSE(fs::exists(journalPath(f.dir.path())));
}

// A journal as a program leaves it when it dies between two renames.
TEST(ChangeSet, AJournalLeftBehindIsFinishedOrDropped) {
    Folder f;
    auto before = f.data();
    FileWriter writer;
    auto journal = [&](bool complete) {
        std::string text = std::string("tallyrock-journal-1") + '\0';
        fs::path league = *writer.stage(f.dir / "Monday.LGE", "new league");
        fs::path teams = *writer.stage(f.dir / "Monday.tea", "new teams");
        text += std::string("W") + '\0' + league.string() + '\0' + (f.dir / "Monday.LGE").string() + '\0' +
                '\0' + "W" + '\0' + teams.string();
        if (complete)
            text += std::string(1, '\0') + (f.dir / "Monday.tea").string() + '\0' + '\0' + "end" + '\0';
        writeFile(journalPath(f.dir.path()), text);
        return league;
    };
    // Complete journal, first rename done: the next program renames the second.
    fs::rename(journal(true), f.dir / "Monday.LGE");
    EXPECT_TRUE(finishJournal(f.dir.path()));
    EXPECT_EQ(readFile(f.dir / "Monday.LGE") + readFile(f.dir / "Monday.tea"), "new leaguenew teams");
    EXPECT_FALSE(fs::exists(journalPath(f.dir.path())));
    EXPECT_FALSE(finishJournal(f.dir.path()));

    // A journal cut short was never complete: no rename had started, the temporaries go.
    writeFile(f.dir / "Monday.LGE", before.at("Monday.LGE"));
    writeFile(f.dir / "Monday.tea", before.at("Monday.tea"));
    journal(false);
    EXPECT_TRUE(finishJournal(f.dir.path()));
    EXPECT_EQ(f.data(), before);
}

// A child saves pairs of files over and over and is killed at a random moment; the next program finds
// both files of one generation, and the newest change it can undo is the one that left them.
TEST(ChangeSet, KilledMidwayLeavesNoMixedPair) {
    TempDir dir;
    std::mt19937 random(7);
    int mixed = 0;
    int notUndoable = 0;
    for (int round = 0; round < 25; ++round) {
        pid_t child = fork();
        if (child == 0) {
            Store store = storeIn(dir.path());
            for (int generation = 0;; ++generation) {
                ChangeSet change(store);
                std::string text = "generation " + std::to_string(generation) + std::string(20000, 'x');
                store.writer->writeFile(dir / "A.LGE", text);
                store.writer->writeFile(dir / "A.tea", text);
                if (change.commit()) _exit(3);
            }
        }
        usleep(2000 + random() % 20000);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        Store next = storeIn(dir.path());
        tidyDataFolder(next);
        if (fs::exists(dir / "A.LGE") && readFile(dir / "A.LGE") != readFile(dir / "A.tea")) ++mixed;
        if (!undoList(next).empty() && undoLastChange(next)) ++notUndoable;
    }
    EXPECT_EQ(mixed, 0);
    EXPECT_EQ(notUndoable, 0);
}

TEST(FileLock, ASecondProgramWaitsThenNamesTheHolder) {
    TempDir dir;
    fs::path path = folderLockPath(dir.path());
    auto held = FileLock::acquire(path, "Tallyrock (process 1)", std::chrono::milliseconds(0));
    ASSERT_TRUE(held);
    std::string holder;
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(FileLock::acquire(path, "tallyrock-cli", std::chrono::milliseconds(200), &holder));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_EQ(holder, "Tallyrock (process 1)");
    EXPECT_TRUE(lockedElsewhere(path));
    held->release();
    EXPECT_FALSE(lockedElsewhere(path));
    EXPECT_TRUE(FileLock::acquire(path, "tallyrock-cli", std::chrono::milliseconds(0)));

    // A change that cannot get the lock writes nothing and says who holds it.
    Store store = storeIn(dir.path());
    store.lockWait = std::chrono::milliseconds(20);
    auto again = FileLock::acquire(path, "Tallyrock (process 2)", std::chrono::milliseconds(0));
    EXPECT_EQ(SaveCourseFile(store).value_or(Message{}).text,
              "The data files are being changed by Tallyrock (process 2).\r\n"
              "Nothing was changed. Try again when it has finished.");
    EXPECT_FALSE(fs::exists(dir / "Course.dat"));
}

TEST(ChangeSet, NeverOverwritesWhatAnotherProgramWroteSinceItReadNorALeagueOpenInTheDesktopOne) {
    Folder f;
    auto cli = f.other("tallyrock-cli");
    EXPECT_FALSE(LoadCourseFile(*cli));
    cli->courses.CourseCount = 2;
    fillCourse(cli->courses, 2, "Lakes");
    EXPECT_FALSE(SaveCourseFile(*cli));
    std::string written = readFile(f.dir / "course.dat");

    fillCourse(f.store.courses, 1, "Renamed");
    const std::string conflict = SaveCourseFile(f.store).value_or(Message{}).text;
    EXPECT_NE(conflict.find("course.dat was changed by another program"), std::string::npos) << conflict;
    EXPECT_EQ(readFile(f.dir / "course.dat"), written);
    // Read again, the change lands.
    EXPECT_FALSE(LoadCourseFile(f.store));
    fillCourse(f.store.courses, 1, "Renamed");
    EXPECT_FALSE(SaveCourseFile(f.store));

    // A league open in the desktop program is not changed by another.
    EXPECT_FALSE(holdLeagueOpen(f.store, "Monday.LGE"));
    auto before = f.data();
    cli->league.LeagueFilePath = "monday.lge";
    ASSERT_FALSE(LoadLeagueFile(*cli));
    cli->player(1).PlayerName = "Behind its back";
    std::string expected =
        "Monday is open in Tallyrock (process " + std::to_string(getpid()) + "); close it there first.";
    for (Failure failure : {SaveLeagueFile(*cli), SaveTeamFile(*cli)})
        EXPECT_EQ(failure.value_or(Message{}).text, expected);
    EXPECT_EQ(f.data(), before);
    // A second desktop program cannot open it either; the first still saves.
    auto second = f.other("Tallyrock");
    ASSERT_TRUE(holdLeagueOpen(*second, "MONDAY.LGE"));
    EXPECT_FALSE(holdLeagueOpen(*second, "Tuesday.LGE"));
    EXPECT_FALSE(SaveLeagueFile(f.store));
    // Let go, the league is free for others.
    letLeagueGo(f.store, "monday.lge");
    EXPECT_FALSE(SaveLeagueFile(*cli));
}

TEST(ChangeSet, StartUpRemovesOnlyOldTemporaryFiles) {
    TempDir dir;
    for (const char* name : {".Monday.LGE.tmpAbC123", ".vexa.dat.tmpzzzzzz", "keep.tmp123456"}) {
        writeFile(dir / name, "x");
        fs::last_write_time(dir / name, fs::file_time_type::clock::now() - std::chrono::hours(2));
    }
    writeFile(dir / ".Course.dat.tmpNEW000", "x");
    Store store = storeIn(dir.path());
    tidyDataFolder(store);
    std::map<std::string, std::string> left = {{"keep.tmp123456", "x"}, {".Course.dat.tmpNEW000", "x"}};
    EXPECT_EQ(folderSnapshot(dir.path()), left);
}

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
    auto roster = [](Store& s) { return saveRosterFiles(s, TeamFileSave::Always).empty(); };
    const std::pair<std::string, std::function<bool(Store&)>> cases[] = {
        {"Add Player Ann Lee",
         [&](Store& s) { return addPlayer(s, "Ann Lee", 2) == AddPlayerResult::Added && roster(s); }},
        {"Rename Player Player, Number 1 to Ann Lee",
         [&](Store& s) {
             renamePlayer(s, 1, "Ann Lee");
             return roster(s);
         }},
        {"Record Round for Player, Number 3",
         [&](Store& s) { return recordRound(s, 3) && !RoundRecorder(s).FinishEntry(); }},
        {"Record 2 Rounds",
         [&](Store& s) { return recordRound(s, 3) && recordRound(s, 4) && !RoundRecorder(s).FinishEntry(); }},
        {"Add Player Ann Lee, Add Player Bob Ray and 2 more changes",
         [&](Store& s) {
             for (const char* name : {"Ann Lee", "Bob Ray", "Cy Dunn", "Di Fox"})
                 addPlayer(s, name, 2);
             return roster(s);
         }},
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
    for (const auto& [label, change] : cases) {
        Folder f;
        ASSERT_TRUE(change(f.store)) << label;
        EXPECT_EQ(undoList(f.store).size(), label.empty() ? 1u : 2u) << label;
        EXPECT_TRUE(label.empty() || f.newest() == label) << f.newest() << " for " << label;
        EXPECT_EQ(unsavedRounds(f.store), 0) << label;
    }
}

TEST(Undo, KeepsTheLastTwentyChangesAndIsRefusedWhenAFileChangedSince) {
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

    writeFile(f.dir / "course.dat", "edited by hand\r\n");
    auto before = f.data();
    EXPECT_EQ(undoLastChange(f.store).value_or(Message{}).text,
              "course.dat has been changed since \"Edit Course 25\",\r\n"
              "so undoing it would lose that later change. No file was changed.");
    EXPECT_EQ(f.data(), before);
}

// Opening a league writes the league list but is no change of its own, nor blocks undoing its creation.
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
    ASSERT_TRUE(recordRound(f.store, 1) && recordRound(f.store, 2));
    EXPECT_EQ(unsavedRounds(f.store), 2);
    EXPECT_EQ(unsavedRoundsQuestion(2).text,
              "2 rounds recorded this evening are not saved yet. Save them now?");
    EXPECT_EQ(unsavedRoundsQuestion(1).text, "1 round recorded this evening is not saved yet. Save it now?");
    EXPECT_FALSE(SaveCourseFile(f.store)); // another file's save leaves them unsaved
    EXPECT_EQ(unsavedRounds(f.store), 2);
    ASSERT_FALSE(LoadLeagueFile(f.store));
    EXPECT_EQ(unsavedRounds(f.store), 0);
}

// Backup does not copy the versions folder, restore and tidying leave it; the restore is undoable.
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
