// Adding, removing and reordering players: the new slot, the refusals, the
// name box, and whole records moving with the files following.
#include "roster/PlayerOps.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"
#include "roster/RosterChanges.h"
#include "store/LeagueFile.h"
#include "store/TeamFile.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

using Names = std::vector<std::string>;

Store leagueIn(const TempDir& dir, int players) {
    Store store = storeIn(dir.path(), "Monday.LGE");
    fillLeague(store, players, 3);
    return store;
}

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

TEST(PlayerOps, AddTakesTheNextSlotClearedOfOldValues) {
    TempDir dir;
    Store store = leagueIn(dir, 5);
    store.league.PlayerCount = 4; // slot 5 still holds a removed player's record
    ASSERT_EQ(addPlayer(store, "Zoe", 3), AddPlayerResult::Added);
    EXPECT_EQ(store.league.PlayerCount, 5);
    EXPECT_EQ(store.CurrentPlayer, 5);
    const PlayerRecord& zoe = store.player(5);
    EXPECT_EQ(zoe.PlayerName, "Zoe");
    EXPECT_EQ(zoe.PlayerTee, 3);
    EXPECT_EQ(zoe.RoundCount, 0);
    EXPECT_EQ(zoe.round[3].HoleScore[5], 0);
}

TEST(PlayerOps, ShortDuplicateOrTooManyNamesAreRefused) {
    TempDir dir;
    Store store = leagueIn(dir, 2);
    store.player(1).PlayerName = "Ren\xC3\xA9 Mu\xC3\xB1oz";
    store.player(2).PlayerName = "Ann Lee";
    const std::pair<std::string, AddPlayerResult> refused[] = {
        {"Al", AddPlayerResult::TooShort},
        {"\xC3\x85s", AddPlayerResult::TooShort}, // two characters, three bytes
        {std::string(PlayerNameMaxChars + 1, 'x'), AddPlayerResult::Refused},
        {"ANN LEE", AddPlayerResult::Duplicate},
        {"REN\xC3\x89 MU\xC3\x91OZ", AddPlayerResult::Duplicate}};
    for (const auto& [name, result] : refused)
        EXPECT_EQ(addPlayer(store, name, 2), result) << name;
    EXPECT_EQ(store.league.PlayerCount, 2);
    EXPECT_EQ(addPlayer(store, "\xC3\x85sa", 2), AddPlayerResult::Added);

    Store full = leagueIn(dir, MaxPlayers);
    EXPECT_EQ(addPlayer(full, "One More", 2), AddPlayerResult::RosterFull);
    EXPECT_EQ(full.league.PlayerCount, MaxPlayers);
}

TEST(PlayerOps, NameBoxTurnsQuotesIntoApostrophesAndHoldsEighteenCharacters) {
    EXPECT_EQ(playerNameBoxText("Jim \"Slice\" Hay"), "Jim 'Slice' Hay");
    EXPECT_EQ(playerNameBoxText("ABCDEFGHIJKLMNOPQRSTU"), "ABCDEFGHIJKLMNOPQR");
    std::string accented;
    for (int i = 0; i < 20; ++i)
        accented += "\xC3\xA9"; // é
    EXPECT_EQ(playerNameBoxText(accented), accented.substr(0, 36));
}

TEST(PlayerOps, ClosingWritesTheTeamFileOnlyWhileTeamsAreInUse) {
    TempDir dir;
    Store store = leagueIn(dir, 4);
    openAddPlayers(store); // no team file
    ASSERT_EQ(addPlayer(store, "Newcomer", 1), AddPlayerResult::Added);
    EXPECT_TRUE(saveRosterFiles(store, TeamFileSave::WhileTeamsInUse).empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "Monday.tea"));
    auto lines = fileLines(readFile(dir / "Monday.LGE"));
    ASSERT_EQ(lines.size(), 1u + 5 * 543);
    EXPECT_EQ(lines[0] + lines[1 + 4 * 543], " 5 Newcomer");

    fillTeams(store);
    ASSERT_FALSE(SaveTeamFile(store));
    openAddPlayers(store);
    ASSERT_EQ(store.teams.TeamsInUse, 1);
    store.teams.PlayerTeam[6] = 2; // left over from a removed player
    ASSERT_EQ(addPlayer(store, "Second", 2), AddPlayerResult::Added);
    EXPECT_TRUE(saveRosterFiles(store, TeamFileSave::WhileTeamsInUse).empty());
    auto teamLines = fileLines(readFile(dir / "Monday.tea"));
    // count, two names, six players, then the entries
    EXPECT_EQ(Names(teamLines.begin() + 3, teamLines.begin() + 9),
              (Names{" 1 ", " 2 ", " 0 ", " 1 ", " 0 ", " 0 "}));
    EXPECT_EQ(fileLines(readFile(dir / "Monday.LGE"))[0], " 6 ");
}

