// Changes that write several files land whole or not at all, a crash midway is
// finished by the next program, and no program overwrites what another wrote.
#include "store/ChangeSet.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"
#include "fakes/FailingWriter.h"
#include "roster/PlayerOps.h"
#include "store/CourseFile.h"
#include "store/FileLock.h"
#include "store/LeagueFile.h"
#include "store/SettingsFile.h"
#include "store/TeamFile.h"
#include "store/UndoLog.h"

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

// A league of four players with teams, saved.
struct TeamLeague {
    TempDir dir;
    Store store;
    TeamLeague() {
        store.workDir = dir.path();
        store.settingsDir = dir.path();
        store.league.LeagueFilePath = "Monday.LGE";
        fillLeague(store, 4, 3);
        fillTeams(store);
        EXPECT_FALSE(SaveTeamFile(store));
        EXPECT_FALSE(SaveLeagueFile(store));
    }
    // Another program's view of the same folder.
    std::unique_ptr<Store> other(const std::string& program) const {
        auto s = std::make_unique<Store>();
        s->workDir = dir.path();
        s->settingsDir = dir.path();
        s->programName = program;
        s->lockWait = std::chrono::milliseconds(50);
        return s;
    }
};

TEST(ChangeSet, AFailingSecondFileLeavesBothFilesAsTheyWere) {
    for (const char* failing : {"Monday.LGE", "Monday.tea", ".tallyrock.journal"}) {
        TeamLeague l;
        auto before = folderSnapshot(l.dir.path());
        l.store.player(2).PlayerName = "Changed";
        l.store.teams.PlayerTeam[2] = 2;
        l.store.writer = std::make_shared<FailingWriter>(failing);
        EXPECT_FALSE(saveRosterFiles(l.store, TeamFileSave::Always).empty()) << failing;
        EXPECT_EQ(folderSnapshot(l.dir.path()), before) << failing; // no temporary file left either
    }
}

TEST(ChangeSet, NestedChangesLandOnlyWithTheOuterOne) {
    TeamLeague l;
    auto before = folderSnapshot(l.dir.path());
    {
        ChangeSet outer(l.store);
        l.store.player(1).PlayerName = "Inner";
        EXPECT_FALSE(SaveLeagueFile(l.store)); // joins the outer change
        EXPECT_EQ(folderSnapshot(l.dir.path()).at("Monday.LGE"), before.at("Monday.LGE"));
    } // dropped
    EXPECT_EQ(folderSnapshot(l.dir.path()), before);
    {
        ChangeSet outer(l.store);
        EXPECT_FALSE(SaveLeagueFile(l.store));
        EXPECT_FALSE(SaveTeamFile(l.store));
        EXPECT_FALSE(outer.commit());
    }
    EXPECT_EQ(readFile(l.dir / "Monday.LGE"), leagueFileText(l.store.league));
    EXPECT_FALSE(fs::exists(journalPath(l.dir.path())));
}

// A journal as a program leaves it when it dies between two renames.
TEST(ChangeSet, AJournalLeftBehindIsFinishedOrDropped) {
    TeamLeague l;
    auto before = folderSnapshot(l.dir.path());
    FileWriter writer;
    auto stageBoth = [&] {
        auto a = writer.stage(l.dir / "Monday.LGE", "new league");
        auto b = writer.stage(l.dir / "Monday.tea", "new teams");
        return std::pair{*a, *b};
    };
    // Complete journal, first rename done: the next program renames the second.
    auto [league, teams] = stageBoth();
    std::string text = std::string("tallyrock-journal-1") + '\0' + "W" + '\0' + league.string() + '\0' +
                       (l.dir / "Monday.LGE").string() + '\0' + '\0' + "W" + '\0' + teams.string() + '\0' +
                       (l.dir / "Monday.tea").string() + '\0' + '\0' + "end" + '\0';
    writeFile(journalPath(l.dir.path()), text);
    fs::rename(league, l.dir / "Monday.LGE");
    EXPECT_TRUE(finishJournal(l.dir.path()));
    EXPECT_EQ(readFile(l.dir / "Monday.LGE"), "new league");
    EXPECT_EQ(readFile(l.dir / "Monday.tea"), "new teams");
    EXPECT_FALSE(fs::exists(journalPath(l.dir.path())));
    EXPECT_FALSE(finishJournal(l.dir.path()));

    // A journal cut short was never complete: no rename had started, the temporaries go.
    writeFile(l.dir / "Monday.LGE", before.at("Monday.LGE"));
    writeFile(l.dir / "Monday.tea", before.at("Monday.tea"));
    auto [league2, teams2] = stageBoth();
    writeFile(journalPath(l.dir.path()), std::string("tallyrock-journal-1") + '\0' + "W" + '\0' +
                                             league2.string() + '\0' + (l.dir / "Monday.LGE").string() +
                                             '\0' + '\0' + "W" + '\0' + teams2.string());
    EXPECT_TRUE(finishJournal(l.dir.path()));
    EXPECT_EQ(folderSnapshot(l.dir.path()), before);
}

