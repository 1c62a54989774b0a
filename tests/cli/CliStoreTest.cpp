// Leagues, courses, players and rules through the command-line tool.
#include "cli/CliRunner.h"
#include "core/TestFiles.h"
#include "core/store/StoreSamples.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

const std::string par72 = "4,4,3,5,4,4,3,5,4,4,4,3,5,4,4,3,5,4";

// Runs a command that must succeed.
void ok(const TempDir& dir, const std::vector<std::string>& args) {
    CliResult r = runCli(dir.path(), args);
    ASSERT_EQ(r.status, 0) << args.front() << ": " << r.err;
}

// Runs a command that must be refused with `message`, changing no file.
void refused(const TempDir& dir, const std::vector<std::string>& args, const std::string& message) {
    auto before = folderSnapshot(dir.path());
    CliResult r = runCli(dir.path(), args);
    EXPECT_EQ(r.status, 1) << args.front();
    EXPECT_EQ(r.err, message) << args.front();
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(folderSnapshot(dir.path()), before) << args.front();
}

const std::string leagueLoadMessage =
    "Unable to load league file, please check the\nworking directory specified by your launcher.\n";

} // namespace

TEST(CliStore, CreateListAndDeleteLeagues) {
    TempDir dir;
    EXPECT_EQ(runCli(dir.path(), {"create-league", "Monday"}).status, 0);
    EXPECT_EQ(runCli(dir.path(), {"create-league", "Friday"}).status, 0);
    EXPECT_EQ(readFile(dir / "Monday.LGE"), " 0 \r\n");
    EXPECT_EQ(runCli(dir.path(), {"leagues"}).out, "Monday\nFriday\n");

    CliResult dup = runCli(dir.path(), {"create-league", "MONDAY"});
    EXPECT_EQ(dup.status, 1);
    EXPECT_EQ(dup.err, "That name is already in use.\n");

    EXPECT_EQ(runCli(dir.path(), {"delete-league", "monday"}).status, 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "Monday.LGE"));
    EXPECT_EQ(runCli(dir.path(), {"leagues"}).out, "Friday\n");
    EXPECT_EQ(readFile(dir / "vexa.dat"), crlf({" 1 ", "Friday", " .96 ", "Courier New", " 0 ", " 0 ", " 1 ", " 0 "}));
}

