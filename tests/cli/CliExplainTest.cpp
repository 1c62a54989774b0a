// The handicap worksheet through the command-line tool: its lines, its JSON
// and the printed worksheets of a league.
#include "cli/CliRunner.h"
#include "core/TestFiles.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>

namespace tallyrock::test {
namespace {

using nlohmann::json;

class CliExplainTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(run({"create-league", "Friday"}).status, 0);
        ASSERT_EQ(
            run({"add-course", "--name", "Pine Creek Club", "--pars", "4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4",
                 "--initials", "PCC", "--ratings", "68.2,70.1,72.4", "--slopes", "118,124,131"})
                .status,
            0);
        ASSERT_EQ(run({"add-player", "Friday", "Ann Able", "--tee", "2"}).status, 0);
        ASSERT_EQ(run({"add-player", "Friday", "Bob Baker", "--tee", "1"}).status, 0);
        // From the Mens tee (70.1, 124): 17.2, 20.9, 15.4; the index after each 16.5, 16.5, 14.7.
        for (auto [date, out, in] : {std::tuple{"06/04/24", "45", "44"}, std::tuple{"06/11/24", "47", "46"},
                                     std::tuple{"06/18/24", "43", "44"}})
            ASSERT_EQ(run({"record", "Friday", "--player", "Ann Able", "--course", "Pine Creek Club",
                           "--date", date, "--out", out, "--in", in})
                          .status,
                      0);
    }
    CliResult run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--today", "07-04-2024"});
        return runCli(dir.path(), args);
    }
    TempDir dir;
};

TEST_F(CliExplainTest, LinesAndJsonOfTheSameWorksheet) {
    CliResult text = run({"explain", "Friday", "Ann Able"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out.substr(0, text.out.find('\n')), "Handicap Worksheet: Ann Able, as of 07/04/2024");
    EXPECT_NE(text.out.find("\nRule: best 1 of 3 rounds by the standard schedule\n"), std::string::npos);
    EXPECT_NE(text.out.find("\nHandicap index: 14.7\n"), std::string::npos);

    CliResult r = run({"explain", "Friday", "Ann Able", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    // Singles are written as the worksheet shows them, not as their binary value.
    EXPECT_EQ(r.out.find("0000"), std::string::npos) << r.out;
    json j = json::parse(r.out);
    EXPECT_EQ(j["player"], "Ann Able");
    EXPECT_EQ(j["as_of"], "2024-07-04");
    EXPECT_EQ(j["method"], 1);
    EXPECT_EQ(j["index"], 14.7);
    EXPECT_EQ(j["rule"], "best 1 of 3 rounds by the standard schedule");
    ASSERT_EQ(j["steps"].size(), 8u);
    for (const json& step : j["steps"])
        EXPECT_NE(text.out.find("\n" + step.get<std::string>() + "\n"), std::string::npos) << step;
    ASSERT_EQ(j["rounds"].size(), 3u);
    const json& newest = j["rounds"][2];
    EXPECT_EQ(newest["slot"], 3);
    EXPECT_EQ(newest["date"], "2024-06-18");
    EXPECT_EQ(newest["course"], "PCC");
    EXPECT_EQ(newest["tee"], 2);
    EXPECT_EQ(newest["out"], 43);
    EXPECT_EQ(newest["in"], 44);
    EXPECT_EQ(newest["gross"], 87);
    EXPECT_EQ(newest["holes"], json(std::vector<int>(18, 0)));
    EXPECT_EQ(newest["rating"], 70.1);
    EXPECT_EQ(newest["differential"], 15.4);
    std::vector<bool> used;
    std::vector<double> after;
    for (const json& round : j["rounds"]) {
        used.push_back(round["used"]);
        after.push_back(round["index_after"]);
    }
    EXPECT_EQ(used, (std::vector<bool>{false, false, true}));
    EXPECT_EQ(after, (std::vector<double>{16.5, 16.5, 14.7}));
    EXPECT_EQ(j["history"],
              json::parse(R"([{"date":"2024-06-04","index":16.5},{"date":"2024-06-11","index":16.5},
                                            {"date":"2024-06-18","index":14.7}])"));
    // 14.7 x 118, 124, 131 / 113, half up.
    std::vector<int> handicaps;
    for (const json& c : j["course_handicaps"])
        handicaps.push_back(c["course_handicap"]);
    EXPECT_EQ(handicaps, (std::vector<int>{15, 16, 17}));
}

TEST_F(CliExplainTest, AsOfAnEarlierDate) {
    struct Case {
        std::string asOf;
        json index;
        std::size_t history;
    };
    for (const Case& c :
         {Case{"06/12/24", 16.5, 2}, Case{"06/01/2024", nullptr, 0}, Case{"12/31/24", 14.7, 3}}) {
        CliResult r = run({"explain", "Friday", "Ann Able", "--as-of", c.asOf, "--json"});
        ASSERT_EQ(r.status, 0) << r.err;
        json j = json::parse(r.out);
        EXPECT_EQ(j["index"], c.index) << c.asOf;
        EXPECT_EQ(j["history"].size(), c.history) << c.asOf;
    }
    EXPECT_EQ(run({"explain", "Friday", "Ann Able", "--as-of", "13/01/24"}).status, 1);
    EXPECT_EQ(run({"explain", "Friday", "Nobody"}).status, 1);
    EXPECT_EQ(run({"explain", "Friday", "Ann Able", "--json", "--text", "a.txt"}).status, 2);
}

TEST_F(CliExplainTest, PrintedWorksheetsOnePlayerToAPage) {
    CliResult r = run({"print", "Friday", "worksheets", "--as-of", "06/30/24", "--text", "all.txt"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::string text = readFile(dir / "all.txt");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 1);
    std::size_t page = text.find('\f');
    EXPECT_NE(text.find("Handicap Worksheet: Ann Able, as of 06/30/2024"), std::string::npos);
    EXPECT_GT(text.find("Handicap Worksheet: Bob Baker, as of 06/30/2024"), page);

    r = run({"explain", "Friday", "Ann Able", "--pdf", "ann.pdf"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readFile(dir / "ann.pdf").substr(0, 5), "%PDF-");
}

} // namespace
} // namespace tallyrock::test
