// Leagues, courses, players and rules through the command-line tool.
#include "cli/CliRunner.h"
#include "core/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

const std::string par72 = "4,4,3,5,4,4,3,5,4,4,4,3,5,4,4,3,5,4";

// Runs a command that must succeed.
void ok(const TempDir& dir, const std::vector<std::string>& args) {
    CliResult r = runCli(dir.path(), args);
    ASSERT_EQ(r.status, 0) << args.front() << ": " << r.err;
}

// Runs a command that must be refused with `message` (any message when empty), changing no file.
void refused(const TempDir& dir, const std::vector<std::string>& args, const std::string& message) {
    auto before = folderSnapshot(dir.path());
    CliResult r = runCli(dir.path(), args);
    EXPECT_EQ(r.status, 1) << args.front() << " " << args.back();
    if (message.empty()) {
        EXPECT_NE(r.err, "") << args.front();
    } else {
        EXPECT_EQ(r.err, message) << args.front() << " " << args.back();
    }
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(folderSnapshot(dir.path()), before) << args.front();
}

} // namespace

TEST(CliStore, CreateListAndDeleteLeagues) {
    TempDir dir;
    ok(dir, {"create-league", "Monday"});
    ok(dir, {"create-league", "Friday"});
    EXPECT_EQ(readFile(dir / "Monday.LGE"), " 0 \r\n");
    EXPECT_EQ(runCli(dir.path(), {"leagues"}).out, "Monday\nFriday\n");
    ok(dir, {"delete-league", "monday"});
    EXPECT_FALSE(fs::exists(dir / "Monday.LGE"));
    EXPECT_EQ(runCli(dir.path(), {"leagues"}).out, "Friday\n");
    // Monday was the league "Load League" opens (the first, none opened yet): now there is none.
    EXPECT_EQ(readFile(dir / "vexa.dat"),
              crlf({" 1 ", "Friday", " .96 ", "Courier New", " 0 ", "-1 ", " 1 ", " 0 "}));
}

TEST(CliStore, UsageErrorsExitWithTwo) {
    TempDir dir;
    ok(dir, {"create-league", "Monday"});
    CliResult r = runCli(dir.path(), {"create-league"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Usage"), std::string::npos);
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"no-such-command"},
                                               {"add-player", "Monday", "Cy Young", "--tee", "4"},
                                               {"rules", "--method", "5"}})
        EXPECT_EQ(runCli(dir.path(), args).status, 2) << args.front();
    EXPECT_EQ(runCli(dir.path(), {"--help"}).status, 0);
}

TEST(CliStore, RefusalsNameTheProblemAndChangeNothing) {
    TempDir dir;
    ok(dir, {"create-league", "Monday"});
    ok(dir, {"add-player", "Monday", "Ann Lee"});
    ok(dir, {"rules", "--nine-hole", "2"});
    const std::string courseRefusal =
        "Insufficient information to save\nCourse data.  Please provide a name\nand the par values "
        "for each hole.\nFor nine hole courses, duplicate the values\nof the first nine holes "
        "for holes 10 - 18\n";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"create-league", "MONDAY"}, "That name is already in use.\n"},
        {{"add-course", "--name", "Front Only", "--pars", "4,4,3,5,4,4,3,5,4,,,,,,,,,"}, courseRefusal},
        {{"add-course", "--name", "Short", "--pars", "4,4,4"}, ""},
        {{"add-player", "Friday", "Cy Young"}, "That name is not on the active list.\n"},
        // Values that are no number are refused naming the option, not corrected as typed text is.
        {{"rules", "--factor", "nan"}, "--factor: 'nan' is not a number\n"},
        {{"rules", "--percent", "50%"}, "--percent: '50%' is not a number\n"},
        // Ratings and slopes stay within what the course window's spin buttons reach.
        {{"add-course", "--name", "Oak", "--pars", par72, "--ratings", "19.9,70,70"},
         "--ratings: '19.9' is not a rating from 20.0 to 99.9\n"},
        {{"add-course", "--name", "Oak", "--pars", par72, "--ratings", "70,70,99.95"},
         "--ratings: '99.95' is not a rating from 20.0 to 99.9\n"},
        {{"add-course", "--name", "Oak", "--pars", par72, "--slopes", "113,54,113"},
         "--slopes: '54' is not a slope from 55 to 155\n"},
        {{"add-course", "--name", "Oak", "--pars", par72, "--slopes", "113,113,1e9"},
         "--slopes: '1e9' is not a slope from 55 to 155\n"},
    };
    for (const auto& [args, message] : cases)
        refused(dir, args, message);
    refused(dir, {"create-league", "a/b"}, "Illegal Name for file\n");

    for (int i = 2; i <= 15; ++i)
        ok(dir, {"create-league", "League" + std::to_string(i)});
    refused(dir, {"create-league", "League16"}, "");
    std::string listed = runCli(dir.path(), {"leagues"}).out;
    EXPECT_EQ(std::count(listed.begin(), listed.end(), '\n'), 15);
}