// A child saves pairs of files over and over and is killed at a random moment;
// whatever the moment, the next program finds both files of one generation,
// and the newest change it can undo is the one that left them.
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
    Failure failure = SaveCourseFile(store);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->text, "The data files are being changed by Tallyrock (process 2).\r\n"
                             "Nothing was changed. Try again when it has finished.");
    EXPECT_FALSE(fs::exists(dir / "Course.dat"));
}

TEST(ChangeSet, NeverOverwritesWhatAnotherProgramWroteSinceItRead) {
    TeamLeague l;
    l.store.courses.CourseCount = 1;
    fillCourse(l.store.courses, 1, "Pine Hills");
    EXPECT_FALSE(SaveCourseFile(l.store));

    auto cli = l.other("tallyrock-cli");
    EXPECT_FALSE(LoadCourseFile(*cli));
    cli->courses.CourseCount = 2;
    fillCourse(cli->courses, 2, "Lakes");
    EXPECT_FALSE(SaveCourseFile(*cli));
    std::string written = readFile(l.dir / "course.dat");

    fillCourse(l.store.courses, 1, "Renamed");
    Failure failure = SaveCourseFile(l.store);
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->text.find("course.dat was changed by another program"), std::string::npos)
        << failure->text;
    EXPECT_EQ(readFile(l.dir / "course.dat"), written);
    // Read again, the change lands.
    EXPECT_FALSE(LoadCourseFile(l.store));
    fillCourse(l.store.courses, 1, "Renamed");
    EXPECT_FALSE(SaveCourseFile(l.store));
}

TEST(ChangeSet, ALeagueOpenInTheDesktopProgramIsNotChangedByAnother) {
    TeamLeague l;
    EXPECT_FALSE(holdLeagueOpen(l.store, "Monday.LGE"));
    auto before = folderSnapshot(l.dir.path());
    auto cli = l.other("tallyrock-cli");
    cli->league.LeagueFilePath = "monday.lge";
    ASSERT_FALSE(LoadLeagueFile(*cli));
    cli->player(1).PlayerName = "Behind its back";
    std::string expected =
        "Monday is open in Tallyrock (process " + std::to_string(getpid()) + "); close it there first.";
    for (Failure failure : {SaveLeagueFile(*cli), SaveTeamFile(*cli)}) {
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->text, expected);
    }
    EXPECT_EQ(folderSnapshot(l.dir.path()), before);
    // A second desktop program cannot open it either; the first still saves.
    auto second = l.other("Tallyrock");
    ASSERT_TRUE(holdLeagueOpen(*second, "MONDAY.LGE"));
    EXPECT_FALSE(holdLeagueOpen(*second, "Tuesday.LGE"));
    EXPECT_FALSE(SaveLeagueFile(l.store));
    // Let go, the league is free for others.
    letLeagueGo(l.store, "monday.lge");
    EXPECT_FALSE(SaveLeagueFile(*cli));
}

TEST(ChangeSet, StartUpRemovesOnlyOldTemporaryFiles) {
    TempDir dir;
    for (const char* name : {".Monday.LGE.tmpAbC123", ".vexa.dat.tmpzzzzzz", "keep.tmp123456"})
        writeFile(dir / name, "x");
    writeFile(dir / ".Course.dat.tmpNEW000", "x");
    for (const char* name : {".Monday.LGE.tmpAbC123", ".vexa.dat.tmpzzzzzz", "keep.tmp123456"})
        fs::last_write_time(dir / name, fs::file_time_type::clock::now() - std::chrono::hours(2));
    Store store = storeIn(dir.path());
    tidyDataFolder(store);
    EXPECT_FALSE(fs::exists(dir / ".Monday.LGE.tmpAbC123"));
    EXPECT_FALSE(fs::exists(dir / ".vexa.dat.tmpzzzzzz"));
    EXPECT_TRUE(fs::exists(dir / "keep.tmp123456"));
    EXPECT_TRUE(fs::exists(dir / ".Course.dat.tmpNEW000"));
}

} // namespace
