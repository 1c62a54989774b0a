// Teams: naming, moving players, creating and removing teams, the file they
// leave, and the point entries with their lines and running total.
#include "teams/TeamOps.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "services/Clock.h"
#include "store/TeamFile.h"
#include "teams/TeamPoints.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

using Names = std::vector<std::string>;

std::string spaces(std::size_t n) {
    return std::string(n, ' ');
}

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

// One team "Eagles" with players Ann and Cy; Bob is in no team.
Store eagles() {
    Store store;
    for (const char* name : {"Ann", "Bob", "Cy"})
        store.player(++store.league.PlayerCount).PlayerName = name;
    store.teams.TeamCount = 1;
    store.teams.CurrentTeam = 1;
    store.teams.team[1].TeamName = "Eagles";
    store.teams.PlayerTeam[1] = 1;
    store.teams.PlayerTeam[3] = 1;
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
    EXPECT_FALSE(nameTeam(store, "  \xC2\xA0 ")); // blanks are no name
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

TEST(TeamDefinition, RemovingTeamTwoOfFourRenumbersTheLaterTeamsInTheFile) {
    TempDir dir;
    Store store = fourTeams(dir);
    store.teams.CurrentTeam = 2;
    EXPECT_EQ(removeTeam(store), RemoveTeamResult::RosterNotEmpty);
    EXPECT_EQ(rosterNotEmpty().text, "Roster for this team must be empty\r\nbefore the team can be removed.");
    EXPECT_EQ(store.teams.TeamCount, 4);

    moveOutOfTeam(store, {"Bob"});
    ASSERT_EQ(removeTeam(store), RemoveTeamResult::Removed);
    EXPECT_EQ(teamRecordText(store.teams), "Team # 2 of 3");
    EXPECT_EQ(teamMemberNames(store, 0), (Names{"Bob", "Eve"}));
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

TEST(TeamPointLines, ColumnsFollowTheCommentPaddedTo61) {
    const std::string longComment(70, 'c'), accented = "Gr\xC3\xBCn";
    const struct {
        TeamEntry entry;
        std::string line;
    } cases[] = {
        // Padded to 61, two spaces and 12.0, three spaces for a value below 10 and the three
        // separating spaces, then 3.5.
        {{"Week 1", 12, 3.5f}, "Week 1" + spaces(55) + "  12.0" + spaces(6) + "3.5"},
        {{"", 0, 0}, spaces(61) + "   0.0" + spaces(6) + "0.0"},
        {{"x", 1234.5f, 999.94f}, "x" + spaces(60) + "1234.5" + spaces(3) + " 999.9"},
        {{"x", 99.96f, 9.96f}, "x" + spaces(60) + "  100.0" + spaces(6) + "10.0"},
        // A long comment stays whole; width counts characters, not bytes.
        {{longComment, 12, 3.5f}, longComment + "  12.0" + spaces(6) + "3.5"},
        {{accented, 1, 1}, accented + spaces(57) + "   1.0" + spaces(6) + "1.0"},
        // A negative value gets all three alignment spaces.
        {{"x", -1, -0.5f}, "x" + spaces(60) + "   -1.0" + spaces(6) + "-0.5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pointsEntryLine(c.entry), c.line) << c.entry.TeamEntryText;
    EXPECT_EQ(alignedNumber(-150.25f), "   -150.3");

    Store store = eagles();
    EXPECT_EQ(memberText(store, 1), "Ann , Cy ");
    EXPECT_EQ(memberText(store, 2), "");
    EXPECT_EQ(commentStart(dashedDate({7, 4, 2024})), "07-04-2024 ");
    EXPECT_EQ(dashedDate({12, 31, 1999}), "12-31-1999");
}

TEST(TeamPointEntries, AddingReadsTheNumbersAsTyped) {
    Store store = eagles();
    EXPECT_EQ(addTeamEntry(store, "", "", ""), AddEntryResult::Empty);
    EXPECT_EQ(addTeamEntry(store, "", "12", ""), AddEntryResult::Empty); // a hand-kept total alone is none
    for (const std::string comment : {"Oak\r\nHills", "Oak\tHills", "Oak \xC3"}) {
        EXPECT_EQ(addTeamEntry(store, comment, "", "3"), AddEntryResult::Refused) << comment;
        EXPECT_TRUE(checkComment(comment)) << comment;
    }
    EXPECT_EQ(store.teams.team[1].TeamEntryCount, 0);

    EXPECT_EQ(addTeamEntry(store, "07-04-2024 Oak Hills", " 12.5 strokes", "abc"), AddEntryResult::Added);
    EXPECT_EQ(addTeamEntry(store, "", "", "-1.5"), AddEntryResult::Added);
    const TeamRecord& team = store.teams.team[1];
    ASSERT_EQ(team.TeamEntryCount, 2);
    EXPECT_EQ(team.entry[1].TeamEntryText, "07-04-2024 Oak Hills");
    EXPECT_EQ(std::pair(team.entry[1].TeamEntryManual, team.entry[1].TeamEntryPoints),
              std::pair(12.5f, 0.0f));
    EXPECT_EQ(team.entry[2].TeamEntryPoints, -1.5f);
    EXPECT_EQ(runningTotalText(store.teams, 1), "-1.5");
}

TEST(TeamPointEntries, RemovingTheSecondAndThirdOfFive) {
    Store store = eagles();
    const float points[] = {1, 2.5f, 4, 8, 16};
    for (int e = 1; e <= 5; ++e)
        addEntry(store, "E" + std::to_string(e), points[e - 1]);
    EXPECT_EQ(runningTotalText(store.teams, 1), "31.5");
    removeTeamEntries(store, {3, 2});
    const TeamRecord& team = store.teams.team[1];
    ASSERT_EQ(team.TeamEntryCount, 3);
    EXPECT_EQ(team.entry[1].TeamEntryText + team.entry[2].TeamEntryText + team.entry[3].TeamEntryText,
              "E1E4E5");
    EXPECT_EQ(runningTotalText(store.teams, 1), "25");
    EXPECT_EQ(pointsEntryLines(store.teams, 1)[1], "E4" + spaces(59) + "   0.0" + spaces(6) + "8.0");

    removeTeamEntries(store, {1, 2, 3});
    EXPECT_TRUE(pointsEntryLines(store.teams, 1).empty());
    EXPECT_EQ(runningTotalText(store.teams, 1), "0");
}

TEST(TeamPointEntries, A151stEntryIsRefused) {
    Store store = eagles();
    for (int e = 1; e <= MaxEntries; ++e)
        addEntry(store, "e", 0.5f);
    EXPECT_EQ(addTeamEntry(store, "one more", "", "1"), AddEntryResult::Full);
    EXPECT_EQ(entriesFull().text,
              "A team holds at most 150 entries.\r\nRemove old entries before adding more.");
    EXPECT_EQ(store.teams.team[1].TeamEntryCount, MaxEntries);
    EXPECT_EQ(runningTotalText(store.teams, 1), "75");
}
