// Teams: definition, the file they leave, point entries and their lines, and the printed summary.
#include "teams/TeamOps.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "fakes/RecordingPrinter.h"
#include "services/Clock.h"
#include "store/TeamFile.h"
#include "teams/TeamPoints.h"
#include "teams/TeamSummary.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

using Lines = std::vector<std::string>;

std::string spaces(std::size_t n) {
    return std::string(n, ' ');
}

// A league "Club" of players "Ann", "Bob", "Cy", ... in a temporary folder, without a team file.
Store clubOf(const TempDir& dir, int players) {
    static const Lines names{"Ann", "Bob", "Cy", "Dee", "Eve", "Fay", "Gus", "Hal"};
    Store store = storeIn(dir.path(), "Club.LGE");
    for (int p = 1; p <= players; ++p)
        addSamplePlayer(store, names[static_cast<std::size_t>(p - 1)]);
    return store;
}

void addEntry(Store& store, const std::string& comment, float points) {
    ASSERT_EQ(addTeamEntry(store, comment, "", std::to_string(points)), AddEntryResult::Added);
}

// Four named teams; team t has player t as its member and t entries "T<t>E<e>" worth t points.
Store fourTeams(const TempDir& dir) {
    Store store = clubOf(dir, 5);
    openTeamDefinition(store);
    const Lines teamNames{"Aces", "Birdies", "Condors", "Drivers"};
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

const Date Today{7, 4, 2024};
const std::string Title = spaces(42) + "Tallyrock   07-04-2024";
const std::string Rule = "    " + std::string(80, '-');
const std::string FooterRule = spaces(60) + "--------------";

// Teams `names`, team t with entries[t - 1] entries "T<t> event <e>", hand-kept total e, points e / 2.
Store teamsWith(const std::vector<std::string>& names, const std::vector<int>& entries) {
    Store store;
    store.settings.FontName = "Courier New";
    store.teams.TeamCount = static_cast<int16_t>(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        TeamRecord& team = store.teams.team[i + 1];
        team.TeamName = names[i];
        team.TeamEntryCount = static_cast<int16_t>(entries[i]);
        for (int e = 1; e <= entries[i]; ++e)
            team.entry[static_cast<std::size_t>(e)] = {
                "T" + std::to_string(i + 1) + " event " + std::to_string(e), float(e), float(e) / 2};
    }
    return store;
}

// One team "Eagles" with players Ann and Cy; Bob is in no team.
Store eagles() {
    Store store = teamsWith({"Eagles"}, {0});
    for (const char* name : {"Ann", "Bob", "Cy"})
        store.player(++store.league.PlayerCount).PlayerName = name;
    store.teams.CurrentTeam = 1;
    store.teams.PlayerTeam[1] = 1;
    store.teams.PlayerTeam[3] = 1;
    return store;
}

// The window's record line, then the current team's name and number of entries.
std::string shown(const Store& store) {
    const TeamRecord& team = store.teams.team[static_cast<std::size_t>(store.teams.CurrentTeam)];
    return teamRecordText(store.teams) + " | " + team.TeamName + " | " + std::to_string(team.TeamEntryCount);
}

// The page head, then each team: its rule, name, entries, footer rule and "Total: " line.
Lines page(std::initializer_list<std::tuple<std::string, Lines, std::string>> teams) {
    Lines all{" ", " ", " ", " ", Title, ""};
    for (const auto& [name, entries, total] : teams) {
        all.insert(all.end(), {" ", Rule, "    Team: " + name, " "});
        all.insert(all.end(), entries.begin(), entries.end());
        all.insert(all.end(), {FooterRule, spaces(53) + "Total: " + total, " "});
    }
    return all;
}

} // namespace

TEST(TeamDefinition, NamingTheFirstTeamMakesTeamOneOfOne) {
    TempDir dir;
    Store store = clubOf(dir, 3);
    // What a league opened before left in the tables does not come back.
    store.teams.team[1].TeamName = "Old";
    store.teams.team[1].TeamEntryCount = 2;
    openTeamDefinition(store);
    EXPECT_EQ(shown(store), "Team # 1 of 0 |  | 0");
    ASSERT_EQ(removeTeam(store), RemoveTeamResult::Removed);
    EXPECT_EQ(shown(store), "Team # 1 of 0 |  | 0") << "removing before any team exists";
    EXPECT_EQ(createTeam(store), CreateTeamResult::Unnamed);
    EXPECT_EQ(teamMemberNames(store, 0), (Lines{"Ann", "Bob", "Cy"}));

    nameTeam(store, "");
    EXPECT_FALSE(nameTeam(store, "  \xC2\xA0 ")); // blanks are no name
    EXPECT_EQ(nameTeam(store, "Ea\ngles").value_or(Message{}).text,
              "A team name cannot contain a line break.");
    EXPECT_EQ(store.teams.TeamCount, 0);
    nameTeam(store, "E");
    nameTeam(store, "Eagles");
    EXPECT_EQ(shown(store), "Team # 1 of 1 | Eagles | 0");

    EXPECT_EQ(createTeam(store), CreateTeamResult::Created);
    EXPECT_EQ(shown(store), "Team # 2 of 2 |  | 0");
    EXPECT_EQ(createTeam(store), CreateTeamResult::Unnamed); // team 2 has no name yet
}

