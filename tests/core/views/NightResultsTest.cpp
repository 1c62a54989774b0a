// The results of a date: the order by net, the nine-hole net against half the
// course handicap, the marks of the low scores with their ties, the indexes
// before and after, and the team standings; as CSV, text and printed pages.
#include "views/NightResults.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "services/TextPrinter.h"
#include "store/CsvWriter.h"

#include <gtest/gtest.h>

namespace tallyrock::test {
namespace {

const Date Today{7, 4, 2006};

// A league night of 07/03/06 on a course of slope 113 (the course handicap is
// the index rounded): five nine-hole rounds and one of eighteen.
class NightResultsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setCourse(store, 1, "Pine Hills", "PH");
        store.league.LeagueFilePath = "Monday.LGE";
        store.settings.FontName = "Courier New";
        // name, index before (none: first round), out, in, index after
        struct Night {
            const char* name;
            float before;
            int out, in;
            float after;
        };
        for (const Night& n : {Night{"Smith, Ann", 12.3f, 45, 0, 12.1f}, Night{"Bob", 15.0f, 0, 46, 15.4f},
                               Night{"Cyd", 12.9f, 43, 0, 12.9f}, Night{"Dee", 8.0f, 41, 0, 7.6f},
                               Night{"Eve", -1, 40, 0, 20.1f}, Night{"Fay", 10.2f, 38, 42, 10.0f}}) {
            int p = addSamplePlayer(store, n.name);
            if (n.before >= 0) addRound(store, p, {6, 26, 6, 1, 40, 41, n.before, 0, {}});
            addRound(store, p, {7, 3, 6, 1, n.out, n.in, n.after, 0, {}});
            addRound(store, p, {7, 10, 6, 1, 44, 0, n.after, 0, {}});
        }
    }
    Store store;
};

TEST_F(NightResultsTest, BestNetFirstWithNineHolesAgainstHalfTheHandicap) {
    NightSheet sheet = nightResults(store, 7, 3, 6);
    // Course handicaps 13 and 15 halve to 6.5 and 7.5, which go to the even 6 and 8.
    // Cyd and Dee tie for the low net (both marked); Eve, with no index before, has
    // no net, comes last and holds the low gross.
    const CsvRows expected{
        {"player", "course", "tee", "gross", "course_handicap", "net", "index_before", "index_after"},
        {"Dee", "Pine Hills", "2", "41", "8", "37", "8.0", "7.6"},
        {"Cyd", "Pine Hills", "2", "43", "13", "37", "12.9", "12.9"},
        {"Bob", "Pine Hills", "2", "46", "15", "38", "15.0", "15.4"},
        {"Smith, Ann", "Pine Hills", "2", "45", "12", "39", "12.3", "12.1"},
        {"Fay", "Pine Hills", "2", "80", "10", "70", "10.2", "10.0"},
        {"Eve", "Pine Hills", "2", "40", "", "", "", "20.1"},
    };
    EXPECT_EQ(nightCsvRows(sheet), expected);
    std::vector<std::pair<bool, bool>> marks; // low gross, low net
    for (const NightRound& round : sheet.rounds)
        marks.emplace_back(round.lowGross, round.lowNet);
    EXPECT_EQ(
        marks,
        (std::vector<std::pair<bool, bool>>{
            {false, true}, {false, true}, {false, false}, {false, false}, {false, false}, {true, false}}));
    EXPECT_TRUE(sheet.teams.empty());
}