TEST(CliStore, AddCourseFillsTheFirstBlankSlotWithTheWindowTexts) {
    TempDir dir;
    std::string file = " 2 \r\n";
    for (int f = 1; f <= 30; ++f)
        file += "\r\n"; // course 1 was deleted
    file += "Oak Creek\r\n";
    for (int f = 2; f <= 30; ++f)
        file += (f == 29 ? "OC" : "x") + std::string("\r\n");
    writeFile(dir / "course.dat", file);
    EXPECT_EQ(runCli(dir.path(), {"courses"}).out, "1\t\t\n2\tOak Creek\tOC\n");

    // Initials are cut to three as the window's box cuts them.
    ok(dir, {"add-course", "--name", "Pine Hills, East", "--pars", par72, "--initials", "PHEX"});
    ok(dir, {"add-course", "--name", "Lakes", "--pars", par72, "--ratings", "20,71.24,99.9", "--slopes",
             "55,124.5,155"});
    EXPECT_EQ(runCli(dir.path(), {"courses"}).out,
              "1\tPine Hills, East\tPHE\n2\tOak Creek\tOC\n3\tLakes\t\n");
    auto lines = fileLines(readFile(dir / "course.dat"));
    ASSERT_EQ(lines.size(), 91u);
    EXPECT_EQ(lines[0], " 3 ");
    std::vector<std::string> pine(lines.begin() + 1, lines.begin() + 31);
    EXPECT_EQ(std::vector<std::string>(pine.begin(), pine.begin() + 6),
              (std::vector<std::string>{"Pine Hills, East", "36", "36", " 72", " 4", " 4"}));
    EXPECT_EQ(std::vector<std::string>(pine.begin() + 22, pine.end()),
              (std::vector<std::string>{" 65", " 65", " 65", " 113", " 113", " 113", "PHE", ""}));
    EXPECT_EQ(lines[60], "x"); // course 2's field 30 untouched
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 83, lines.end()),
              (std::vector<std::string>{" 20", " 71.2", " 99.9", " 55", " 125", " 155", "", ""}));
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
}

TEST(CliStore, RulesPrintAndAcceptWithCorrections) {
    TempDir dir;
    CliResult shown = runCli(dir.path(), {"rules"});
    EXPECT_EQ(shown.status, 0);
    // The last-N count and the nine-hole option, never chosen, show the values the calculation uses.
    EXPECT_EQ(
        shown.out,
        "HcpMethod 1\nRoundsOption 1\nRoundsToUse 10\nPercentRounds 50\nHcpLimitOption 1\nMensHcpMax 35\n"
        "WomensHcpMax 40\nStrokeOption 1\nStrokesAbovePar 4\nMaxStrokesPerHole 10\nNineHoleOption 1\n"
        "DateRemind 0\nIndexFactor 0.96\n");
    EXPECT_FALSE(fs::exists(dir / "vexa.dat")); // showing writes nothing

    ok(dir, {"rules", "--method", "2", "--rounds-option", "4", "--rounds", "21", "--percent", "100",
             "--mens-max", "45", "--womens-max", "46", "--factor", "1.11", "--nine-hole", "3"});
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
}

TEST(CliStore, DamagedFilesRefuseEveryCommandChangingNothing) {
    TempDir dir;
    ok(dir, {"create-league", "Monday"});
    ok(dir, {"create-league", "Friday"});
    ok(dir, {"add-course", "--name", "Lakes", "--pars", par72});
    writeFile(dir / "Monday.LGE", crlf({" 2 ", "Ann", " 2 "}));
    fs::remove(dir / "Friday.LGE");
    writeFile(dir / "course.dat", crlf({" 3 ", "Lakes"}));
    const std::string leagueMessage =
        "Unable to load league file, please check the\nworking directory specified by your launcher.\n";
    const std::string courseMessage = "No courses have been saved or\nproblem reading file.\nIgnore this if "
                                      "you are entering your\nfirst course.\n";
    const std::string listMessage = "Cannot Load vexa.dat, Please check your working\ndirectory or Launchers "
                                    "startup directory setting.\n";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"add-player", "Friday", "Bob"}, leagueMessage},
        {{"add-course", "--name", "Oak", "--pars", par72}, courseMessage},
    };
    for (const auto& [args, message] : cases)
        refused(dir, args, message);

    writeFile(dir / "vexa.dat", crlf({" 2 ", "Monday"}));
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"leagues"}, {"create-league", "Sunday"}})
        refused(dir, args, listMessage);
}

