// Rounds, the course handicap calculator and the WHS course data through the command-line tool.
#include "cli/CliTest.h"

namespace tallyrock::test {
namespace {
namespace fs = std::filesystem;

// Line of slot r's value k (0 = differential ... 6 = course, 7.. holes) of player 1.
std::size_t slotLine(int r, int k) {
    return static_cast<std::size_t>(4 + (r - 1) * 27 + k);
}

class CliRounds : public CliTest {
  protected:
    void SetUp() override {
        makeMonAtPineHills();
        ok({"rules", "--nine-hole", "1"});
    }
    // Records a round of Ann Lee's that must land; the panel printed.
    std::string record(const Args& extra) {
        return ok(Args{"record", "Mon", "--player", "Ann Lee", "--course", "pine hills"} + extra);
    }
    const Args ann{"Mon", "--player", "Ann Lee"};
};

TEST_F(CliRounds, RecordPrintsTheCalculationPanelAndSaves) {
    EXPECT_EQ(record({"--date", "06/05/24", "--holes", holes94}),
              "Ann Lee\ndifferentials\n20.6\ntotal rounds = 1\n# of rounds used = 1\nAvg. = 20.60\n"
              "Hcp index = 19.7\n");
    auto lines = fileLines(readFile(dir / "Mon.LGE"));
    ASSERT_EQ(lines.size(), 1u + 543);
    // The differential, the date, the index, the course handicap and the course.
    EXPECT_EQ(Args(lines.begin() + slotLine(1, 0), lines.begin() + slotLine(1, 7)),
              (Args{" 20.6 ", " 6 ", " 5 ", " 24 ", " 19.7 ", " 22 ", " 1 "}));
    EXPECT_EQ((Args{lines[slotLine(1, 12)], lines[slotLine(1, 25)], lines[slotLine(1, 26)]}),
              (Args{" 9 ", " 49 ", " 45 "}));

    // A nine-hole round of totals, a four-digit year, another tee: 43 doubled, from the red tee.
    record({"--date", "6/12/2024", "--out", "43", "--tee", "1"});
    lines = fileLines(readFile(dir / "Mon.LGE"));
    EXPECT_EQ(lines[slotLine(2, 0)], " 15.2 "); // (86 - 70.1) x 113 / 118 = 15.23
}

TEST_F(CliRounds, RefusalsGiveTheImportsReasons) {
    const Args dated{"record", "Mon", "--player", "Ann Lee", "--course", "Pine Hills", "--date", "06/05/24"};
    const std::pair<Args, std::string> cases[] = {
        {{"record", "Mon", "--player", "Ann Lee", "--course", "Elm", "--date", "06/05/24", "--out", "40"},
         "no course named \"Elm\""},
        {dated + Args{"--holes", "4,4,4"}, "--holes needs 18 values, one for each hole"},
        {dated + Args{"--holes", holes94 + ",5"}, "--holes needs 18 values, one for each hole"},
        {Args{"edit-round"} + ann + Args{"--slot", "3", "--out", "40"},
         "player \"Ann Lee\" has no round in slot 3"},
        {Args{"delete-round"} + ann + Args{"--slot", "3"}, "player \"Ann Lee\" has no round in slot 3"},
        {{"import", "Mon", "missing.csv"}, "cannot read missing.csv"},
        // What is not a regular file, or too large for a week's scores, is never read.
        {{"import", "Mon", "folder"}, "cannot import folder: it is not a regular file"},
        {{"import", "Mon", "big.csv"}, "cannot import big.csv: it is larger than 16 MB"},
        {{"course-handicap", "nan", "113"}, "INDEX: 'nan' is not a number"},
        {{"course-handicap", "", "130"}, "Enter your Hcp Index"},
    };
    fs::create_directory(dir / "folder");
    writeFile(dir / "big.csv", "date,player,course,out,in\r\n");
    fs::resize_file(dir / "big.csv", 17u << 20);
    record({"--date", "06/05/24", "--out", "45", "--in", "44"});
    record({"--date", "06/12/24", "--out", "40", "--in", "45"});
    for (const auto& [args, message] : cases)
        refused(args, message + "\n");

    EXPECT_EQ(ok({"course-handicap", "12.3", "130"}), "Course Handicap = 14\n");
    EXPECT_EQ(ok({"course-handicap", "-2.0", "140"}), "Course Handicap = -2\n");
}

const std::string straightIndexes = "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18";

class CliWhs : public CliRounds {
  protected:
    void SetUp() override {
        makeMonAtPineHills();
        ok({"rules", "--method", "4"});
    }
    std::string recordHoles(const std::string& date) { return record({"--date", date, "--holes", holes94}); }
};

TEST_F(CliWhs, CourseDataAndRulesCommandsWriteTheirFilesOrRefuse) {
    const Args si{"course-si", "--course", "pine hills", "--tee", "2", "--si"};
    const Args nines{"course-nines", "--course", "Pine Hills", "--tee", "2", "--front"};
    const std::pair<Args, std::string> cases[] = {
        {si + Args{straightIndexes + ",19"}, "The stroke indexes of the Mens Tee must hold each number\nfrom "
                                             "1 to 18 once (1 the hardest hole).\n"},
        {{"course-si", "--course", "Elm", "--tee", "2", "--si", straightIndexes},
         "no course named \"Elm\"\n"},
        {nines + Args{"35.3", "--back", "35.9,129"}, "--front needs RATING,SLOPE, for example 35.3,121\n"},
        {{"pcc", "--course", "Pine Hills", "--date", "6/31/24", "--value", "1"},
         "date \"6/31/24\" is not MM/DD/YY or MM/DD/YYYY from 1985 to 2084\n"},
        {{"rules", "--expected-nine", "0.5"}, "--expected-nine needs A,B, for example 0.52,1.2\n"},
    };
    for (const auto& [args, message] : cases)
        refused(args, message);

    ok(si + Args{straightIndexes});
    ok(nines + Args{"35.3,121", "--back", "35.9,129"});
    ok({"pcc", "--course", "Pine Hills", "--date", "06/05/2024", "--value", "2"});
    auto tees = fileLines(readFile(dir / "whs-tees.dat"));
    ASSERT_EQ(tees.size(), 25u);
    EXPECT_EQ(Args(tees.begin(), tees.begin() + 4), (Args{" 1 ", " 1 ", " 2 ", " 1 "}));
    EXPECT_EQ(Args(tees.end() - 4, tees.end()), (Args{" 35.3 ", " 121 ", " 35.9 ", " 129 "}));
    EXPECT_EQ(readFile(dir / "whs-pcc.dat"), crlf({" 1 ", " 1 ", " 6 ", " 5 ", " 24 ", " 2 "}));

    ok({"rules", "--allowance", "85", "--expected-nine", "0.5,1"});
    std::string rules = ok({"rules"});
    EXPECT_NE(rules.find("\nWhsAllowance 85\nWhsExpectedNine 0.50,1.0\n"), std::string::npos) << rules;
}

TEST_F(CliWhs, RoundsAreRecordedEditedDeletedAndImportedWithTheMethodsPanel) {
    ok({"course-si", "--course", "Pine Hills", "--tee", "2", "--si", straightIndexes});

    EXPECT_EQ(
        recordHoles("06/05/24"),
        text(
            {"Round of 06/05/24 at the course Pine Hills, Mens Tee: rating 71.2, slope 125, par 72",
             "Index before the round: none yet (NH)",
             "Course handicap: none without an index; every hole's maximum is par + 5",
             "Hole maximums (par + 5): 9 9 8 10 9 9 8 10 9 9 9 8 10 9 9 8 10 9",
             "Adjusted gross score: 94; PCC 0",
             "Differential: 113 / 125 x (94 - 71.2 - 0) = 20.61, rounded 20.6",
             "Holes posted: 18; no index before 54 holes: NH",
             "Handicap index: NH (computed by Tallyrock by the WHS rules; not an official Handicap Index)"}));

    recordHoles("06/12/24");
    recordHoles("06/19/24");
    EXPECT_NE(ok(Args{"edit-round"} + ann + Args{"--slot", "1", "--out", "40", "--in", "41"})
                  .find("2 later rounds worked again from the new index before them\n"),
              std::string::npos);
    EXPECT_NE(ok(Args{"delete-round"} + ann + Args{"--slot", "1"}).find("1 later round worked again"),
              std::string::npos);
    writeFile(dir / "week.csv", "date,player,course,out,in\r\n06/26/24,Ann Lee,Pine Hills,44,45\r\n");
    std::string imported = ok({"import", "Mon", "week.csv"});
    EXPECT_TRUE(imported.starts_with("Ann Lee\n") && imported.ends_with("\n1 rounds recorded\n")) << imported;
    EXPECT_NE(imported.find("\nHandicap index: "), std::string::npos);
}

} // namespace
} // namespace tallyrock::test
