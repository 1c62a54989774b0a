// Removing, renaming and reordering players: whole records move, files follow.
#include "core/TestFiles.h"
#include "roster/PlayerOps.h"
#include "roster/RosterChanges.h"
#include "store/LeagueFile.h"
#include "store/TeamFile.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

// A league of n players "P1".."Pn"; player p has p rounds whose differential is p * 10 + r,
// and, when teams are given, team number teams[p - 1].
Store leagueOf(const TempDir& dir, int n, std::vector<int16_t> teams = {}) {
    Store store;
    store.workDir = dir.path();
    store.league.LeagueFilePath = "Club.LGE";
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
        for (int p = 1; p <= n; ++p) store.teams.PlayerTeam[static_cast<std::size_t>(p)] = teams[static_cast<std::size_t>(p - 1)];
        EXPECT_FALSE(SaveTeamFile(store).has_value());
        ReloadTeams(store);
    }
    return store;
}

std::vector<std::string> names(const Store& store) { return rosterNames(store.league); }

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
    EXPECT_EQ(store.league.PlayerCount, 4);
    EXPECT_EQ(names(store), (std::vector<std::string>{"P1", "P2", "P4", "P5"}));
    expectRoundsFollowNames(store);
    EXPECT_EQ(store.teams.PlayerTeam[3], 2);
    EXPECT_EQ(store.teams.PlayerTeam[4], 1);

    EXPECT_TRUE(saveRosterFiles(store, TeamFileSave::Always).empty());
    EXPECT_EQ(lineCount(readFile(dir / "Club.LGE")), 1 + 543 * 4);
    EXPECT_EQ(readFile(dir / "Club.tea"),
              crlf({" 2 ", "Eagles", "Hawks", " 1 ", " 2 ", " 2 ", " 1 ", " 0 ", " 0 "}));
}

TEST(RemovePlayer, LastPlayerOnlyEmptiesTheNameAndLowersTheCount) {
    TempDir dir;
    Store store = leagueOf(dir, 3);
    removePlayer(store, 3);
    EXPECT_EQ(store.league.PlayerCount, 2);
    EXPECT_EQ(names(store), (std::vector<std::string>{"P1", "P2"}));
    EXPECT_TRUE(store.player(3).PlayerName.empty());
    EXPECT_EQ(store.player(3).RoundCount, 3); // beyond the count, untouched
}

TEST(RemovePlayer, ClosingWritesATeamFileEvenWithoutTeams) {
    TempDir dir;
    Store store = leagueOf(dir, 3);
    removePlayer(store, 1);
    EXPECT_TRUE(saveRosterFiles(store, TeamFileSave::Always).empty());
    EXPECT_EQ(readFile(dir / "Club.tea"), crlf({" 0 ", " 0 ", " 0 "}));
    EXPECT_EQ(lineCount(readFile(dir / "Club.LGE")), 1 + 543 * 2);
}

TEST(RenamePlayer, ChecksAreExactAndNeedFourCharacters) {
    TempDir dir;
    Store store = leagueOf(dir, 3);
    store.player(2).PlayerName = "Anne";
    EXPECT_EQ(checkRename(store.league, "Ann"), RenameCheck::TooShort);
    EXPECT_EQ(checkRename(store.league, "Anne"), RenameCheck::InUse);
    EXPECT_EQ(checkRename(store.league, "ANNE"), RenameCheck::Ok); // letter case counts here
    EXPECT_EQ(nameInUse().text, "This name is already in use\r\nand cannot be used again.");
    renamePlayer(store, 2, "ANNE");
    EXPECT_EQ(store.player(2).PlayerName, "ANNE");
}

TEST(PlayerOrder, ListLinesPutTheNameAtTheSixthCharacter) {
    TempDir dir;
    Store store = leagueOf(dir, 12);
    store.player(4).PlayerName.clear();
    auto lines = orderLines(store.league);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], "  1  P1");
    EXPECT_EQ(lines[3], "  5  P5");
    EXPECT_EQ(lines[10], " 12  P12");
    store.league.PlayerCount = 100;
    store.player(100).PlayerName = "Last";
    EXPECT_EQ(orderLines(store.league).back(), "100  Last");
}

TEST(PlayerOrder, PositionBoxRules) {
    EXPECT_EQ(orderPositionText("99", 12), "12");
    EXPECT_EQ(orderPositionText("0", 12), "0");
    EXPECT_EQ(orderTargetPosition("0"), 1);
    EXPECT_EQ(orderTargetPosition("7"), 7);
    EXPECT_EQ(orderTargetPosition("2.6"), 3);
}

TEST(PlayerOrder, FiveOfEightToTwo) {
    TempDir dir;
    Store store = leagueOf(dir, 8, {1, 1, 2, 2, 1, 2, 1, 2});
    ASSERT_TRUE(movePlayer(store, "P5", 5, 2));
    EXPECT_EQ(names(store), (std::vector<std::string>{"P1", "P5", "P2", "P3", "P4", "P6", "P7", "P8"}));
    expectRoundsFollowNames(store);
    EXPECT_EQ(store.teams.PlayerTeam[2], 1);
    EXPECT_EQ(store.teams.PlayerTeam[3], 1);
    EXPECT_EQ(store.teams.PlayerTeam[4], 2);
    EXPECT_TRUE(saveRosterFiles(store, TeamFileSave::WhileTeamsInUse).empty());
    EXPECT_EQ(readFile(dir / "Club.tea"),
              crlf({" 2 ", "Eagles", "Hawks", " 1 ", " 1 ", " 1 ", " 2 ", " 2 ", " 2 ", " 1 ", " 2 ", " 0 ", " 0 "}));
}

TEST(PlayerOrder, TwoOfEightToSixAndOwnPositionBeeps) {
    TempDir dir;
    Store store = leagueOf(dir, 8);
    ASSERT_TRUE(movePlayer(store, "P2", 2, 6));
    EXPECT_EQ(names(store), (std::vector<std::string>{"P1", "P3", "P4", "P5", "P6", "P2", "P7", "P8"}));
    expectRoundsFollowNames(store);
    EXPECT_FALSE(movePlayer(store, "P2", 6, 6));
}

TEST(PlayerOrder, WithoutTeamsClosingWritesOnlyTheLeagueFile) {
    TempDir dir;
    Store store = leagueOf(dir, 4);
    ReloadTeams(store);
    ASSERT_TRUE(movePlayer(store, "P4", 4, 1));
    EXPECT_TRUE(saveRosterFiles(store, TeamFileSave::WhileTeamsInUse).empty());
    EXPECT_TRUE(std::filesystem::exists(dir / "Club.LGE"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Club.tea"));
}
