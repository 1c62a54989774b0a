// Team point entries: the lines of the points window, adding, removing and the running total.
#include "teams/TeamPoints.h"
#include "services/Clock.h"
#include "teams/TeamOps.h"

#include <gtest/gtest.h>

using namespace tallyrock;

namespace {

std::string spaces(std::size_t n) {
    return std::string(n, ' ');
}

// One team "Eagles" with players Ann and Cy; Bob is in no team.
Store eagles() {
    Store store;
    store.player(1).PlayerName = "Ann";
    store.player(2).PlayerName = "Bob";
    store.player(3).PlayerName = "Cy";
    store.league.PlayerCount = 3;
    store.teams.TeamCount = 1;
    store.teams.CurrentTeam = 1;
    store.teams.team[1].TeamName = "Eagles";
    store.teams.PlayerTeam[1] = 1;
    store.teams.PlayerTeam[3] = 1;
    return store;
}

} // namespace

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
}

TEST(TeamPointLines, MembersAndDatePrefix) {
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
    EXPECT_EQ(team.entry[1].TeamEntryManual, 12.5f);
    EXPECT_EQ(team.entry[1].TeamEntryPoints, 0.0f);
    EXPECT_EQ(team.entry[2].TeamEntryPoints, -1.5f);
    EXPECT_EQ(runningTotalText(store.teams, 1), "-1.5");
}

TEST(TeamPointEntries, RemovingTheSecondAndThirdOfFive) {
    Store store = eagles();
    const float points[] = {1, 2.5f, 4, 8, 16};
    for (int e = 1; e <= 5; ++e)
        ASSERT_EQ(addTeamEntry(store, "E" + std::to_string(e), "", std::to_string(points[e - 1])),
                  AddEntryResult::Added);
    EXPECT_EQ(runningTotalText(store.teams, 1), "31.5");
    removeTeamEntries(store, {3, 2});
    const TeamRecord& team = store.teams.team[1];
    ASSERT_EQ(team.TeamEntryCount, 3);
    EXPECT_EQ(team.entry[1].TeamEntryText, "E1");
    EXPECT_EQ(team.entry[2].TeamEntryText, "E4");
    EXPECT_EQ(team.entry[3].TeamEntryText, "E5");
    EXPECT_EQ(runningTotalText(store.teams, 1), "25");
    EXPECT_EQ(pointsEntryLines(store.teams, 1)[1], "E4" + spaces(59) + "   0.0" + spaces(6) + "8.0");

    removeTeamEntries(store, {1, 2, 3});
    EXPECT_TRUE(pointsEntryLines(store.teams, 1).empty());
    EXPECT_EQ(runningTotalText(store.teams, 1), "0");
}

TEST(TeamPointEntries, A151stEntryIsRefused) {
    Store store = eagles();
    for (int e = 1; e <= MaxEntries; ++e)
        ASSERT_EQ(addTeamEntry(store, "e", "", "0.5"), AddEntryResult::Added);
    EXPECT_EQ(addTeamEntry(store, "one more", "", "1"), AddEntryResult::Full);
    EXPECT_EQ(entriesFull().text,
              "A team holds at most 150 entries.\r\nRemove old entries before adding more.");
    EXPECT_EQ(store.teams.team[1].TeamEntryCount, MaxEntries);
    EXPECT_EQ(runningTotalText(store.teams, 1), "75");
}