TEST(TeamDefinition, RemovingTeamTwoOfFourRenumbersTheLaterTeamsAndTheLastStepsBack) {
    TempDir dir;
    Store store = fourTeams(dir);
    store.teams.CurrentTeam = 2;
    EXPECT_EQ(removeTeam(store), RemoveTeamResult::RosterNotEmpty);
    EXPECT_EQ(rosterNotEmpty().text, "Roster for this team must be empty\r\nbefore the team can be removed.");
    EXPECT_EQ(store.teams.TeamCount, 4);

    moveOutOfTeam(store, {"Bob"});
    ASSERT_EQ(removeTeam(store), RemoveTeamResult::Removed);
    EXPECT_EQ(shown(store), "Team # 2 of 3 | Condors | 3");
    EXPECT_EQ(teamMemberNames(store, 0), (Lines{"Bob", "Eve"}));
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
    EXPECT_EQ(shown(again), "Team # 1 of 3 | Aces | 1");
    EXPECT_EQ(teamMemberNames(again, 2), (Lines{"Cy", "Eve"}));
    EXPECT_EQ(pointsEntryLines(again.teams, 3), pointsEntryLines(store.teams, 3));

    // Stepping stops at the ends, and removing the last team steps back.
    nextTeam(store.teams);
    nextTeam(store.teams);
    EXPECT_EQ(store.teams.CurrentTeam, 3);
    moveOutOfTeam(store, {"Dee"});
    ASSERT_EQ(removeTeam(store), RemoveTeamResult::Removed);
    EXPECT_EQ(shown(store), "Team # 2 of 2 | Condors | 3");
    for (int i = 0; i < 3; ++i)
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
    EXPECT_EQ(shown(store), "Team # 1 of 1 |  | 2");
    EXPECT_EQ(runningTotal(store.teams, 1), 5.0f);
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
    EXPECT_EQ(std::tuple(store.teams.TeamCount, store.teams.PlayerTeam[1], runningTotal(store.teams, 99),
                         store.teams.team[100].TeamEntryCount),
              std::tuple(99, 99, 100.0f, 0));
}