TEST(PlayerOps, FindPlayerIsExactAndTakesTheLastMatch) {
    LeagueTables league;
    league.PlayerCount = 3;
    for (int p = 1; p <= 4; ++p) // the fourth beyond the count
        league.player[static_cast<std::size_t>(p)].PlayerName = p == 2 ? "ann" : "Ann";
    EXPECT_EQ(findPlayer(league, "Ann"), 3);
    EXPECT_EQ(findPlayer(league, "ANN"), 0);
}

TEST(RemovePlayer, ThirdOfFiveMovesLaterPlayersUpWithRoundsAndTeams) {
    TempDir dir;
    Store store = leagueOf(dir, 5, {1, 2, 1, 2, 1});
    removePlayer(store, 3);
    EXPECT_EQ(rosterNames(store.league), (Names{"P1", "P2", "P4", "P5"}));
    expectRoundsFollowNames(store);
    EXPECT_TRUE(saveRosterFiles(store, TeamFileSave::Always).empty());
    EXPECT_EQ(lineCount(readFile(dir / "Club.LGE")), 1 + 543 * 4);
    EXPECT_EQ(readFile(dir / "Club.tea"),
              crlf({" 2 ", "Eagles", "Hawks", " 1 ", " 2 ", " 2 ", " 1 ", " 0 ", " 0 "}));

    // Removing the last player only empties its name; its rounds stay beyond the count.
    removePlayer(store, 4);
    EXPECT_EQ(rosterNames(store.league), (Names{"P1", "P2", "P4"}));
    EXPECT_TRUE(store.player(4).PlayerName.empty());
    EXPECT_EQ(store.player(4).RoundCount, 5);
}

TEST(PlayerOrder, FiveOfEightToTwoKeepsRoundsAndTeamsInTheFiles) {
    TempDir dir;
    Store store = leagueOf(dir, 8, {1, 1, 2, 2, 1, 2, 1, 2});
    ASSERT_TRUE(movePlayer(store, "P5", 5, 2));
    EXPECT_EQ(rosterNames(store.league), (Names{"P1", "P5", "P2", "P3", "P4", "P6", "P7", "P8"}));
    EXPECT_TRUE(saveRosterFiles(store, TeamFileSave::WhileTeamsInUse).empty());
    EXPECT_EQ(readFile(dir / "Club.tea"), crlf({" 2 ", "Eagles", "Hawks", " 1 ", " 1 ", " 1 ", " 2 ", " 2 ",
                                                " 2 ", " 1 ", " 2 ", " 0 ", " 0 "}));
    Store back = leagueOf(dir, 0);
    ASSERT_FALSE(LoadLeagueFile(back));
    expectRoundsFollowNames(back);
    EXPECT_EQ(rosterNames(back.league), rosterNames(store.league));
}

TEST(PlayerOrder, TwoOfEightToSixAndWithoutTeamsOnlyTheLeagueFile) {
    TempDir dir;
    Store store = leagueOf(dir, 8);
    ReloadTeams(store);
    ASSERT_TRUE(movePlayer(store, "P2", 2, 6));
    EXPECT_EQ(rosterNames(store.league), (Names{"P1", "P3", "P4", "P5", "P6", "P2", "P7", "P8"}));
    expectRoundsFollowNames(store);
    EXPECT_FALSE(movePlayer(store, "P2", 6, 6)); // its own position: a beep
    EXPECT_TRUE(saveRosterFiles(store, TeamFileSave::WhileTeamsInUse).empty());
    EXPECT_TRUE(std::filesystem::exists(dir / "Club.LGE"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Club.tea"));
}
