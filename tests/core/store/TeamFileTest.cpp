// The team point file: layout, reading as far as it goes, and ReloadTeams.
#include "store/TeamFile.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

Store leagueIn(const TempDir& dir, int players) {
    Store store = storeIn(dir.path(), "Monday.LGE");
    store.league.PlayerCount = static_cast<int16_t>(players);
    return store;
}

} // namespace

TEST(TeamFile, FourAndFifteenLineFilesReadBack) {
    EXPECT_EQ(teamFileName("A.b.LGE"), "A.b.tea");
    TempDir dir;
    Store three = leagueIn(dir, 3);
    ASSERT_FALSE(SaveTeamFile(three));
    EXPECT_EQ(readFile(dir / "Monday.tea"), crlf({" 0 ", " 0 ", " 0 ", " 0 "}));

    Store store = leagueIn(dir, 4);
    fillTeams(store);
    ASSERT_FALSE(SaveTeamFile(store));
    std::string text = readFile(dir / "Monday.tea");
    EXPECT_EQ(text, crlf({" 2 ", "Eagles, North", "Birdies", " 1 ", " 2 ", " 0 ", " 1 ", " 2 ",
                          "Week 1, 05-02", " 12.5 ", " 3 ", "Week 2", "-1.5 ", " .5 ", " 0 "}));

    Store back = leagueIn(dir, 4);
    ReloadTeams(back);
    EXPECT_EQ(back.teams.TeamsInUse, 1);
    EXPECT_EQ(back.teams.team[1].TeamName, "Eagles, North");
    EXPECT_EQ(back.teams.team[1].entry[2].TeamEntryManual, -1.5f);
    EXPECT_EQ(back.teams.team[1].entry[2].TeamEntryPoints, 0.5f);
    EXPECT_EQ(teamFileText(back.teams, 4), text);
}

TEST(TeamFile, NoFileOrNoMembersMeanNoTeamsInUse) {
    TempDir dir;
    Store store = leagueIn(dir, 4);
    fillTeams(store); // the teams of a league open before
    store.teams.TeamsInUse = 1;
    ReloadTeams(store);
    EXPECT_EQ(store.teams.TeamsInUse, 0);
    EXPECT_EQ(store.teams.TeamCount, 0);
    EXPECT_EQ(store.teams.PlayerTeam[1], 0);

    writeFile(dir / "Monday.tea", crlf({" 1 ", "Eagles", " 0 ", " 0 ", " 0 "}));
    ReloadTeams(store);
    EXPECT_EQ(store.teams.TeamCount, 1);
    EXPECT_EQ(store.teams.TeamsInUse, 0);
}

TEST(TeamFile, ShortOrDamagedFilesAreReadSilentlyAsFarAsTheyGo) {
    TempDir dir;
    // Written when the league had two players; two more were added since.
    writeFile(dir / "Monday.tea", crlf({" 1 ", "Eagles", " 1 ", " 1 "}));
    Store store = leagueIn(dir, 4);
    store.teams.PlayerTeam[3] = 1;
    ReloadTeams(store);
    EXPECT_EQ(store.teams.TeamsInUse, 1);
    EXPECT_EQ(store.teams.PlayerTeam[2], 1);
    EXPECT_EQ(store.teams.PlayerTeam[3], 0);
    EXPECT_FALSE(LoadTeamFile(store)); // reports the early end to a caller that asks

    // Nothing of the league open before shows through a damaged file.
    fillTeams(store);
    store.teams.team[3].TeamName = "Hawks";
    writeFile(dir / "Monday.tea", crlf({" 3 ", "Aces"}));
    ReloadTeams(store);
    EXPECT_EQ(store.teams.TeamCount, 3);
    EXPECT_EQ(store.teams.team[1].TeamName, "Aces");
    EXPECT_EQ(store.teams.team[1].TeamEntryCount, 0);
    EXPECT_EQ(store.teams.team[2].TeamName, "");
    EXPECT_EQ(store.teams.team[3].TeamName, "");

    struct Case {
        std::string text;
        int teamCount;
    };
    for (const Case& c :
         {Case{crlf({"two", "Aces"}), 0}, Case{crlf({" 101 ", "A"}), 0}, Case{crlf({"-1 ", "A"}), 0},
          Case{crlf({" 1 ", "A", " 101 ", " 0 "}), 1}, Case{crlf({" 1 ", "A", " 1 ", " 1 ", " 151 "}), 1},
          Case{crlf({" 1 ", "A", " 1 ", " 1 ", "-3 "}), 1}}) {
        writeFile(dir / "Monday.tea", c.text);
        Store bad = leagueIn(dir, 2);
        fillTeams(bad);
        ReloadTeams(bad);
        EXPECT_FALSE(LoadTeamFile(bad));
        EXPECT_EQ(bad.teams.TeamCount, c.teamCount);
        EXPECT_LE(bad.teams.PlayerTeam[1], MaxTeams);
        EXPECT_GE(bad.teams.team[1].TeamEntryCount, 0);
        EXPECT_LE(bad.teams.team[1].TeamEntryCount, MaxEntries);
    }
}
