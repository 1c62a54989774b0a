// Recording, editing, deleting and importing rounds, and the course handicap
// calculator, through the command-line tool.
#include "cli/CliRunner.h"
#include "core/TestFiles.h"

#include <gtest/gtest.h>

using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

const std::string holes94 = "5,5,4,6,5,9,4,6,5,5,5,4,6,5,5,4,6,5"; // 49 + 45

// Line of slot r's value k (0 = differential ... 6 = course, 7.. holes) of player 1.
std::size_t slotLine(int r, int k) {
    return static_cast<std::size_t>(4 + (r - 1) * 27 + k);
}

class CliRounds : public ::testing::Test {
  protected:
    CliRounds() {
        EXPECT_TRUE(makeMonAtPineHills(dir.path()));
        run({"add-player", "Mon", "Lee, Bo", "--tee", "1"});
        run({"rules", "--nine-hole", "1"});
    }
    void run(const std::vector<std::string>& args) { ASSERT_EQ(runCli(dir.path(), args).status, 0); }
    CliResult record(std::vector<std::string> extra) {
        std::vector<std::string> args{"record", "Mon", "--player", "Ann Lee", "--course", "pine hills"};
        args.insert(args.end(), extra.begin(), extra.end());
        return runCli(dir.path(), args);
    }
    // Runs a command that must refuse with this text and leave the league file as it was.
    void expectRefused(const std::vector<std::string>& args, const std::string& err) {
        std::string before = readFile(dir / "Mon.LGE");
        CliResult r = runCli(dir.path(), args);
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_EQ(r.err, err + "\n");
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(readFile(dir / "Mon.LGE"), before);
    }
    TempDir dir;
};

TEST_F(CliRounds, RecordPrintsTheCalculationPanelAndSaves) {
    CliResult r = record({"--date", "06/05/24", "--holes", holes94});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Ann Lee\ndifferentials\n20.6\ntotal rounds = 1\n# of rounds used = 1\nAvg. = 20.60\n"
                     "Hcp index = 19.7\n");
    auto lines = fileLines(readFile(dir / "Mon.LGE"));
    ASSERT_EQ(lines.size(), 1u + 2 * 543);
    EXPECT_EQ(lines[3], " 1 ");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.begin() + 11),
              (std::vector<std::string>{" 20.6 ", " 6 ", " 5 ", " 24 ", " 19.7 ", " 22 ", " 1 "}));
    EXPECT_EQ(lines[slotLine(1, 7 + 5)], " 9 ");
    EXPECT_EQ(lines[slotLine(1, 7 + 18)], " 49 ");
    EXPECT_EQ(lines[slotLine(1, 7 + 19)], " 45 ");

    // A nine-hole round of totals, a four-digit year, another tee: 43 doubled, from the red tee.
    r = record({"--date", "6/12/2024", "--out", "43", "--tee", "1"});
    EXPECT_EQ(r.status, 0) << r.err;
    lines = fileLines(readFile(dir / "Mon.LGE"));
    EXPECT_EQ(lines[3], " 2 ");
    EXPECT_EQ(lines[slotLine(2, 0)], " 15.2 "); // (86 - 70.1) x 113 / 118 = 15.23
}

