// The worksheet, the results of a date and the CSV exports through the command-line tool.
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

namespace tallyrock::test {
namespace {

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
    EXPECT_NE(text.find("\nRule: best 1 of 3 rounds by the standard schedule\n"), std::string::npos);
    EXPECT_NE(text.find("\nHandicap index: 14.7\n"), std::string::npos);

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
    for (auto [asOf, index, history] : {std::tuple<std::string, json, std::size_t>{"06/12/24", 16.5, 2},
                                        {"06/01/2024", nullptr, 0},
                                        {"12/31/24", 14.7, 3}}) {
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

TEST_F(CliExportTest, TheNightSheetAndEachExportGiveTheCoreRows) {
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
}

TEST_F(CliExportTest, RefusalsChangeNothing) {
    const std::pair<Args, std::string> cases[] = {
        {{"rounds", "Friday.LGE"},
         "\"Friday.LGE\" is one of Tallyrock's data files. An export never replaces a data file.\n"},
        {{"rounds", "../out.csv"},
         "\"../out.csv\" is outside the data folder. An export is written inside it.\n"},
        {{"scores", "out.csv"}, "There is no export 'scores'.\n"},
        {{"worksheet", "Nobody", "out.csv"}, "There is no player 'Nobody' in this league.\n"},
        {{"night", "out.csv"}, "Usage: export LEAGUE night DATE FILE.csv\n"},
        {{"night", "07/04/06", "out.csv"}, "No round of this league was played on 07/04/06.\n"},
    };
    for (const auto& [words, message] : cases)
        refused(Args{"export", "Friday"} + words, message);
    EXPECT_FALSE(std::filesystem::exists(dir.path().parent_path() / "out.csv"));
}

} // namespace
} // namespace tallyrock::test