// Names no data file can hold are refused, exit 1, every file as it was; names
// match whatever the letter case of every letter; a new name as long as an added one.
TEST(CliStore, HostileNamesAreRefusedWritingNothing) {
    TempDir dir;
    const std::string nunez = "John N\xC3\xBA\xC3\xB1"
                              "ez",
                      etang = "\xC3\x89tang";
    ok(dir, {"create-league", "\xC3\x89t\xC3\xA9"}); // Été
    ok(dir, {"add-player", "\xC3\xA9t\xC3\xA9", nunez});
    ok(dir, {"add-course", "--name", etang, "--pars", par72});
    const std::string league = "\xC3\x89t\xC3\xA9";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"create-league", "\xC3\x89T\xC3\x89"}, "That name is already in use.\n"}, // ÉTÉ
        {{"add-player", league,
          "JOHN N\xC3\x9A\xC3\x91"
          "EZ"},
         "That name is already taken!\n"},
        {{"rename-player", league, nunez, std::string(19, 'x')},
         "A player name has at most 18 characters.\n"},
        {{"add-player", league, std::string(19, 'y')}, "A player name has at most 18 characters.\n"},
        {{"add-course", "--name", "Oak", "--pars", par72, "--initials", "O\nH"},
         "Course initials cannot contain a line break.\n"},
    };
    for (const auto& [args, message] : cases)
        refused(dir, args, message);

    ok(dir, {"print", "\xC3\xA9T\xC3\xA9", "chart", "\xC3\xA9TANG", "2", "--text", "chart.txt"});
    ok(dir, {"rename-player", league, nunez, std::string(18, 'x')});
    EXPECT_EQ(fileLines(readFile(dir / (league + ".LGE")))[1], std::string(18, 'x'));
}

// A planted league list: entries that lead out of the folder, hide a file or
// hold a control character name no file, whatever the command; the folder
// outside and the working folder stay as they were.
TEST(CliStore, ListEntriesWithPathsNameNoFile) {
    TempDir root;
    const fs::path work = root / "work", outside = root / "outside";
    fs::create_directory(work);
    fs::create_directory(outside);
    writeFile(outside / "evil.LGE", " 0 \r\n");
    writeFile(outside / "evil.tea", " 0 \r\n");
    writeFile(outside / "abs.LGE", " 0 \r\n");
    writeFile(work / ".hidden.LGE", " 0 \r\n");
    writeFile(work / "Monday.LGE", " 0 \r\n");
    const std::vector<std::string> planted{"../outside/evil", (outside / "abs").string(), ".hidden",
                                           "Bad\x1BName"};
    std::string list = " " + std::to_string(planted.size() + 1) + " \r\n";
    for (const std::string& entry : planted)
        list += entry + "\r\n";
    list += "Monday\r\n" + crlf({" .96 ", "Courier New", " 0 ", " 0 ", " 1 ", " 0 "});
    writeFile(work / "vexa.dat", list);

    const auto before = folderSnapshot(root.path());
    for (const std::string& entry : planted)
        for (const std::vector<std::string>& args :
             std::vector<std::vector<std::string>>{{"add-player", entry, "Evil Name"},
                                                   {"delete-league", entry},
                                                   {"listing", entry},
                                                   {"record", entry, "--player", "Ann", "--course", "Oak",
                                                    "--date", "06/05/24", "--out", "40", "--in", "40"}}) {
            CliResult r = runCli(work, args);
            EXPECT_EQ(r.status, 1) << args.front() << " " << entry;
            EXPECT_EQ(r.err, "Illegal Name for file\n") << args.front() << " " << entry;
        }
    EXPECT_EQ(folderSnapshot(root.path()), before);
    EXPECT_EQ(runCli(work, {"add-player", "Monday", "Ann Lee"}).status, 0);
}

TEST(CliStore, DeletedWorkingFolderIsAMessageNotACrash) {
    TempDir dir;
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"leagues"}, {"create-league", "Monday"}, {"course-handicap", "12", "113"}}) {
        fs::create_directory(dir / "gone");
        CliResult r = runCliInRemovedFolder(dir / "gone", args);
        EXPECT_EQ(r.status, 1) << args.front();
        EXPECT_EQ(r.err, "the working folder cannot be found: it may have been deleted\n");
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(folderSnapshot(dir.path()).empty());
    }
}

// A run builds only the named command's file: each command listed in the whole
// tool's help must still answer for itself, and print must offer every report.
TEST(CliStore, EveryCommandOfTheHelpAnswersItsOwnHelp) {
    TempDir dir;
    CliResult all = runCli(dir.path(), {"--help"});
    ASSERT_EQ(all.status, 0);
    std::istringstream lines(all.out.substr(all.out.find("Subcommands:")));
    std::string line;
    std::getline(lines, line);
    int commands = 0;
    while (std::getline(lines, line) && line.starts_with("  ")) {
        std::string name = line.substr(2, line.find(' ', 2) - 2);
        CliResult own = runCli(dir.path(), {"--wait", "1", name, "--help"});
        EXPECT_EQ(own.status, 0) << name;
        EXPECT_NE(own.out.find("Usage: tallyrock-cli " + name + " "), std::string::npos) << name << own.out;
        ++commands;
    }
    EXPECT_EQ(commands, 23);
    std::string print = runCli(dir.path(), {"print", "--help"}).out;
    for (const char* report :
         {"short", "long", "chart", "teams", "trend", "pie", "compare", "cards", "night", "worksheets"})
        EXPECT_NE(print.find("\n  " + std::string(report) + " "), std::string::npos) << report;
}