TEST(TeamPointLines, ColumnsFollowTheCommentPaddedTo61) {
    const std::string longComment(70, 'c'), accented = "Gr\xC3\xBCn";
    const struct {
        TeamEntry entry;
        std::string line;
    } cases[] = {
        // Padded to 61, two spaces and 12.0, three for a value below 10 and three separating, then 3.5.
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

TEST(TeamPointEntries, RemovingTheSecondAndThirdOfFiveThenAllAndA151stIsRefused) {
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

    for (int e = 1; e <= MaxEntries; ++e)
        addEntry(store, "e", 0.5f);
    EXPECT_EQ(addTeamEntry(store, "one more", "", "1"), AddEntryResult::Full);
    EXPECT_EQ(entriesFull().text,
              "A team holds at most 150 entries.\r\nRemove old entries before adding more.");
    EXPECT_EQ(store.teams.team[1].TeamEntryCount, MaxEntries);
}

TEST(TeamSummary, TeamsLineByLine) {
    Store store = teamsWith({"Eagles"}, {3});
    TeamRecord& team = store.teams.team[1];
    team.entry[1] = {"Week 1", 12, 3.5f};
    team.entry[2] = {"Week 2", 15.5f, 4};
    team.entry[3] = {"Week 3 at Pine Valley", 100, 10.25f};
    // An entry: the comment padded to 60, the hand-kept total and the points in 6 each, 3 apart.
    // The total: the last hand-kept total, one space, the sum's two alignment spaces and two more.
    EXPECT_EQ(
        teamSummaryPages(store, {}, Today),
        (ReportPages{page({{"Eagles",
                            {"    Week 1" + spaces(50) + "  12.0" + spaces(3) + "   3.5",
                             "    Week 2" + spaces(50) + "  15.5" + spaces(3) + "   4.0",
                             "    Week 3 at Pine Valley" + spaces(35) + " 100.0" + spaces(3) + "  10.3"},
                            " 100.0" + spaces(5) + "17.8"}})}));

    // The last event only, still totalling every entry (0.5 + 1 + 1.5 + 2); no entries total 0.
    store = teamsWith({"Eagles", "Hawks", "Empty"}, {4, 2, 0});
    EXPECT_EQ(teamSummaryPages(store, {false, true}, Today),
              (ReportPages{page({{"Eagles",
                                  {"    T1 event 4" + spaces(46) + "   4.0" + spaces(3) + "   2.0"},
                                  "   4.0" + spaces(6) + "5.0"},
                                 {"Hawks",
                                  {"    T2 event 2" + spaces(46) + "   2.0" + spaces(3) + "   1.0"},
                                  "   2.0" + spaces(6) + "1.5"},
                                 {"Empty", {}, "   0.0" + spaces(6) + "0.0"}})}));
}

TEST(TeamSummary, MemberNamesWrapBefore70Characters) {
    Store store = teamsWith({"Eagles", "Nobody"}, {0, 0});
    // 18 characters each: three fit on a line (4 + 3 * 21 = 67), the fourth would reach 85.
    for (int p = 1; p <= 7; ++p) {
        addSamplePlayer(store, "Member Number 00" + std::to_string(p) + "x");
        store.teams.PlayerTeam[static_cast<std::size_t>(p)] = 1;
    }
    store.player(3).PlayerName = "Third Member Name";
    Lines lines = summaryMemberLines(store, 1);
    EXPECT_EQ(lines, (Lines{"    Member Number 001x , Member Number 002x , Third Member Name , ",
                            "    Member Number 004x , Member Number 005x , Member Number 006x , ",
                            "    Member Number 007x "}));

    // The line plus the name must stay under 70: 46 + 23 = 69 joins the line, 46 + 24 = 70 does not.
    store.player(3).PlayerName = std::string(23, 'a');
    EXPECT_EQ(summaryMemberLines(store, 1)[0].size(), 4u + 2 * 21 + 23 + 3);
    store.player(3).PlayerName = std::string(24, 'b');
    EXPECT_EQ(summaryMemberLines(store, 1)[1], "    " + std::string(24, 'b') + " , Member Number 004x , ");

    EXPECT_EQ(summaryMemberLines(store, 2), (Lines{"  "})); // a team without members

    ReportPages pages = teamSummaryPages(store, {true, false}, Today);
    ASSERT_EQ(pages.size(), 1u);
    Lines members = summaryMemberLines(store, 1);
    members.push_back(" ");
    EXPECT_EQ(Lines(pages[0].begin() + 10, pages[0].begin() + 14), members);
}

TEST(TeamSummary, ANewTeamStartsANewPageAfter45Lines) {
    // Each team of 7 entries takes 14 lines: after three teams 48 are counted.
    Store store = teamsWith({"A", "B", "C", "D"}, {7, 7, 7, 1});
    ReportPages pages = teamSummaryPages(store, {}, Today);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].size(), 48u);
    EXPECT_EQ(pages[0].back(), " ");
    EXPECT_EQ(Lines(pages[1].begin(), pages[1].begin() + 5), (Lines{" ", " ", " ", Rule, "    Team: D"}));

    // With 45 lines counted the next team still fits.
    store.teams.team[3].TeamEntryCount = 4;
    pages = teamSummaryPages(store, {}, Today);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].size(), 45u + 4 + 1 + 3);
}

// A team's page breaks after line 52; printed, each page opens with a space line and sets the font.
TEST(TeamSummary, WithinATeamANewPageStartsAfterLine52) {
    Store store = teamsWith({"Long", "Next"}, {50, 1});
    store.settings.FontName = "Lucida Console";
    ReportPages pages = teamSummaryPages(store, {}, Today);
    ASSERT_EQ(pages.size(), 2u);
    // 6 + 4 lines, then entries 1..43: the 43rd makes 53.
    ASSERT_EQ(pages[0].size(), 53u);
    EXPECT_EQ(pages[0].back().substr(0, 17), "    T1 event 43  ");
    ASSERT_EQ(pages[1].size(), 2u + 7 + 3 + 4 + 1 + 3);
    EXPECT_EQ(pages[1][0] + pages[1][1], "  ");
    EXPECT_EQ(pages[1][2].substr(0, 17), "    T1 event 44  ");
    EXPECT_EQ(pages[1][10], spaces(53) + "Total: " + "  50.0" + spaces(4) + "637.5"); // 1275 / 2

    RecordingPrinter printer;
    printTeamSummary(printer, store, {}, Today);

    // A space line, then the font; a new page starts again and sets the font name and size (bold stays).
    Lines expected{"setDocumentName Team summary", "print  |", "setFontName Lucida Console", "setFontSize 10",
                   "setBold 1"};
    for (const std::string& line : pages[0])
        expected.push_back("print " + line + "|");
    for (const char* call : {"newPage", "print  |", "setFontName Lucida Console", "setFontSize 10"})
        expected.push_back(call);
    for (const std::string& line : pages[1])
        expected.push_back("print " + line + "|");
    expected.push_back("endDoc");
    EXPECT_EQ(printer.calls, expected);
}