TEST(CliStore, UsageErrorsExitWithTwo) {
    TempDir dir;
    CliResult r = runCli(dir.path(), {"create-league"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Usage"), std::string::npos);
    EXPECT_EQ(runCli(dir.path(), {"no-such-command"}).status, 2);
    EXPECT_EQ(runCli(dir.path(), {"--help"}).status, 0);
}

TEST(CliStore, LeagueNamesThatCannotBeUsed) {
    TempDir dir;
    ok(dir, {"create-league", "Monday"});
    for (const std::string name : {"a/b", ".", "..", ".hidden", "x:y", "x;y", "x\\y"})
        refused(dir, {"create-league", name}, "Illegal Name for file\n");
    refused(dir, {"delete-league", "Sunday"}, "That name is not on the active list.\n");
    for (int i = 2; i <= 15; ++i)
        ok(dir, {"create-league", "League" + std::to_string(i)});
    auto before = folderSnapshot(dir.path());
    CliResult sixteenth = runCli(dir.path(), {"create-league", "League16"});
    EXPECT_EQ(sixteenth.status, 1);
    EXPECT_NE(sixteenth.err, "");
    EXPECT_EQ(folderSnapshot(dir.path()), before);
    std::string listed = runCli(dir.path(), {"leagues"}).out;
    EXPECT_EQ(std::count(listed.begin(), listed.end(), '\n'), 15);
    EXPECT_EQ(fileLines(readFile(dir / "vexa.dat"))[0], " 15 ");
}

TEST(CliStore, AddCourseStoresTheCourseWindowTexts) {
    TempDir dir;
    ok(dir, {"add-course", "--name", "Pine Hills, East", "--pars", par72, "--initials", "PHE"});
    ok(dir, {"add-course", "--name", "Lakes", "--pars", par72, "--ratings", "70.5,71.2,72", "--slopes",
             "120,125,131"});
    std::vector<std::string> expected = {" 2 "};
    auto course = [&expected](const std::string& name, std::vector<std::string> ratingsAndSlopes,
                              const std::string& initials) {
        for (const std::string& text : {name, std::string("36"), std::string("36"), std::string(" 72")})
            expected.push_back(text);
        for (int nine = 0; nine < 2; ++nine)
            for (const std::string par : {"4", "4", "3", "5", "4", "4", "3", "5", "4"})
                expected.push_back(" " + par);
        expected.insert(expected.end(), ratingsAndSlopes.begin(), ratingsAndSlopes.end());
        expected.push_back(initials);
        expected.push_back("");
    };
    course("Pine Hills, East", {" 65", " 65", " 65", " 113", " 113", " 113"}, "PHE");
    course("Lakes", {" 70.5", " 71.2", " 72", " 120", " 125", " 131"}, "");
    std::string text = readFile(dir / "course.dat");
    EXPECT_EQ(lineCount(text), 61);
    EXPECT_EQ(fileLines(text), expected);
    EXPECT_EQ(runCli(dir.path(), {"courses"}).out, "1\tPine Hills, East\tPHE\n2\tLakes\t\n");
}

TEST(CliStore, AddCourseReusesTheFirstBlankSlot) {
    TempDir dir;
    std::string file = " 2 \r\n";
    for (int f = 1; f <= 30; ++f)
        file += "\r\n"; // course 1 was deleted
    file += "Oak Creek\r\n";
    for (int f = 2; f <= 30; ++f)
        file += (f == 29 ? "OC" : "x") + std::string("\r\n");
    writeFile(dir / "course.dat", file);
    EXPECT_EQ(runCli(dir.path(), {"courses"}).out, "1\t\t\n2\tOak Creek\tOC\n");

    ok(dir, {"add-course", "--name", "Lakes", "--pars", par72, "--initials", "LK"});
    EXPECT_EQ(runCli(dir.path(), {"courses"}).out, "1\tLakes\tLK\n2\tOak Creek\tOC\n");
    auto lines = fileLines(readFile(dir / "course.dat"));
    ASSERT_EQ(lines.size(), 61u);
    EXPECT_EQ(lines[0], " 2 ");
    EXPECT_EQ(lines[23], " 65");
    EXPECT_EQ(lines[26], " 113");
    EXPECT_EQ(lines[60], "x"); // course 2's field 30 untouched
}

TEST(CliStore, AddCourseWithoutNameOrANineIsRefused) {
    TempDir dir;
    const std::string refusal =
        "Insufficient information to save\nCourse data.  Please provide a name\nand the par values "
        "for each hole.\nFor nine hole courses, duplicate the values\nof the first nine holes "
        "for holes 10 - 18\n";
    refused(dir, {"add-course", "--name", "Front Only", "--pars", "4,4,3,5,4,4,3,5,4,,,,,,,,,"}, refusal);
    refused(dir, {"add-course", "--name", "", "--pars", par72}, refusal);
    EXPECT_FALSE(fs::exists(dir / "course.dat"));
    EXPECT_EQ(runCli(dir.path(), {"add-course", "--name", "Short", "--pars", "4,4,4"}).status, 1);
}

TEST(CliStore, AddPlayerWithItsTee) {
    TempDir dir;
    ok(dir, {"create-league", "Monday"});
    ok(dir, {"add-player", "monday", "Ann Lee"});
    ok(dir, {"add-player", "Monday", "Bob", "--tee", "3"});
    auto lines = fileLines(readFile(dir / "Monday.LGE"));
    ASSERT_EQ(lines.size(), 1u + 2 * 543);
    EXPECT_EQ(lines[0], " 2 ");
    EXPECT_EQ(lines[1], "Ann Lee");
    EXPECT_EQ(lines[2], " 2 ");
    EXPECT_EQ(lines[544], "Bob");
    EXPECT_EQ(lines[545], " 3 ");
    EXPECT_FALSE(fs::exists(dir / "Monday.tea")); // no teams in use

    refused(dir, {"add-player", "Monday", "ANN LEE"}, "That name is already taken!\n");
    refused(dir, {"add-player", "Friday", "Cy Young"}, "That name is not on the active list.\n");
    EXPECT_EQ(runCli(dir.path(), {"add-player", "Monday", "Al"}).status, 1);
    EXPECT_EQ(runCli(dir.path(), {"add-player", "Monday", "Cy Young", "--tee", "4"}).status, 2);
    EXPECT_EQ(fileLines(readFile(dir / "Monday.LGE"))[0], " 2 ");
}

TEST(CliStore, RulesPrintAndAcceptWithCorrections) {
    TempDir dir;
    CliResult shown = runCli(dir.path(), {"rules"});
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(
        shown.out,
        "HcpMethod 1\nRoundsOption 1\nRoundsToUse 0\nPercentRounds 50\nHcpLimitOption 1\nMensHcpMax 35\n"
        "WomensHcpMax 40\nStrokeOption 1\nStrokesAbovePar 4\nMaxStrokesPerHole 10\nNineHoleOption 0\n"
        "DateRemind 0\nIndexFactor 0.96\n");
    EXPECT_FALSE(fs::exists(dir / "vexa.dat")); // showing writes nothing

    ok(dir, {"rules", "--method", "2", "--rounds-option", "4", "--rounds", "21", "--percent", "100",
             "--mens-max", "45", "--womens-max", "46", "--factor", "1.11", "--nine-hole", "3"});
    EXPECT_EQ(
        runCli(dir.path(), {"rules"}).out,
        "HcpMethod 2\nRoundsOption 4\nRoundsToUse 10\nPercentRounds 100\nHcpLimitOption 1\nMensHcpMax 40\n"
        "WomensHcpMax 45\nStrokeOption 1\nStrokesAbovePar 4\nMaxStrokesPerHole 10\nNineHoleOption 3\n"
        "DateRemind 0\nIndexFactor 0.96\n");

    // Options not given keep their values.
    ok(dir, {"rules", "--factor", ".5", "--date-remind", "1", "--above-par", "8", "--mens-max", "36.4"});
    EXPECT_EQ(
        runCli(dir.path(), {"rules"}).out,
        "HcpMethod 2\nRoundsOption 4\nRoundsToUse 10\nPercentRounds 100\nHcpLimitOption 1\nMensHcpMax 36.4\n"
        "WomensHcpMax 45\nStrokeOption 1\nStrokesAbovePar 4\nMaxStrokesPerHole 10\nNineHoleOption 3\n"
        "DateRemind 1\nIndexFactor 0.5\n");
    EXPECT_EQ(readFile(dir / "vexa.dat"), crlf({" 0 ", " .5 ", "Courier New", " 3 ", " 0 ", " 1 ", " 1 "}));
    EXPECT_EQ(readFile(dir / ".config" / "tallyrock" / "vexa.ini"),
              crlf({" 2 ", " 4 ", " 10 ", " 100 ", " 36.4 ", " 45 ", " 4 ", " 10 ", " 1 ", " 0 ", " 0 ",
                    " 0 ", " 1 "}));
    EXPECT_EQ(runCli(dir.path(), {"rules", "--method", "4"}).status, 2);
}

TEST(CliStore, DamagedFilesRefuseEveryCommandChangingNothing) {
    TempDir dir;
    ok(dir, {"create-league", "Monday"});
    ok(dir, {"create-league", "Friday"});
    ok(dir, {"add-course", "--name", "Lakes", "--pars", par72});

    writeFile(dir / "Monday.LGE", crlf({" 2 ", "Ann", " 2 "}));
    refused(dir, {"add-player", "Monday", "Bob"}, leagueLoadMessage);
    fs::remove(dir / "Friday.LGE");
    refused(dir, {"add-player", "Friday", "Bob"}, leagueLoadMessage);

    writeFile(dir / "course.dat", crlf({" 3 ", "Lakes"}));
    const std::string courseMessage = "No courses have been saved or\nproblem reading file.\nIgnore this if "
                                      "you are entering your\nfirst course.\n";
    refused(dir, {"courses"}, courseMessage);
    refused(dir, {"add-course", "--name", "Oak", "--pars", par72}, courseMessage);

    writeFile(dir / "vexa.dat", crlf({" 2 ", "Monday"}));
    const std::string listMessage = "Cannot Load vexa.dat, Please check your working\ndirectory or Launchers "
                                    "startup directory setting.\n";
    refused(dir, {"leagues"}, listMessage);
    refused(dir, {"create-league", "Sunday"}, listMessage);
    refused(dir, {"rules", "--method", "2"}, listMessage);
    refused(dir, {"delete-league", "Monday"}, listMessage);
}
