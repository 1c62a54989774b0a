// Start-up (settings, league list, league menu) and opening a league.
#include "views/StartUp.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "fakes/FailingWriter.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "store/SettingsFile.h"
#include "views/LeagueOpening.h"

#include <gtest/gtest.h>

namespace tallyrock::test {
namespace {

using Names = std::vector<std::string>;

// The league list of three leagues with this current one.
std::string list(const std::string& current) {
    return crlf({" 3 ", "Monday", "Friday", "Seniors", " .96 ", "Courier New", " 1 ", current, " 1 ", " 0 "});
}

struct StartUpTest : ::testing::Test {
    StartUpTest() {
        store.workDir = dir.path();
        store.settingsDir = dir / "config";
    }
    TempDir dir;
    Store store;
};

// A missing league list beside data files is a warning; an empty one leaves no entries.
TEST_F(StartUpTest, AFolderWithoutDataFilesIsAFirstStartNotAFailure) {
    writeFile(dir / "notes.txt", "a file of the user's own");
    StartUpResult first = loadAtStartUp(store);
    EXPECT_FALSE(first.listFailure);
    EXPECT_TRUE(first.firstStart);
    EXPECT_EQ(first.leagueMenu, Names{NoEntries});
    for (const char* name : {"COURSE.DAT", "Club.lge", "club.TEA", "Vexa.Dat"}) {
        TempDir other;
        writeFile(other / name, "");
        EXPECT_FALSE(holdsNoDataFile(other.path())) << name;
    }
    EXPECT_TRUE(holdsNoDataFile(dir / "not made yet"));

    writeFile(dir / "course.dat", " 0 \r\n"); // data files, but no league list: the warning stays
    StartUpResult missing = loadAtStartUp(store);
    EXPECT_FALSE(missing.firstStart);
    EXPECT_TRUE(missing.listFailure);
    EXPECT_EQ(missing.leagueMenu, Names{NoEntries});

    writeFile(dir / "vexa.dat", crlf({" 0 ", " .9 ", "Arial", " 1 ", " 0 ", " 1 ", " 0 "}));
    StartUpResult none = loadAtStartUp(store);
    EXPECT_FALSE(none.listFailure);
    EXPECT_EQ(none.leagueMenu, Names{NoEntries});
    EXPECT_EQ(store.settings.FontName, "Arial");
}

// Three leagues, Friday current; Monday and Friday have their files, Seniors none.
TEST_F(StartUpTest, TheCurrentLeagueOpensWithoutRewritingTheListAnotherRewritesIt) {
    writeFile(dir / "vexa.dat", list(" 1 "));
    ASSERT_EQ(loadAtStartUp(store).leagueMenu, (Names{"Monday", "Friday", "Seniors"}));
    EXPECT_TRUE(store.league.LeagueFilePath.empty());
    Store files = storeIn(dir.path());
    setCourse(files, 1, "Pine Creek Club", "PCC");
    ASSERT_FALSE(SaveCourseFile(files));
    for (const char* league : {"Monday", "Friday"}) {
        files.league = LeagueTables{};
        files.league.LeagueFilePath = std::string(league) + ".LGE";
        addRound(files, addSamplePlayer(files, std::string(league) + " player"), RoundSample{});
        ASSERT_FALSE(SaveLeagueFile(files));
    }
    auto writer = std::make_shared<FailingWriter>("no file has this name");
    store.writer = writer;
    EXPECT_EQ(OpenLeague(store, 0, NoEntries).outcome, OpenOutcome::Refused);
    EXPECT_TRUE(store.league.LeagueFilePath.empty());

    LeagueOpening opening = OpenLeague(store, 1, "Friday");
    EXPECT_EQ(opening.outcome, OpenOutcome::Opened);
    EXPECT_TRUE(opening.messages.empty());
    EXPECT_FALSE(opening.listSaved);
    EXPECT_TRUE(writer->targets.empty());
    EXPECT_EQ(store.player(1).PlayerName, "Friday player");
    EXPECT_EQ(store.courses.name(1), "Pine Creek Club");
    EXPECT_EQ(currentLeagueText(store), "Current League - Friday");

    EXPECT_TRUE(OpenLeague(store, 0, "Monday").listSaved);
    EXPECT_EQ(writer->targets, Names{"vexa.dat"});
    EXPECT_EQ(readFile(dir / "vexa.dat"), list(" 0 "));
    EXPECT_EQ(store.league.LeagueFilePath, "Monday.LGE");
    EXPECT_EQ(store.player(1).PlayerName, "Monday player");

    // A league whose files cannot be read still opens, with the failure said.
    std::filesystem::remove(dir / "course.dat");
    LeagueOpening seniors = OpenLeague(store, 2, "Seniors");
    EXPECT_EQ(seniors.outcome, OpenOutcome::Opened);
    ASSERT_EQ(seniors.messages.size(), 2u);
    EXPECT_EQ(seniors.messages[0].text, leagueLoadFailure().text);
    EXPECT_EQ(seniors.messages[1].title, "Loading...");
    EXPECT_TRUE(seniors.listSaved);
    EXPECT_EQ(store.settings.CurrentLeague, 2);
}

} // namespace
} // namespace tallyrock::test