TEST_F(CliRounds, RecordRefusesBadInputWithTheImportsReasons) {
    const std::vector<std::string> ann{"record", "Mon", "--player", "Ann Lee", "--course", "Pine Hills"};
    auto with = [](std::vector<std::string> args, std::vector<std::string> extra) {
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    };
    auto dated = [&](std::vector<std::string> extra) {
        return with(with(ann, {"--date", "06/05/24"}), extra);
    };
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"record", "Mon", "--player", "Ann Lee", "--course", "Elm", "--date", "06/05/24", "--out", "40"},
         "no course named \"Elm\""},
        {dated({"--holes", "4,4,4"}), "--holes needs 18 values, one for each hole"},
        {dated({"--holes", holes94 + ",5"}), "--holes needs 18 values, one for each hole"},
        {{"record", "Nowhere", "--player", "Ann Lee", "--course", "Pine Hills", "--date", "06/05/24"},
         "That name is not on the active list."},
        {{"edit-round", "Mon", "--player", "Ann Lee", "--slot", "3", "--out", "40"},
         "player \"Ann Lee\" has no round in slot 3"},
        {{"delete-round", "Mon", "--player", "Ann Lee", "--slot", "3"},
         "player \"Ann Lee\" has no round in slot 3"},
        {{"import", "Mon", "missing.csv"}, "cannot read missing.csv"},
        // What is not a regular file, or too large for a week's scores, is never read.
        {{"import", "Mon", "folder"}, "cannot import folder: it is not a regular file"},
        {{"import", "Mon", "/dev/zero"}, "cannot import /dev/zero: it is not a regular file"},
        {{"import", "Mon", "big.csv"}, "cannot import big.csv: it is larger than 16 MB"},
        {{"course-handicap", "nan", "113"}, "INDEX: 'nan' is not a number"},
    };
    fs::create_directory(dir / "folder");
    writeFile(dir / "big.csv", "date,player,course,out,in\r\n");
    fs::resize_file(dir / "big.csv", 17u << 20);
    ASSERT_EQ(record({"--date", "06/05/24", "--out", "45", "--in", "44"}).status, 0);
    ASSERT_EQ(record({"--date", "06/12/24", "--out", "40", "--in", "45"}).status, 0);
    for (const auto& [args, message] : cases)
        expectRefused(args, message);
}

TEST_F(CliRounds, EditRoundKeepsDateAndCourse) {
    ASSERT_EQ(record({"--date", "06/05/24", "--holes", holes94}).status, 0);
    ASSERT_EQ(record({"--date", "06/12/24", "--out", "40", "--in", "45"}).status, 0);
    auto before = fileLines(readFile(dir / "Mon.LGE"));
    CliResult r = runCli(
        dir.path(), {"edit-round", "Mon", "--player", "Ann Lee", "--slot", "1", "--out", "45", "--in", "44"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Ann Lee\ndifferentials\n16.1\ntotal rounds = 1\n# of rounds used = 1\nAvg. = 16.10\n"
                     "Hcp index = 15.4\n");
    auto lines = fileLines(readFile(dir / "Mon.LGE"));
    EXPECT_EQ(lines[3], " 2 ");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.begin() + 11),
              (std::vector<std::string>{" 16.1 ", " 6 ", " 5 ", " 24 ", " 15.4 ", " 17 ", " 1 "}));
    EXPECT_EQ(lines[slotLine(1, 7)], " 0 "); // totals only: the holes are 0
    EXPECT_EQ(std::vector<std::string>(lines.begin() + slotLine(2, 0), lines.begin() + slotLine(3, 0)),
              std::vector<std::string>(before.begin() + slotLine(2, 0), before.begin() + slotLine(3, 0)));
}

TEST_F(CliRounds, DeleteRoundRecalculatesTheNewest) {
    ASSERT_EQ(record({"--date", "06/05/24", "--out", "45", "--in", "44"}).status, 0);
    ASSERT_EQ(record({"--date", "06/12/24", "--holes", holes94}).status, 0);
    CliResult r = runCli(dir.path(), {"delete-round", "Mon", "--player", "Ann Lee", "--slot", "1"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    auto lines = fileLines(readFile(dir / "Mon.LGE"));
    EXPECT_EQ(lines[3], " 1 ");
    // The round of the 12th is now the only one: its index from itself alone.
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.begin() + 11),
              (std::vector<std::string>{" 20.6 ", " 6 ", " 12 ", " 24 ", " 19.7 ", " 22 ", " 1 "}));
    EXPECT_EQ(runCli(dir.path(), {"delete-round", "Mon", "--player", "Ann Lee", "--slot", "1"}).status, 0);
    EXPECT_EQ(fileLines(readFile(dir / "Mon.LGE"))[3], " 0 ");
}