TEST_F(NightResultsTest, SheetLinesWithTeamStandings) {
    store.teams.TeamsInUse = 1;
    store.teams.TeamCount = 3;
    const std::pair<const char*, float> teams[] = {{"Eagles", 12.5f}, {"Hawks", 20.0f}, {"Owls", 12.5f}};
    for (int t = 1; t <= 3; ++t) {
        TeamRecord& team = store.teams.team[static_cast<std::size_t>(t)];
        team.TeamName = teams[t - 1].first;
        team.TeamEntryCount = 1;
        team.entry[1].TeamEntryPoints = teams[t - 1].second;
    }
    NightSheet sheet = nightResults(store, 7, 3, 6);
    ASSERT_EQ(sheet.teams.size(), 3u);
    EXPECT_EQ(sheet.teams[1].rank, 2); // level on points, level in rank
    EXPECT_EQ(sheet.teams[2].rank, 2);

    const std::vector<std::string> expected{
        "      Monday                                                                 Tallyrock   07-04-2006",
        " ",
        "      Results of 07/03/06",
        " ",
        "      Player              Course            Tee    Holes Gross   C Hcp   Net   Before  After Change",
        "      " + std::string(93, '_'),
        "      Dee                 Pine Hills        Mens       9    41       8    37 *    8.0    7.6   -0.4",
        "      Cyd                 Pine Hills        Mens       9    43      13    37 *   12.9   12.9    0.0",
        "      Bob                 Pine Hills        Mens       9    46      15    38     15.0   15.4   +0.4",
        "      Smith, Ann          Pine Hills        Mens       9    45      12    39     12.3   12.1   -0.2",
        "      Fay                 Pine Hills        Mens      18    80      10    70     10.2   10.0   -0.2",
        "      Eve                 Pine Hills        Mens       9    40 *                        20.1",
        " ",
        "      * the low gross and the low net (each of them when tied).",
        "      Before, After: the handicap index before the round and after it.",
        "      A nine-hole round's net is worked against half the course handicap.",
        " ",
        "      Team standings (points to date)",
        " ",
        "        1  Hawks                                       20.0",
        "        2  Eagles                                      12.5",
        "        2  Owls                                        12.5",
    };
    EXPECT_EQ(nightSheetLines(store, sheet, Today), expected);

    store.teams.team[3].entry[1].TeamEntryPoints = 20.0f; // Owls level with Hawks at the top
    NightSheet top = nightResults(store, 7, 3, 6);
    EXPECT_EQ((std::array{top.teams[0].rank, top.teams[1].rank, top.teams[2].rank}), (std::array{1, 1, 3}));
}

TEST(NightResultsPages, LongNightsRepeatTheHeadingOnEachPage) {
    Store store;
    setCourse(store, 1, "Pine Hills", "PH");
    for (int p = 1; p <= 70; ++p)
        addRound(store, addSamplePlayer(store, "Player " + std::to_string(p)),
                 {7, 3, 6, 1, 40, 0, 9.0f, 0, {}});
    NightSheet sheet = nightResults(store, 7, 3, 6);
    const std::vector<std::string> lines = nightSheetLines(store, sheet, Today);
    TextPrinter printer;
    printNightResults(printer, store, sheet, Today);
    std::vector<std::string> pages = splitText(printer.text(), '\f');
    ASSERT_EQ(pages.size(), 2u);
    std::string first = " \n", second = " \n" + lines[4] + "\n" + lines[5] + "\n";
    for (std::size_t i = 0; i < lines.size(); ++i)
        (i < 59 ? first : second) += lines[i] + "\n";
    EXPECT_EQ(pages[0], first);
    EXPECT_EQ(pages[1], second);
}

TEST_F(NightResultsTest, DatesTypedAndDatesWithoutRounds) {
    EXPECT_EQ(nightResultsOf(store, "2006-07-03").sheet.rounds.size(), 6u);
    EXPECT_EQ(nightResultsOf(store, "7/3/2006").sheet.rounds.size(), 6u);
    EXPECT_EQ(nightResultsOf(store, "07/04/06").refusal->text,
              "No round of this league was played on 07/04/06.");
    EXPECT_EQ(nightResultsOf(store, "07/32/06").refusal->text,
              "\"07/32/06\" is not a date MM/DD/YY, MM/DD/YYYY or YYYY-MM-DD from 1985 to 2084.");
    EXPECT_EQ(latestRoundDateText(store), "07/10/06");
}

} // namespace
} // namespace tallyrock::test
