// Adding players: the new slot, the refusals, the name box and the window's close.
#include "roster/PlayerOps.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"
#include "store/LeagueFile.h"
#include "store/TeamFile.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

Store leagueIn(const TempDir& dir, int players) {
    Store store = storeIn(dir.path(), "Monday.LGE");
    fillLeague(store, players, 3);
    return store;
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
    store.player(2).PlayerName = "Ann Lee";
    EXPECT_EQ(addPlayer(store, "Al", 2), AddPlayerResult::TooShort);
    EXPECT_EQ(addPlayer(store, std::string(PlayerNameMaxChars + 1, 'x'), 2), AddPlayerResult::Refused);
    EXPECT_EQ(addPlayer(store, "\xC3\x85s", 2), AddPlayerResult::TooShort); // two characters, three bytes
    EXPECT_EQ(addPlayer(store, "ANN LEE", 2), AddPlayerResult::Duplicate);
    store.player(1).PlayerName = "John N\xC3\xBA\xC3\xB1"
                                 "ez";
    EXPECT_EQ(addPlayer(store,
                        "JOHN N\xC3\x9A\xC3\x91"
                        "EZ",
                        2),
              AddPlayerResult::Duplicate);
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
    EXPECT_EQ(lines[0], " 5 ");
    EXPECT_EQ(lines[1 + 4 * 543], "Newcomer");

    fillTeams(store);
    ASSERT_FALSE(SaveTeamFile(store));
    openAddPlayers(store);
    ASSERT_EQ(store.teams.TeamsInUse, 1);
    store.teams.PlayerTeam[6] = 2; // left over from a removed player
    ASSERT_EQ(addPlayer(store, "Second", 2), AddPlayerResult::Added);
    EXPECT_TRUE(saveRosterFiles(store, TeamFileSave::WhileTeamsInUse).empty());
    auto teamLines = fileLines(readFile(dir / "Monday.tea"));
    // count, two names, six players, then the entries
    EXPECT_EQ(std::vector<std::string>(teamLines.begin() + 3, teamLines.begin() + 9),
              (std::vector<std::string>{" 1 ", " 2 ", " 0 ", " 1 ", " 0 ", " 0 "}));
    EXPECT_EQ(fileLines(readFile(dir / "Monday.LGE"))[0], " 6 ");
}

TEST(PlayerOps, FindPlayerIsExactAndTakesTheLastMatch) {
    LeagueTables league;
    league.PlayerCount = 3;
    league.player[1].PlayerName = "Ann";
    league.player[2].PlayerName = "ann";
    league.player[3].PlayerName = "Ann";
    league.player[4].PlayerName = "Ann"; // beyond the count
    EXPECT_EQ(findPlayer(league, "Ann"), 3);
    EXPECT_EQ(findPlayer(league, "ANN"), 0);
}
