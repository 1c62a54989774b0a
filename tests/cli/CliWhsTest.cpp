// The World Handicap System through the command-line tool: the rules, the
// course data commands, and recording, editing, deleting and importing
// rounds with the method's panel.
#include "cli/CliRunner.h"
#include "core/TestFiles.h"

#include <gtest/gtest.h>

using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

const std::string holes94 = "5,5,4,6,5,9,4,6,5,5,5,4,6,5,5,4,6,5"; // 49 + 45
const std::string straightIndexes = "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18";
const std::string note = "computed by Tallyrock by the WHS rules; not an official Handicap Index";

class CliWhs : public ::testing::Test {
  protected:
    CliWhs() {
        EXPECT_TRUE(makeMonAtPineHills(dir.path()));
        run({"rules", "--method", "4"});
    }
    void run(const std::vector<std::string>& args) {
        CliResult r = runCli(dir.path(), args);
        ASSERT_EQ(r.status, 0) << args[0] << ": " << r.err;
    }
    CliResult record(const std::string& date, const std::string& holes = holes94) {
        return runCli(dir.path(), {"record", "Mon", "--player", "Ann Lee", "--course", "Pine Hills", "--date",
                                   date, "--holes", holes});
    }
    void expectRefused(const std::vector<std::string>& args, const std::string& err) {
        CliResult r = runCli(dir.path(), args);
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_EQ(r.err, err + "\n") << args[0];
    }
    TempDir dir;
};

TEST_F(CliWhs, CourseDataCommandsWriteTheirFilesOrRefuse) {
    const std::string siRefusal =
        "The stroke indexes of the Mens Tee must hold each number\nfrom 1 to 18 once (1 the hardest hole).";
    const std::vector<std::string> si{"course-si", "--course", "pine hills", "--tee", "2", "--si"};
    auto with = [](std::vector<std::string> args, const std::string& last) {
        args.push_back(last);
        return args;
    };
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {with(si, "1,1,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18"), siRefusal},
        {with(si, straightIndexes + ",19"), siRefusal},
        {{"course-si", "--course", "Elm", "--tee", "2", "--si", straightIndexes}, "no course named \"Elm\""},
        {{"course-nines", "--course", "Pine Hills", "--tee", "2", "--front", "35.3", "--back", "35.9,129"},
         "--front needs RATING,SLOPE, for example 35.3,121"},
        {{"course-nines", "--course", "Pine Hills", "--tee", "2", "--front", "35.3,170", "--back",
          "35.9,129"},
         "The nine-hole ratings of the Mens Tee need a rating from 10.0 to 60.0\n"
         "and a slope from 55 to 155 for each nine, or none at all."},
        {{"pcc", "--course", "Pine Hills", "--date", "06/05/24", "--value", "4"},
         "The PCC is a whole number from -1 to 3."},
        {{"pcc", "--course", "Pine Hills", "--date", "6/31/24", "--value", "1"},
         "date \"6/31/24\" is not MM/DD/YY or MM/DD/YYYY from 1985 to 2084"},
    };
    for (const auto& [args, message] : cases)
        expectRefused(args, message);
    EXPECT_FALSE(fs::exists(dir / "whs-tees.dat") || fs::exists(dir / "whs-pcc.dat"));

    run(with(si, straightIndexes));
    run({"course-nines", "--course", "Pine Hills", "--tee", "2", "--front", "35.3,121", "--back",
         "35.9,129"});
    run({"pcc", "--course", "Pine Hills", "--date", "06/05/2024", "--value", "2"});
    auto tees = fileLines(readFile(dir / "whs-tees.dat"));
    ASSERT_EQ(tees.size(), 25u);
    EXPECT_EQ(std::vector<std::string>(tees.begin(), tees.begin() + 4),
              (std::vector<std::string>{" 1 ", " 1 ", " 2 ", " 1 "}));
    EXPECT_EQ(std::vector<std::string>(tees.end() - 4, tees.end()),
              (std::vector<std::string>{" 35.3 ", " 121 ", " 35.9 ", " 129 "}));
    EXPECT_EQ(readFile(dir / "whs-pcc.dat"), crlf({" 1 ", " 1 ", " 6 ", " 5 ", " 24 ", " 2 "}));
}

