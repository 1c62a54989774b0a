// Team definition: naming, moving players, creating and removing teams, and the file it leaves.
#include "teams/TeamOps.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "store/TeamFile.h"
#include "teams/TeamPoints.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

using Names = std::vector<std::string>;

// A league "Club" of players "Ann", "Bob", "Cy", ... in a temporary folder, without a team file.
Store clubOf(const TempDir& dir, int players) {
    static const Names names{"Ann", "Bob", "Cy", "Dee", "Eve", "Fay", "Gus", "Hal"};
    Store store = storeIn(dir.path(), "Club.LGE");
    for (int p = 1; p <= players; ++p)
        store.player(p).PlayerName = names[static_cast<std::size_t>(p - 1)];
    store.league.PlayerCount = static_cast<int16_t>(players);
    return store;
}

// Adds an entry whose points tell which team it was made for.
void addEntry(Store& store, const std::string& comment, float points) {
    ASSERT_EQ(addTeamEntry(store, comment, "", std::to_string(points)), AddEntryResult::Added);
}

// Four named teams; team t has player t as its member and t entries "T<t>E<e>" worth t points.
Store fourTeams(const TempDir& dir) {
    Store store = clubOf(dir, 5);
    openTeamDefinition(store);
    const Names teamNames{"Aces", "Birdies", "Condors", "Drivers"};
    for (int t = 1; t <= 4; ++t) {
        if (t > 1) {
            EXPECT_EQ(createTeam(store), CreateTeamResult::Created);
        }
        nameTeam(store, teamNames[static_cast<std::size_t>(t - 1)]);
        moveIntoTeam(store, {store.player(t).PlayerName});
        for (int e = 1; e <= t; ++e)
            addEntry(store, "T" + std::to_string(t) + "E" + std::to_string(e), float(t));
    }
    return store;
}

} // namespace

TEST(TeamDefinition, NamingTheFirstTeamMakesTeamOneOfOne) {
    TempDir dir;
    Store store = clubOf(dir, 3);
    // What a league opened before left in the tables does not come back.
    store.teams.team[1].TeamName = "Old";
    store.teams.team[1].TeamEntryCount = 2;
    openTeamDefinition(store);
    EXPECT_EQ(teamRecordText(store.teams), "Team # 1 of 0");
    EXPECT_EQ(createTeam(store), CreateTeamResult::Unnamed);
    EXPECT_EQ(teamMemberNames(store, 0), (Names{"Ann", "Bob", "Cy"}));

    nameTeam(store, "");
    EXPECT_EQ(store.teams.TeamCount, 0);
    EXPECT_FALSE(nameTeam(store, "  \xC2\xA0 ")); // blanks are no name
    EXPECT_EQ(store.teams.TeamCount, 0);
    EXPECT_EQ(nameTeam(store, "Ea\ngles").value_or(Message{}).text,
              "A team name cannot contain a line break.");
    EXPECT_EQ(store.teams.TeamCount, 0);
    nameTeam(store, "E");
    nameTeam(store, "Eagles");
    EXPECT_EQ(teamRecordText(store.teams), "Team # 1 of 1");
    EXPECT_EQ(store.teams.team[1].TeamName, "Eagles");
    EXPECT_EQ(store.teams.team[1].TeamEntryCount, 0);

    EXPECT_EQ(createTeam(store), CreateTeamResult::Created);
    EXPECT_EQ(teamRecordText(store.teams), "Team # 2 of 2");
    EXPECT_EQ(store.teams.team[2].TeamName, "");
    EXPECT_EQ(createTeam(store), CreateTeamResult::Unnamed); // team 2 has no name yet
}

TEST(TeamDefinition, RemovingTeamTwoOfFourRenumbersTheLaterTeams) {
    TempDir dir;
    Store store = fourTeams(dir);
    store.teams.CurrentTeam = 2;
    EXPECT_EQ(removeTeam(store), RemoveTeamResult::RosterNotEmpty);
    EXPECT_EQ(rosterNotEmpty().text, "Roster for this team must be empty\r\nbefore the team can be removed.");
    EXPECT_EQ(store.teams.TeamCount, 4);

    moveOutOfTeam(store, {"Bob"});
    ASSERT_EQ(removeTeam(store), RemoveTeamResult::Removed);
    const TeamTables& teams = store.teams;
    EXPECT_EQ(teamRecordText(teams), "Team # 2 of 3");
    for (int t = 1; t <= 3; ++t) {
        const int was = t == 1 ? 1 : t + 1; // the team's number before the removal
        EXPECT_EQ(teams.team[t].TeamEntryCount, was);
        EXPECT_EQ(teams.team[t].entry[static_cast<std::size_t>(was)].TeamEntryText,
                  "T" + std::to_string(was) + "E" + std::to_string(was));
    }
    EXPECT_EQ(teams.team[3].TeamName, "Drivers");
    EXPECT_EQ(teamMemberNames(store, 2), (Names{"Cy"}));
    EXPECT_EQ(teamMemberNames(store, 0), (Names{"Bob", "Eve"}));
}

