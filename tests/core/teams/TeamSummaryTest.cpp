// The printed team summary: its lines, member wrapping, page breaks and the print job.
#include "teams/TeamSummary.h"
#include "fakes/RecordingPrinter.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tallyrock;
using tallyrock::test::RecordingPrinter;

namespace {

using Lines = std::vector<std::string>;

std::string spaces(std::size_t n) {
    return std::string(n, ' ');
}

const Date Today{7, 4, 2024};
const std::string Title = spaces(42) + "Tallyrock   07-04-2024";
const std::string Rule = "    " + std::string(80, '-');
const std::string FooterRule = spaces(60) + "--------------";

// Teams named in `names`, team t with entries[t - 1] entries "T<t> event <e>", hand-kept
// total e and points e / 2.
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

// Players in slots 1..n named by `name(p)`, all in team t.
void addMembers(Store& store, int n, int t, const std::function<std::string(int)>& name) {
    for (int p = 1; p <= n; ++p) {
        store.player(p).PlayerName = name(p);
        store.teams.PlayerTeam[static_cast<std::size_t>(p)] = static_cast<int16_t>(t);
    }
    store.league.PlayerCount = static_cast<int16_t>(n);
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
    addMembers(store, 7, 1, [](int p) { return "Member Number 00" + std::to_string(p) + "x"; });
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
    EXPECT_EQ(Lines(pages[0].begin() + 10, pages[0].begin() + 14),
              (Lines{summaryMemberLines(store, 1)[0], summaryMemberLines(store, 1)[1],
                     summaryMemberLines(store, 1)[2], " "}));
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

// A team's page breaks after line 52; printed, each page opens with a space
// line and sets the font again.
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

    // The job starts with its space line, then the font; a new page starts the job again and
    // sets the font name and size (bold stays).
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
    EXPECT_EQ(printer.pages().size(), 2u);
}