TEST_F(CliWhs, RulesTakeTheAllowanceAndTheExpectedNineHoleNumbers) {
    run({"rules", "--allowance", "85", "--expected-nine", "0.5,1"});
    CliResult r = runCli(dir.path(), {"rules"});
    EXPECT_NE(r.out.find("HcpMethod 4\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\nWhsAllowance 85\nWhsExpectedNine 0.50,1.0\n"), std::string::npos) << r.out;
    expectRefused({"rules", "--expected-nine", "0.5"}, "--expected-nine needs A,B, for example 0.52,1.2");
}

TEST_F(CliWhs, RoundsAreRecordedEditedDeletedAndImportedWithTheMethodsPanel) {
    CliResult refused = record("06/05/24");
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "the course Pine Hills has no stroke indexes for the Mens Tee\n");
    run({"course-si", "--course", "Pine Hills", "--tee", "2", "--si", straightIndexes});

    CliResult first = record("06/05/24");
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out,
              "Round of 06/05/24 at the course Pine Hills, Mens Tee: rating 71.2, slope 125, par 72\n"
              "Index before the round: none yet (NH)\n"
              "Course handicap: none without an index; every hole's maximum is par + 5\n"
              "Hole maximums (par + 5): 9 9 8 10 9 9 8 10 9 9 9 8 10 9 9 8 10 9\n"
              "Adjusted gross score: 94; PCC 0\n"
              "Differential: 113 / 125 x (94 - 71.2 - 0) = 20.61, rounded 20.6\n"
              "Holes posted: 18; no index before 54 holes: NH\n"
              "Handicap index: NH (" +
                  note + ")\n");
    auto lines = fileLines(readFile(dir / "Mon.LGE"));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.begin() + 11),
              (std::vector<std::string>{" 20.6 ", " 6 ", " 5 ", " 24 ", "-999 ", "-999 ", " 1 "}));

    ASSERT_EQ(record("06/12/24").status, 0);
    CliResult third = record("06/19/24", "4,4,3,5,4,4,3,5,4,4,4,3,5,4,4,3,5,10");
    ASSERT_EQ(third.status, 0);
    EXPECT_NE(third.out.find("Hole 18: 10 counted as 9\n"), std::string::npos)
        << "par + 5 still: " << third.out;
    EXPECT_NE(third.out.find("Lowest 1: "), std::string::npos) << third.out;

    CliResult edit = runCli(
        dir.path(), {"edit-round", "Mon", "--player", "Ann Lee", "--slot", "1", "--out", "40", "--in", "41"});
    ASSERT_EQ(edit.status, 0) << edit.err;
    EXPECT_NE(edit.out.find("2 later rounds worked again from the new index before them\n"),
              std::string::npos)
        << edit.out;
    CliResult del = runCli(dir.path(), {"delete-round", "Mon", "--player", "Ann Lee", "--slot", "1"});
    ASSERT_EQ(del.status, 0) << del.err;
    EXPECT_NE(del.out.find("1 later round worked again"), std::string::npos) << del.out;

    writeFile(dir / "week.csv", "date,player,course,out,in\r\n06/26/24,Ann Lee,Pine Hills,44,45\r\n");
    CliResult imported = runCli(dir.path(), {"import", "Mon", "week.csv"});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out.substr(0, 8), "Ann Lee\n");
    EXPECT_NE(imported.out.find("Handicap index: "), std::string::npos);
    EXPECT_EQ(imported.out.substr(imported.out.size() - 18), "1 rounds recorded\n");
}

} // namespace
