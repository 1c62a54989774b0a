// The rounds view, the reports, charts, cards, team summary, worksheet, results of a date and the
// CSV exports through the command-line tool.
#include "cli/CliTest.h"
#include "core/Samples.h"
#include "roster/PlayerOps.h"
#include "services/TextPrinter.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "views/CsvExport.h"
#include "views/NightResults.h"
#include "views/Worksheet.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdlib>

namespace tallyrock::test {
namespace {

const std::string Title = "      Friday" + std::string(30, ' ') + "Tallyrock   07-04-2024";
const std::string Heading =
    "            Name               Date   Course  Out  In Total Hcp Index   C Hcp # rounds";
const std::string Separator = "      " + std::string(82, '_');
const std::string AnnLine =
    "       Ann Able              07/03/06   PCC   45   43   88    11.8       12      2";
const std::string BobLine =
    "       Bob Baker             07/03/06   PCC   40   41   81     5.0        5      1";

// League "Friday": Ann with rounds of 06/01/06 and 07/03/06, Bob with one of 07/03/06.
class CliReportTest : public CliTest {
  protected:
    void SetUp() override {
        makeFridayAtPineCreek();
        Store store = storeIn(dir.path(), "Friday.LGE");
        int ann = addSamplePlayer(store, "Ann Able");
        int bob = addSamplePlayer(store, "Bob Baker");
        addRounds(store, ann, {{6, 1, 6, 1, 44, 45, 12.3f, 12}, {7, 3, 6, 1, 45, 43, 11.8f, 12}});
        addRound(store, bob, RoundSample{7, 3, 6, 1, 40, 41, 5.0f, 5});
        ASSERT_FALSE(SaveLeagueFile(store));
    }
    // What `print Friday ARGS` writes to a text file.
    std::string printed(const Args& args) const {
        ok(Args{"print", "Friday"} + args + Args{"--text", "out.txt"});
        return readFile(dir / "out.txt");
    }
};

// The recent view and the course chart listed and printed as text; the listing's
// options for earlier presses, one player and long lines; refusals.
TEST_F(CliReportTest, ListingsAndTheCourseChartWithTheirOptionsOrRefused) {
    EXPECT_EQ(ok({"listing", "Friday"}), text({Title, " ", Heading, Separator, AnnLine, BobLine}));
    ok({"listing", "Friday", "--out", "list.txt"});
    EXPECT_EQ(lineCount(readFile(dir / "list.txt")), 6);
    EXPECT_EQ(printed({"short"}),
              text({" ", " ", " ", " ", " ", Title, "", Heading, Separator, AnnLine, BobLine}));
    std::string chart = printed({"chart", "pine creek club", "2"});
    EXPECT_NE(chart.find("\n   Pine Creek Club\n \n     Mens Tee - slope 126\n"), std::string::npos);

    std::string back = ok({"listing", "Friday", "--back", "1"});
    EXPECT_NE(back.find("Ann Able              06/01/06"), std::string::npos);
    EXPECT_EQ(back.find("Bob Baker"), std::string::npos);
    EXPECT_EQ(ok({"listing", "Friday", "--view", "date", "--back", "1"}).find("07/03/06"), std::string::npos);

    std::string player = ok({"listing", "Friday", "--player", "Ann Able"});
    EXPECT_LT(player.find("07/03/06"), player.find("06/01/06")); // newest first

    std::string longer = ok({"listing", "Friday", "--long"});
    EXPECT_EQ(longer.substr(0, longer.find('\n')),
              "      Friday" + std::string(70, ' ') + "Tallyrock   07-04-2024");
    EXPECT_NE(
        longer.find(" 18  C Hcp # rnd\n      " + std::string(129, '-') + "\n      Ann Able              "),
        std::string::npos);
    const std::pair<Args, int> cases[] = {
        {{"listing", "Friday", "--player", "Nobody"}, 1},
        {{"listing", "Saturday"}, 1},
        {{"listing", "Friday", "--view", "sideways"}, 2},
        {{"print", "Friday", "chart", "Pine Creek Club", "4", "--text", "x.txt"}, 1},
        {{"print", "Friday", "nothing", "--text", "x.txt"}, 1},
        {{"print", "Friday", "short"}, 2}, // no output named
        {{"print", "Friday", "short", "--text", "a", "--pdf", "b"}, 2},
    };
    for (const auto& [args, status] : cases)
        refused(args, "", status);
}

// What a poppler tool says of a PDF; empty when the tool is not installed.
std::string poppler(const std::string& tool, const std::filesystem::path& pdf) {
    const std::string out = pdf.string() + ".out";
    std::string command =
        tool + " '" + pdf.string() + "' " + (tool == "pdfinfo" ? "" : "- ") + "> '" + out + "' 2>/dev/null";
    return std::system(command.c_str()) == 0 ? readFile(out) : std::string();
}

// The columns keep their places in a PDF, and lines past the last page break go on the next page.
TEST_F(CliReportTest, PrintToPdfKeepsTheColumnsAlignedAndBreaksPages) {
    CliResult r = run({"print", "Friday", "long", "--pdf", "long.pdf"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    ASSERT_EQ(readFile(dir / "long.pdf").substr(0, 5), "%PDF-");
    const std::string pdfText = poppler("pdftotext -layout", dir / "long.pdf");
    if (pdfText.empty()) GTEST_SKIP() << "pdftotext is not installed";
    auto lineWith = [&](const std::string& part) {
        std::size_t at = pdfText.find(part), start = pdfText.rfind('\n', at) + 1;
        return pdfText.substr(start, pdfText.find('\n', at) - start);
    };
    std::string heading = lineWith("Course"), ann = lineWith("Ann Able"), bob = lineWith("Bob Baker");
    EXPECT_NE(lineWith("Friday").find("Tallyrock   07-04-2024"), std::string::npos);
    // The round lines keep their spacing up to the index, and every column its place.
    ASSERT_NE(ann.find("Ann Able              07/03/06   PCC   45   43   88    11.8"), std::string::npos)
        << ann;
    ASSERT_NE(bob.find("Bob Baker             07/03/06   PCC   40   41   81     5.0"), std::string::npos)
        << bob;
    EXPECT_EQ(ann.find("Ann"), bob.find("Bob"));
    EXPECT_EQ(heading.find("Date"), ann.find("07/03/06") + 2);
    EXPECT_EQ(ann.rfind(" 2"), bob.rfind(" 1"));

    Store store = storeIn(dir.path(), "Friday.LGE");
    for (int i = 1; i <= 70; ++i)
        addRounds(store, addSamplePlayer(store, "Player " + std::to_string(i)), {{8, 1, 6}, {8, 1, 6}});
    ASSERT_FALSE(SaveLeagueFile(store));
    ok({"print", "Friday", "long", "--view", "date", "--pdf", "many.pdf"});
    std::string info = poppler("pdfinfo", dir / "many.pdf");
    // 140 round lines: breaks after items 43 and 86, then the page fills up and the rest goes on a fourth.
    EXPECT_NE(info.find("Pages:           4\n"), std::string::npos) << info;
    EXPECT_NE(poppler("pdftotext -layout", dir / "many.pdf").find("Player 70"), std::string::npos);
}

// Each chart reaches the named player with today's date; what the charts hold
// line by line is the core's to check.
TEST_F(CliReportTest, EachChartPrintsTheNamedPlayersOrNamesTheProblem) {
    for (const char* report : {"trend", "pie"}) {
        std::string chart = printed({report, "Ann Able"});
        EXPECT_NE(chart.find("\nAnn Able" + std::string(15, ' ') + "\n"), std::string::npos) << chart;
        EXPECT_TRUE(chart.ends_with("\n07-04-2024\n")) << chart;
        ok({"print", "Friday", report, "Ann Able", "--pdf", "chart.pdf"});
        EXPECT_EQ(readFile(dir / "chart.pdf").substr(0, 5), "%PDF-") << report;
    }
    ok({"add-player", "Friday", "Cy Park"});
    // Cards of the named players with the comment, or else today's date.
    std::string cards = printed({"cards", "Bob Baker", "Ann Able", "--comment", "Spring 2024"});
    EXPECT_NE(cards.find("\nBob Baker\n"), std::string::npos);
    EXPECT_NE(cards.find("\nAnn Able\n"), std::string::npos);
    EXPECT_EQ(cards.find("Cy Park"), std::string::npos);
    EXPECT_NE(cards.find("\nSpring 2024\n"), std::string::npos);
    EXPECT_NE(printed({"cards", "Cy Park"}).find("\n07-04-2024\n"), std::string::npos);
    std::string compare = printed({"compare"});
    EXPECT_LT(compare.find("Bob Baker"), compare.find("Ann Able"));
    EXPECT_EQ(compare.find("Cy Park"), std::string::npos); // no rounds
    const std::pair<Args, std::string> refusals[] = {
        {{"trend", "Zed"}, "There is no player 'Zed' in this league.\n"},
        {{"pie"}, "The pie needs one PLAYER: print LEAGUE pie PLAYER\n"},
        {{"cards"}, "No Players selected, cannot continue.\n"},
        {{"compare", "Ann Able"}, ""},
    };
    for (const auto& [args, message] : refusals)
        refused(Args{"print", "Friday"} + args + Args{"--text", "out.txt"}, message);
}

// Eagles (Ann) with two entries, Hawks (Bob) with none. The summary's layout is
// the core's to check; here the options and the refusals.
TEST_F(CliReportTest, TeamSummaryWithNamesOrOfTheLastEventOrRefused) {
    refused({"print", "Friday", "teams", "--text", "out.txt"},
            "No player of this league belongs to a team.\n");
    const std::string teams = crlf({" 2 ", "Eagles", "Hawks", " 1 ", " 2 ", " 2 ", "Week 1", " 12 ", " 3.5 ",
                                    "Week 2", " 15 ", " 4 ", " 0 "});
    writeFile(dir / "Friday.tea", teams);
    const std::string week1 = "    Week 1" + std::string(50, ' ') + "  12.0" + "   " + "   3.5\n";
    const std::string week2 = "    Week 2" + std::string(50, ' ') + "  15.0" + "   " + "   4.0\n";
    std::string named = printed({"teams", "--names"});
    EXPECT_NE(named.find("    Team: Eagles\n \n    Ann Able \n \n" + week1 + week2), std::string::npos)
        << named;
    EXPECT_NE(named.find("    Team: Hawks\n \n    Bob Baker \n"), std::string::npos) << named;
    EXPECT_EQ(readFile(dir / "Friday.tea"), teams); // printing changes no data
    std::string last = printed({"teams", "--last"});
    EXPECT_NE(last.find("    Team: Eagles\n \n" + week2), std::string::npos) << last;
    EXPECT_EQ(last.find("Week 1"), std::string::npos);
    refused({"print", "Friday", "teams", "all", "--text", "out.txt"},
            "The team summary takes no arguments.\n");
}

// The worksheet, the results of a date and the CSV exports.

using nlohmann::json;

// Every member of `expected` as it is in `actual`.
void expectMembers(const json& actual, const std::string& expected) {
    const json members = json::parse(expected);
    for (const auto& [key, value] : members.items())
        EXPECT_EQ(actual[key], value) << key;
}

// One member of every element of an array.
json column(const json& array, const std::string& key) {
    json values = json::array();
    for (const json& element : array)
        values.push_back(element[key]);
    return values;
}

class CliExplainTest : public CliTest {
  protected:
    void SetUp() override {
        ok({"create-league", "Friday"});
        ok({"add-course", "--name", "Pine Creek Club", "--pars", par4s, "--initials", "PCC", "--ratings",
            "68.2,70.1,72.4", "--slopes", "118,124,131"});
        ok({"add-player", "Friday", "Ann Able", "--tee", "2"});
        ok({"add-player", "Friday", "Bob Baker", "--tee", "1"});
        // From the Mens tee (70.1, 124): 17.2, 20.9, 15.4; the index after each 16.5, 16.5, 14.7.
        for (auto [date, out, in] : {std::tuple{"06/04/24", "45", "44"}, std::tuple{"06/11/24", "47", "46"},
                                     std::tuple{"06/18/24", "43", "44"}})
            ok({"record", "Friday", "--player", "Ann Able", "--course", "Pine Creek Club", "--date", date,
                "--out", out, "--in", in});
    }
};

TEST_F(CliExplainTest, LinesAndJsonOfTheSameWorksheetAsOfTodayOrAnEarlierDate) {
    std::string text = ok({"explain", "Friday", "Ann Able"});
    EXPECT_EQ(text.substr(0, text.find('\n')), "Handicap Worksheet: Ann Able, as of 07/04/2024");

    std::string out = ok({"explain", "Friday", "Ann Able", "--json"});
    // Singles are written as the worksheet shows them, not as their binary value.
    EXPECT_EQ(out.find("0000"), std::string::npos) << out;
    json j = json::parse(out);
    expectMembers(j, R"({"player": "Ann Able", "as_of": "2024-07-04", "method": 1, "index": 14.7,
                         "rule": "best 1 of 3 rounds by the standard schedule"})");
    ASSERT_EQ(j["steps"].size(), 8u);
    for (const json& step : j["steps"])
        EXPECT_NE(text.find("\n" + step.get<std::string>() + "\n"), std::string::npos) << step;
    ASSERT_EQ(j["rounds"].size(), 3u);
    expectMembers(j["rounds"][2], R"({"slot": 3, "date": "2024-06-18", "course": "PCC", "tee": 2, "out": 43,
                                     "in": 44, "gross": 87, "rating": 70.1, "differential": 15.4})");
    EXPECT_EQ(j["rounds"][2]["holes"], json(std::vector<int>(18, 0)));
    EXPECT_EQ(column(j["rounds"], "used"), json::parse("[false, false, true]"));
    EXPECT_EQ(column(j["rounds"], "index_after"), json::parse("[16.5, 16.5, 14.7]"));
    EXPECT_EQ(j["history"],
              json::parse(R"([{"date":"2024-06-04","index":16.5},{"date":"2024-06-11","index":16.5},
                                            {"date":"2024-06-18","index":14.7}])"));
    // 14.7 x 118, 124, 131 / 113, half up.
    EXPECT_EQ(column(j["course_handicaps"], "course_handicap"), json::parse("[15, 16, 17]"));
    for (auto [asOf, index, history] :
         {std::tuple<std::string, json, std::size_t>{"06/12/24", 16.5, 2}, {"06/01/2024", nullptr, 0}}) {
        json earlier = json::parse(ok({"explain", "Friday", "Ann Able", "--as-of", asOf, "--json"}));
        EXPECT_EQ(earlier["index"], index) << asOf;
        EXPECT_EQ(earlier["history"].size(), history) << asOf;
    }
    refused({"explain", "Friday", "Ann Able", "--as-of", "13/01/24"});
    refused({"explain", "Friday", "Nobody"});
    refused({"explain", "Friday", "Ann Able", "--json", "--text", "a.txt"}, "", 2);
    ok({"print", "Friday", "worksheets", "--as-of", "06/30/24", "--text", "all.txt"});
    const std::string sheets = readFile(dir / "all.txt");
    EXPECT_EQ(std::count(sheets.begin(), sheets.end(), '\f'), 1);
    EXPECT_NE(sheets.find("Handicap Worksheet: Ann Able, as of 06/30/2024"), std::string::npos);
    EXPECT_GT(sheets.find("Handicap Worksheet: Bob Baker, as of 06/30/2024"), sheets.find('\f'));
    ok({"explain", "Friday", "Ann Able", "--pdf", "ann.pdf"});
    EXPECT_EQ(readFile(dir / "ann.pdf").substr(0, 5), "%PDF-");
}

class CliExportTest : public CliTest {
  protected:
    void SetUp() override {
        makeFridayAtPineCreek();
        Store store = storeIn(dir.path(), "Friday.LGE");
        int ann = addSamplePlayer(store, "Smith, Ann");
        int bob = addSamplePlayer(store, "Bob \"Ace\" Baker", 1);
        addRounds(store, ann, {{6, 1, 6, 1, 44, 45, 12.3f, 14}, {7, 3, 6, 1, 45, 43, 11.8f, 13}});
        addRounds(store, bob, {{6, 1, 6, 1, 40, 0, 5.0f, 5}, {7, 3, 6, 1, 40, 41, 5.2f, 5}});
        ASSERT_FALSE(SaveLeagueFile(store));
    }
};

TEST_F(CliExportTest, TheNightSheetAndEachExportGiveTheCoreRowsOrRefuse) {
    ok({"print", "Friday", "night", "07/03/06", "--text", "night.txt"});
    // The league as the tool reads it.
    Store store = storeIn(dir.path(), "Friday.LGE");
    ASSERT_FALSE(LoadLeagueFile(store) || LoadCourseFile(store));
    TextPrinter expected;
    printNightResults(expected, store, nightResults(store, 7, 3, 6), Date{7, 4, 2024});
    EXPECT_EQ(readFile(dir / "night.txt"), expected.text());
    EXPECT_NE(expected.text().find("Smith, Ann          Pine Creek Club   Mens"), std::string::npos);
    refused({"print", "Friday", "night", "07/04/06", "--text", "none.txt"},
            "No round of this league was played on 07/04/06.\n");
    refused({"print", "Friday", "night", "--text", "none.txt"});
    const std::pair<Args, CsvRows> cases[] = {
        {{"rounds", "rounds.csv"}, roundsCsvRows(store)},
        {{"players", "players"}, playersCsvRows(store)},
        {{"indexes", "indexes.csv"}, indexesCsvRows(store)},
        {{"night", "2006-07-03", "night.csv"}, nightCsvRows(nightResults(store, 7, 3, 6))},
        {{"worksheet", "Smith, Ann", "ann.csv"},
         worksheetCsvRows(buildWorksheet(store, findPlayer(store.league, "Smith, Ann"), Date{7, 4, 2024}))},
    };
    for (const auto& [words, rows] : cases) {
        ok(Args{"export", "Friday"} + words);
        std::string file = words.back().find('.') == std::string::npos ? words.back() + ".csv" : words.back();
        EXPECT_EQ(readFile(dir / file), csvText(rows)) << words[0];
    }
    EXPECT_NE(readFile(dir / "players.csv").find("\"Bob \"\"Ace\"\" Baker\",1,2,2006-07-03,5.2,5\r\n"),
              std::string::npos);
    const std::pair<Args, std::string> refusals[] = {
        {{"rounds", "Friday.LGE"},
         "\"Friday.LGE\" is one of Tallyrock's data files. An export never replaces a data file.\n"},
        {{"rounds", "../out.csv"},
         "\"../out.csv\" is outside the data folder. An export is written inside it.\n"},
        {{"scores", "out.csv"}, "There is no export 'scores'.\n"},
        {{"worksheet", "Nobody", "out.csv"}, "There is no player 'Nobody' in this league.\n"},
        {{"night", "out.csv"}, "Usage: export LEAGUE night DATE FILE.csv\n"},
        {{"night", "07/04/06", "out.csv"}, "No round of this league was played on 07/04/06.\n"},
    };
    for (const auto& [words, message] : refusals)
        refused(Args{"export", "Friday"} + words, message);
    EXPECT_FALSE(std::filesystem::exists(dir.path().parent_path() / "out.csv"));
}

} // namespace
} // namespace tallyrock::test