TEST(TeamDefinition, SteppingStopsAtTheEndsAndRemovingTheLastTeamStepsBack) {
    TempDir dir;
    Store store = fourTeams(dir);
    nextTeam(store.teams);
    EXPECT_EQ(store.teams.CurrentTeam, 4);
    moveOutOfTeam(store, {"Dee"});
    ASSERT_EQ(removeTeam(store), RemoveTeamResult::Removed);
    EXPECT_EQ(teamRecordText(store.teams), "Team # 3 of 3");
    EXPECT_EQ(store.teams.team[3].TeamName, "Condors");
    EXPECT_EQ(store.teams.team[3].TeamEntryCount, 3);
    for (int i = 0; i < 4; ++i)
        previousTeam(store.teams);
    EXPECT_EQ(store.teams.CurrentTeam, 1);
}

TEST(TeamDefinition, RemovingTheOnlyTeamKeepsItsEntries) {
    TempDir dir;
    Store store = clubOf(dir, 2);
    openTeamDefinition(store);
    nameTeam(store, "Eagles");
    addEntry(store, "Week 1", 2);
    addEntry(store, "Week 2", 3);
    ASSERT_EQ(removeTeam(store), RemoveTeamResult::Removed);
    EXPECT_EQ(teamRecordText(store.teams), "Team # 1 of 1");
    EXPECT_EQ(store.teams.team[1].TeamName, "");
    EXPECT_EQ(store.teams.team[1].TeamEntryCount, 2);
    EXPECT_EQ(runningTotal(store.teams, 1), 5.0f);

    // Before any team exists removing stays on team 1 of 0.
    Store none = clubOf(dir, 2);
    openTeamDefinition(none);
    ASSERT_EQ(removeTeam(none), RemoveTeamResult::Removed);
    EXPECT_EQ(teamRecordText(none.teams), "Team # 1 of 0");
}

TEST(TeamDefinition, AHundredTeamsStayInsideTheTables) {
    TempDir dir;
    Store store = clubOf(dir, 3);
    openTeamDefinition(store);
    for (int t = 1; t <= MaxTeams; ++t) {
        if (t > 1) {
            ASSERT_EQ(createTeam(store), CreateTeamResult::Created);
        }
        nameTeam(store, "Team " + std::to_string(t));
        addEntry(store, "only", float(t));
    }
    EXPECT_EQ(createTeam(store), CreateTeamResult::Full);
    EXPECT_EQ(teamsFull().text, "A league holds at most 100 teams.\r\nNo more teams can be created.");
    EXPECT_EQ(store.teams.TeamCount, 100);

    store.teams.PlayerTeam[1] = 100;
    store.teams.CurrentTeam = 1;
    ASSERT_EQ(removeTeam(store), RemoveTeamResult::Removed);
    EXPECT_EQ(store.teams.TeamCount, 99);
    EXPECT_EQ(store.teams.PlayerTeam[1], 99);
    EXPECT_EQ(runningTotal(store.teams, 99), 100.0f);
    EXPECT_EQ(store.teams.team[100].TeamEntryCount, 0);
}

TEST(TeamDefinition, TheFileHoldsWhatTheOperationsMade) {
    TempDir dir;
    Store store = fourTeams(dir);
    store.teams.CurrentTeam = 2;
    moveOutOfTeam(store, {"Bob"});
    removeTeam(store);
    moveIntoTeam(store, {"Eve"});
    ASSERT_FALSE(SaveTeamFile(store).has_value());
    EXPECT_EQ(readFile(dir / "Club.tea"), crlf({" 3 ",  "Aces", "Condors", "Drivers",        // teams
                                                " 1 ",  " 0 ",  " 2 ",     " 3 ",     " 2 ", // players
                                                " 1 ",  "T1E1", " 0 ",     " 1 ",            // Aces
                                                " 3 ",  "T3E1", " 0 ",     " 3 ",     "T3E2", " 0 ", " 3 ",
                                                "T3E3", " 0 ",  " 3 ", // Condors
                                                " 4 ",  "T4E1", " 0 ",     " 4 ",     "T4E2", " 0 ", " 4 ",
                                                "T4E3", " 0 ",  " 4 ",     "T4E4",    " 0 ",  " 4 "}));

    // Opening the window again reads back the same teams.
    Store again = clubOf(dir, 5);
    openTeamDefinition(again);
    EXPECT_EQ(teamRecordText(again.teams), "Team # 1 of 3");
    EXPECT_EQ(teamMemberNames(again, 2), (Names{"Cy", "Eve"}));
    EXPECT_EQ(pointsEntryLines(again.teams, 3), pointsEntryLines(store.teams, 3));
}
