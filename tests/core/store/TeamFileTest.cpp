// The team point file: layout, reading as far as it goes, and ReloadTeams.
#include "store/TeamFile.h"
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

Store leagueIn(const TempDir& dir, int players) {
    Store store;
    store.workDir = dir.path();
    store.league.LeagueFilePath = "Monday.LGE";
    store.league.PlayerCount = static_cast<int16_t>(players);
    return store;
}

} // namespace

TEST(TeamFile, NameFollowsTheLeagueFile) {
    EXPECT_EQ(teamFileName("Monday.LGE"), "Monday.tea");
    EXPECT_EQ(teamFileName("A.b.LGE"), "A.b.tea");
}

TEST(TeamFile, ThreePlayersWithoutTeamsAreFourLines) {
    TempDir dir;
    Store store = leagueIn(dir, 3);
    ASSERT_FALSE(SaveTeamFile(store));
    EXPECT_EQ(readFile(dir / "Monday.tea"), crlf({" 0 ", " 0 ", " 0 ", " 0 "}));
}

TEST(TeamFile, TwoTeamsAndFourPlayersAreFifteenLinesAndReadBack) {
    TempDir dir;
    Store store = leagueIn(dir, 4);
    fillTeams(store);
    ASSERT_FALSE(SaveTeamFile(store));
    std::string text = readFile(dir / "Monday.tea");
    EXPECT_EQ(text, crlf({" 2 ", "Eagles, North", "Birdies", " 1 ", " 2 ", " 0 ", " 1 ", " 2 ",
                          "Week 1, 05-02", " 12.5 ", " 3 ", "Week 2", "-1.5 ", " .5 ", " 0 "}));

    Store back = leagueIn(dir, 4);
    ReloadTeams(back);
    EXPECT_EQ(back.teams.TeamsInUse, 1);
    EXPECT_EQ(back.teams.TeamCount, 2);
    EXPECT_EQ(back.teams.team[1].TeamName, "Eagles, North");
    EXPECT_EQ(back.teams.team[1].entry[2].TeamEntryManual, -1.5f);
    EXPECT_EQ(back.teams.team[1].entry[2].TeamEntryPoints, 0.5f);
    EXPECT_EQ(back.teams.team[2].TeamEntryCount, 0);
    EXPECT_EQ(back.teams.PlayerTeam[4], 1);
    EXPECT_EQ(teamFileText(back.teams, 4), text);
}

TEST(TeamFile, WithoutAFileNoTeamsAreInUse) {
    TempDir dir;
    Store store = leagueIn(dir, 4);
    fillTeams(store); // the teams of a league open before
    store.teams.TeamsInUse = 1;
    ReloadTeams(store);
    EXPECT_EQ(store.teams.TeamsInUse, 0);
    EXPECT_EQ(store.teams.TeamCount, 0);
    EXPECT_EQ(store.teams.PlayerTeam[1], 0);
}

TEST(TeamFile, TeamsWithoutMembersAreNotInUse) {
    TempDir dir;
    writeFile(dir / "Monday.tea", crlf({" 1 ", "Eagles", " 0 ", " 0 ", " 0 "}));
    Store store = leagueIn(dir, 2);
    ReloadTeams(store);
    EXPECT_EQ(store.teams.TeamCount, 1);
    EXPECT_EQ(store.teams.TeamsInUse, 0);
}

TEST(TeamFile, FileShorterThanTheRosterIsReadSilentlyAsFarAsItGoes) {
    TempDir dir;
    // Written when the league had two players; two more were added since.
    writeFile(dir / "Monday.tea", crlf({" 1 ", "Eagles", " 1 ", " 1 "}));
    Store store = leagueIn(dir, 4);
    store.teams.PlayerTeam[3] = 1;
    ReloadTeams(store);
    EXPECT_EQ(store.teams.TeamsInUse, 1);
    EXPECT_EQ(store.teams.PlayerTeam[2], 1);
    EXPECT_EQ(store.teams.PlayerTeam[3], 0);
    EXPECT_EQ(store.teams.team[1].TeamName, "Eagles");
    EXPECT_FALSE(LoadTeamFile(store)); // reports the early end to a caller that asks
}

TEST(TeamFile, DamagedFileShowsNothingOfTheLeagueOpenBefore) {
    TempDir dir;
    Store store = leagueIn(dir, 4);
    fillTeams(store); // the league open before: team 1 has two entries
    store.teams.team[3].TeamName = "Hawks";
    store.teams.TeamCount = 3;

    writeFile(dir / "Monday.tea", crlf({" 3 ", "Aces"})); // cut after the first name
    ReloadTeams(store);
    EXPECT_EQ(store.teams.TeamCount, 3);
    EXPECT_EQ(store.teams.team[1].TeamName, "Aces");
    EXPECT_EQ(store.teams.team[1].TeamEntryCount, 0);
    EXPECT_EQ(store.teams.team[2].TeamName, "");
    EXPECT_EQ(store.teams.team[3].TeamName, "");

    fillTeams(store);
    writeFile(dir / "Monday.tea", crlf({"two", "Aces"}));
    ReloadTeams(store);
    EXPECT_EQ(store.teams.TeamCount, 0);
}

TEST(TeamFile, CountsOutsideTheirTablesEndTheRead) {
    TempDir dir;
    struct Case {
        std::string text;
        int teamCount;
    };
    for (const Case& c :
         {Case{crlf({" 101 ", "A"}), 0}, Case{crlf({"-1 ", "A"}), 0},
          Case{crlf({" 1 ", "A", " 101 ", " 0 "}), 1}, Case{crlf({" 1 ", "A", " 1 ", " 1 ", " 151 "}), 1},
          Case{crlf({" 1 ", "A", " 1 ", " 1 ", "-3 "}), 1}}) {
        writeFile(dir / "Monday.tea", c.text);
        Store store = leagueIn(dir, 2);
        EXPECT_FALSE(LoadTeamFile(store));
        EXPECT_EQ(store.teams.TeamCount, c.teamCount);
        EXPECT_LE(store.teams.PlayerTeam[1], MaxTeams);
        EXPECT_GE(store.teams.team[1].TeamEntryCount, 0);
        EXPECT_LE(store.teams.team[1].TeamEntryCount, MaxEntries);
    }
}

TEST(TeamFile, FileNameMatchesWithoutRegardToCase) {
    TempDir dir;
    writeFile(dir / "MONDAY.TEA", crlf({" 1 ", "Eagles", " 1 ", " 0 "}));
    Store store = leagueIn(dir, 1);
    ReloadTeams(store);
    EXPECT_EQ(store.teams.TeamsInUse, 1);
    store.teams.team[1].TeamName = "Hawks";
    ASSERT_FALSE(SaveTeamFile(store));
    auto files = folderSnapshot(dir.path());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(fileLines(files.at("MONDAY.TEA"))[1], "Hawks");
}