TEST_F(CliRounds, ImportRecordsEveryRowAndSavesOnce) {
    writeFile(dir / "week.csv", "player,date,course,tee,out,in\r\n"
                                "Ann Lee,06/05/24,Pine Hills,,45,44\r\n"
                                "\"Lee, Bo\",06/05/2024,PINE HILLS,3,41,\r\n"
                                "Ann Lee,06/12/24,Pine Hills,,40,42\r\n");
    CliResult r = runCli(dir.path(), {"import", "Mon", "week.csv"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "3 rounds recorded\n");
    auto lines = fileLines(readFile(dir / "Mon.LGE"));
    EXPECT_EQ(lines[3], " 2 ");
    EXPECT_EQ(lines[slotLine(2, 2)], " 12 ");
    EXPECT_EQ(lines[543 + 1], "Lee, Bo");
    EXPECT_EQ(lines[543 + 3], " 1 ");
}

TEST_F(CliRounds, CourseHandicapCalculator) {
    CliResult r = runCli(dir.path(), {"course-handicap", "12.3", "130"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Course Handicap = 14\n");
    EXPECT_EQ(runCli(dir.path(), {"course-handicap", "-2.0", "140"}).out, "Course Handicap = -2\n");
    r = runCli(dir.path(), {"course-handicap", "", "130"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Enter your Hcp Index\n");
    EXPECT_EQ(runCli(dir.path(), {"course-handicap", "12", ""}).err, "Enter the Slope Value\n");
}

// A new install never chose a nine-hole option (0 in vexa.dat) and an older
// settings file may hold no N for "each player's last N" (0 in vexa.ini):
// rounds work as with the recommended option 1 and N = 10, and neither file is rewritten.
TEST(CliUnsetRules, WorkAsTheRecommendedNineHoleOptionAndLastTen) {
    std::string panels[2], leagues[2];
    for (int chosen = 0; chosen <= 1; ++chosen) {
        TempDir dir;
        auto ok = [&dir](const std::vector<std::string>& args) {
            CliResult r = runCli(dir.path(), args);
            EXPECT_EQ(r.status, 0) << args.front() << ": " << r.err;
            return r.out;
        };
        ok({"create-league", "Mon"});
        ok({"add-course", "--name", "Pine", "--pars", "4,4,3,5,4,4,3,5,4,4,4,3,5,4,4,3,5,4", "--ratings",
            "71.2,71.2,71.2", "--slopes", "125,125,125"});
        ok({"add-player", "Mon", "Ann", "--tee", "2"});
        if (chosen) {
            ok({"rules", "--rounds-option", "4", "--rounds", "10", "--nine-hole", "1"});
        } else {
            fs::create_directories(dir / ".config" / "tallyrock");
            writeFile(dir / ".config" / "tallyrock" / "vexa.ini",
                      crlf({" 1 ", " 4 ", " 0 ", " 50 ", " 35 ", " 40 ", " 4 ", " 10 ", " 1 ", " 0 ", " 0 ",
                            " 0 ", " 1 "}));
        }
        const std::string settings = readFile(dir / ".config" / "tallyrock" / "vexa.ini");
        const std::string list = readFile(dir / "vexa.dat");
        EXPECT_EQ(fileLines(list)[4], chosen ? " 1 " : " 0 ");

        // A nine-hole 45 on a 71.2 / 125 course is doubled: (90 - 71.2) x 113 / 125 = 17.0, not -23.7.
        ok({"record", "Mon", "--player", "Ann", "--course", "Pine", "--date", "06/01/24", "--out", "45"});
        EXPECT_EQ(fileLines(readFile(dir / "Mon.LGE"))[slotLine(1, 0)], " 17 ");
        std::string csv = "date,player,course,out,in\r\n";
        for (int day = 2; day <= 12; ++day)
            csv += "06/" + std::to_string(day) + "/24,Ann,Pine," + std::to_string(38 + day % 5) + "," +
                   (day % 4 ? std::to_string(40 + day % 7) : "") + "\r\n";
        writeFile(dir / "week.csv", csv);
        ok({"import", "Mon", "week.csv"});
        panels[chosen] = ok({"record", "Mon", "--player", "Ann", "--course", "Pine", "--date", "06/13/24",
                             "--out", "41", "--in", "44"});
        leagues[chosen] = readFile(dir / "Mon.LGE");
        EXPECT_EQ(readFile(dir / ".config" / "tallyrock" / "vexa.ini"), settings);
        EXPECT_EQ(readFile(dir / "vexa.dat"), list);
    }
    EXPECT_NE(panels[0].find("total rounds = 13\n# of rounds used = 10\n"), std::string::npos) << panels[0];
    EXPECT_EQ(panels[0], panels[1]);
    EXPECT_EQ(leagues[0], leagues[1]);
}

} // namespace
