// Removing and reordering players: whole records move, files follow. The
// windows' tests add renaming and removing the last player.
#include "roster/RosterChanges.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "roster/PlayerOps.h"
#include "store/LeagueFile.h"
#include "store/TeamFile.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

// A league of n players "P1".."Pn"; player p has p rounds whose differential is p * 10 + r,
// and, when teams are given, team number teams[p - 1].
Store leagueOf(const TempDir& dir, int n, std::vector<int16_t> teams = {}) {
    Store store = storeIn(dir.path(), "Club.LGE");
    for (int p = 1; p <= n; ++p) {
        PlayerRecord& pl = store.player(p);
        pl.PlayerName = "P" + std::to_string(p);
        pl.PlayerTee = static_cast<int16_t>(1 + p % 3);
        pl.RoundCount = static_cast<int16_t>(p);
        for (int r = 1; r <= p && r <= MaxRounds; ++r) {
            pl.round[static_cast<std::size_t>(r)].RoundDiff = static_cast<float>(p * 10 + r);
            pl.round[static_cast<std::size_t>(r)].HoleScore[1] = static_cast<int16_t>(p);
        }
    }
    store.league.PlayerCount = static_cast<int16_t>(n);
    if (!teams.empty()) {
        store.teams.TeamCount = 2;
        store.teams.team[1].TeamName = "Eagles";
        store.teams.team[2].TeamName = "Hawks";
        for (std::size_t p = 1; p <= teams.size(); ++p)
            store.teams.PlayerTeam[p] = teams[p - 1];
        EXPECT_FALSE(SaveTeamFile(store).has_value());
        ReloadTeams(store);
    }
    return store;
}

std::vector<std::string> names(const Store& store) {
    return rosterNames(store.league);
}

// Each player still carries the rounds made for it by leagueOf.
void expectRoundsFollowNames(const Store& store) {
    for (int p = 1; p <= store.league.PlayerCount; ++p) {
        const PlayerRecord& pl = store.player(p);
        int original = std::stoi(pl.PlayerName.substr(1));
        EXPECT_EQ(pl.RoundCount, original) << pl.PlayerName;
        EXPECT_EQ(pl.round[1].RoundDiff, static_cast<float>(original * 10 + 1)) << pl.PlayerName;
        EXPECT_EQ(pl.round[1].HoleScore[1], original) << pl.PlayerName;
    }
}

} // namespace

TEST(RemovePlayer, ThirdOfFiveMovesLaterPlayersUpWithRoundsAndTeams) {
    TempDir dir;
    Store store = leagueOf(dir, 5, {1, 2, 1, 2, 1});
    removePlayer(store, 3);
    EXPECT_EQ(names(store), (std::vector<std::string>{"P1", "P2", "P4", "P5"}));
    expectRoundsFollowNames(store);
    EXPECT_TRUE(saveRosterFiles(store, TeamFileSave::Always).empty());
    EXPECT_EQ(lineCount(readFile(dir / "Club.LGE")), 1 + 543 * 4);
    EXPECT_EQ(readFile(dir / "Club.tea"),
              crlf({" 2 ", "Eagles", "Hawks", " 1 ", " 2 ", " 2 ", " 1 ", " 0 ", " 0 "}));

    // Removing the last player only empties its name; its rounds stay beyond the count.
    removePlayer(store, 4);
    EXPECT_EQ(names(store), (std::vector<std::string>{"P1", "P2", "P4"}));
    EXPECT_TRUE(store.player(4).PlayerName.empty());
    EXPECT_EQ(store.player(4).RoundCount, 5);
}

TEST(PlayerOrder, ListLinesAndPositionBox) {
    TempDir dir;
    Store store = leagueOf(dir, 12);
    store.player(4).PlayerName.clear();
    auto lines = orderLines(store.league);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], "  1  P1");
    EXPECT_EQ(lines[3], "  5  P5");
    EXPECT_EQ(lines[10], " 12  P12");
    EXPECT_EQ(orderLineName(lines[10]), "P12");
    store.league.PlayerCount = 100;
    store.player(100).PlayerName = "Last";
    EXPECT_EQ(orderLines(store.league).back(), "100  Last");

    EXPECT_EQ(orderPositionText("99", 12), "12");
    EXPECT_EQ(orderPositionText("0", 12), "0");
    EXPECT_EQ(orderTargetPosition("0"), 1);
    EXPECT_EQ(orderTargetPosition("2.6"), 3);
}

TEST(PlayerOrder, FiveOfEightToTwoKeepsRoundsAndTeamsInTheFiles) {
    TempDir dir;
    Store store = leagueOf(dir, 8, {1, 1, 2, 2, 1, 2, 1, 2});
    ASSERT_TRUE(movePlayer(store, "P5", 5, 2));
    EXPECT_EQ(names(store), (std::vector<std::string>{"P1", "P5", "P2", "P3", "P4", "P6", "P7", "P8"}));
    EXPECT_TRUE(saveRosterFiles(store, TeamFileSave::WhileTeamsInUse).empty());
    EXPECT_EQ(readFile(dir / "Club.tea"), crlf({" 2 ", "Eagles", "Hawks", " 1 ", " 1 ", " 1 ", " 2 ", " 2 ",
                                                " 2 ", " 1 ", " 2 ", " 0 ", " 0 "}));
    Store back = leagueOf(dir, 0);
    ASSERT_FALSE(LoadLeagueFile(back));
    expectRoundsFollowNames(back);
    EXPECT_EQ(names(back), names(store));
}

TEST(PlayerOrder, TwoOfEightToSixAndWithoutTeamsOnlyTheLeagueFile) {
    TempDir dir;
    Store store = leagueOf(dir, 8);
    ReloadTeams(store);
    ASSERT_TRUE(movePlayer(store, "P2", 2, 6));
    EXPECT_EQ(names(store), (std::vector<std::string>{"P1", "P3", "P4", "P5", "P6", "P2", "P7", "P8"}));
    expectRoundsFollowNames(store);
    EXPECT_FALSE(movePlayer(store, "P2", 6, 6)); // its own position: a beep
    EXPECT_TRUE(saveRosterFiles(store, TeamFileSave::WhileTeamsInUse).empty());
    EXPECT_TRUE(std::filesystem::exists(dir / "Club.LGE"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Club.tea"));
}
