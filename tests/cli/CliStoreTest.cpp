// Leagues, courses, players, rules and undo through the command-line tool, and the tool beside
// other programs and on a failing disk.
#include "cli/CliTest.h"
#include "core/Samples.h"
#include "store/ChangeSet.h"
#include "store/FileLock.h"

#include <algorithm>
#include <sstream>

namespace tallyrock::test {
namespace {
namespace fs = std::filesystem;

using CliStore = CliTest;

TEST_F(CliStore, LeaguesAndPlayersWithTheirTees) {
    ok({"create-league", "Monday"});
    ok({"create-league", "Friday"});
    EXPECT_EQ(ok({"leagues"}), "Monday\nFriday\n");
    ok({"add-player", "friday", "Ann Lee"});
    ok({"add-player", "Friday", "Bob", "--tee", "3"});
    auto league = fileLines(readFile(dir / "Friday.LGE"));
    ASSERT_EQ(league.size(), 1u + 2 * 543);
    EXPECT_EQ((Args{league[0], league[1], league[2], league[544], league[545]}),
              (Args{" 2 ", "Ann Lee", " 2 ", "Bob", " 3 "}));
    EXPECT_FALSE(fs::exists(dir / "Friday.tea")); // no teams in use

    ok({"delete-league", "monday"});
    EXPECT_EQ(ok({"leagues"}), "Friday\n");
    // Monday was the league "Load League" opens (the first, none opened yet): now there is none.
    EXPECT_EQ(readFile(dir / "vexa.dat"),
              crlf({" 1 ", "Friday", " .96 ", "Courier New", " 0 ", "-1 ", " 1 ", " 0 "}));
}

TEST_F(CliStore, RefusalsNameTheProblemAndChangeNothing) {
    ok({"create-league", "Monday"});
    ok({"add-player", "Monday", "Ann Lee"});
    ok({"rules", "--nine-hole", "2"});
    const std::string courseRefusal =
        "Insufficient information to save\nCourse data.  Please provide a name\nand the par values "
        "for each hole.\nFor nine hole courses, duplicate the values\nof the first nine holes "
        "for holes 10 - 18\n";
    const Args oak{"add-course", "--name", "Oak", "--pars", par72};
    const std::tuple<Args, std::string, int> cases[] = {
        {{"create-league", "MONDAY"}, "That name is already in use.\n", 1},
        {{"create-league", "a/b"}, "Illegal Name for file\n", 1},
        {{"add-course", "--name", "Front Only", "--pars", "4,4,3,5,4,4,3,5,4,,,,,,,,,"}, courseRefusal, 1},
        {{"add-course", "--name", "Short", "--pars", "4,4,4"}, "", 1},
        {{"add-player", "Friday", "Cy Young"}, "That name is not on the active list.\n", 1},
        // Values that are no number are refused naming the option, not corrected as typed text is.
        {{"rules", "--factor", "nan"}, "--factor: 'nan' is not a number\n", 1},
        {{"rules", "--percent", "50%"}, "--percent: '50%' is not a number\n", 1},
        // Ratings and slopes stay within what the course window's spin buttons reach.
        {oak + Args{"--ratings", "19.9,70,70"}, "--ratings: '19.9' is not a rating from 20.0 to 99.9\n", 1},
        {oak + Args{"--ratings", "70,70,99.95"}, "--ratings: '99.95' is not a rating from 20.0 to 99.9\n", 1},
        {oak + Args{"--slopes", "113,54,113"}, "--slopes: '54' is not a slope from 55 to 155\n", 1},
        {oak + Args{"--slopes", "113,113,1e9"}, "--slopes: '1e9' is not a slope from 55 to 155\n", 1},
        // Usage errors exit with 2.
        {{"create-league"}, "", 2},
        {{"add-player", "Monday", "Cy Young", "--tee", "4"}, "", 2},
        {{"rules", "--method", "5"}, "", 2},
    };
    for (const auto& [args, message, status] : cases)
        refused(args, message, status);
}

// The course window's texts: initials cut to three as its box cuts them, ratings
// and slopes rounded as its spin buttons show them.
TEST_F(CliStore, AddCourseTakesTheTextsAsTheWindowDoes) {
    ok({"add-course", "--name", "Pine Hills, East", "--pars", par72, "--initials", "PHEX"});
    ok({"add-course", "--name", "Lakes", "--pars", par72, "--ratings", "20,71.24,99.9", "--slopes",
        "55,124.5,155"});
    EXPECT_EQ(ok({"courses"}), "1\tPine Hills, East\tPHE\n2\tLakes\t\n");
    auto lines = fileLines(readFile(dir / "course.dat"));
    ASSERT_EQ(lines.size(), 61u);
    EXPECT_EQ(Args(lines.begin() + 1, lines.begin() + 7),
              (Args{"Pine Hills, East", "36", "36", " 72", " 4", " 4"}));
    EXPECT_EQ(Args(lines.begin() + 53, lines.end()),
              (Args{" 20", " 71.2", " 99.9", " 55", " 125", " 155", "", ""}));
}

TEST_F(CliStore, RulesPrintAndAcceptWithCorrections) {
    // The last-N count and the nine-hole option, never chosen, show the values the calculation uses.
    EXPECT_EQ(
        ok({"rules"}),
        "HcpMethod 1\nRoundsOption 1\nRoundsToUse 10\nPercentRounds 50\nHcpLimitOption 1\nMensHcpMax 35\n"
        "WomensHcpMax 40\nStrokeOption 1\nStrokesAbovePar 4\nMaxStrokesPerHole 10\nNineHoleOption 1\n"
        "DateRemind 0\nIndexFactor 0.96\n");
    EXPECT_FALSE(fs::exists(dir / "vexa.dat")); // showing writes nothing

    ok({"rules", "--method", "2", "--rounds-option", "4", "--rounds", "21", "--percent", "100", "--mens-max",
        "45", "--womens-max", "46", "--factor", "1.11", "--nine-hole", "3"});
    // Options not given keep their values.
    ok({"rules", "--factor", ".5", "--date-remind", "1", "--above-par", "8", "--mens-max", "36.4"});
    EXPECT_EQ(
        ok({"rules"}),
        "HcpMethod 2\nRoundsOption 4\nRoundsToUse 10\nPercentRounds 100\nHcpLimitOption 1\nMensHcpMax 36.4\n"
        "WomensHcpMax 45\nStrokeOption 1\nStrokesAbovePar 4\nMaxStrokesPerHole 10\nNineHoleOption 3\n"
        "DateRemind 1\nIndexFactor 0.5\n");
}

TEST_F(CliStore, DamagedFilesOrADeletedFolderRefuseEveryCommandChangingNothing) {
    ok({"create-league", "Friday"});
    ok({"add-course", "--name", "Lakes", "--pars", par72});
    fs::remove(dir / "Friday.LGE");
    writeFile(dir / "course.dat", crlf({" 3 ", "Lakes"}));
    // What each damaged file says is the core's to check.
    for (const Args& args :
         {Args{"add-player", "Friday", "Bob"}, Args{"add-course", "--name", "Oak", "--pars", par72}})
        refused(args);
    writeFile(dir / "vexa.dat", crlf({" 2 ", "Monday"}));
    for (const Args& args : {Args{"leagues"}, Args{"create-league", "Sunday"}})
        refused(args);
    // A working folder deleted under the tool.
    const auto before = folderSnapshot(dir.path());
    for (const Args& args :
         {Args{"leagues"}, Args{"create-league", "Monday"}, Args{"course-handicap", "12", "113"}}) {
        fs::create_directory(dir / "gone");
        CliResult r = waitCli(startCli(dir / "gone", args, {0, true}));
        EXPECT_EQ(r.status, 1) << args.front();
        EXPECT_EQ(r.err, "the working folder cannot be found: it may have been deleted\n");
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(folderSnapshot(dir.path()), before);
    }
}

// Names no data file can hold are refused, exit 1, every file as it was (names match whatever
// the letter case; a new name as long as an added one); so are entries of a planted league list
// that lead out of the folder, hide a file or hold a control character, inside and outside alike.
TEST_F(CliStore, HostileNamesAndListEntriesWithPathsAreRefusedWritingNothing) {
    const std::string nunez = "John N\xC3\xBA\xC3\xB1"
                              "ez",
                      league = "\xC3\x89t\xC3\xA9"; // Été
    ok({"create-league", league});
    ok({"add-player", "\xC3\xA9t\xC3\xA9", nunez});
    ok({"add-course", "--name", "\xC3\x89tang", "--pars", par72});
    const std::pair<Args, std::string> cases[] = {
        {{"create-league", "\xC3\x89T\xC3\x89"}, "That name is already in use.\n"}, // ÉTÉ
        {{"rename-player", league, nunez, std::string(19, 'x')},
         "A player name has at most 18 characters.\n"},
        {{"add-player", league, std::string(19, 'y')}, "A player name has at most 18 characters.\n"},
        {{"add-course", "--name", "Oak", "--pars", par72, "--initials", "O\nH"},
         "Course initials cannot contain a line break.\n"},
    };
    for (const auto& [args, message] : cases)
        refused(args, message);

    ok({"print", "\xC3\xA9T\xC3\xA9", "chart", "\xC3\xA9TANG", "2", "--text", "chart.txt"});
    ok({"rename-player", league, nunez, std::string(18, 'x')});
    EXPECT_EQ(fileLines(readFile(dir / (league + ".LGE")))[1], std::string(18, 'x'));

    const fs::path work = dir / "work", outside = dir / "outside";
    fs::create_directory(work);
    fs::create_directory(outside);
    for (const fs::path& file : {outside / "evil.LGE", outside / "evil.tea", outside / "abs.LGE",
                                 work / ".hidden.LGE", work / "Monday.LGE"})
        writeFile(file, " 0 \r\n");
    const Args planted{"../outside/evil", (outside / "abs").string(), ".hidden", "Bad\x1BName"};
    writeFile(work / "vexa.dat", crlf({" 5 ", planted[0], planted[1], planted[2], planted[3], "Monday",
                                       " .96 ", "Courier New", " 0 ", " 0 ", " 1 ", " 0 "}));

    const auto before = folderSnapshot(dir.path());
    for (const std::string& entry : planted)
        for (const Args& args :
             {Args{"add-player", entry, "Evil Name"}, Args{"delete-league", entry}, Args{"listing", entry},
              Args{"record", entry, "--player", "Ann", "--course", "Oak", "--date", "06/05/24", "--out", "40",
                   "--in", "40"}}) {
            CliResult r = runCli(work, args);
            EXPECT_EQ(r.status, 1) << args.front() << " " << entry;
            EXPECT_EQ(r.err, "Illegal Name for file\n") << args.front() << " " << entry;
        }
    EXPECT_EQ(folderSnapshot(dir.path()), before);
    EXPECT_EQ(runCli(work, {"add-player", "Monday", "Ann Lee"}).status, 0);
}

// A run builds only the named command's file: each command listed in the whole
// tool's help must still answer for itself, and print must offer every report.
TEST_F(CliStore, EveryCommandOfTheHelpAnswersItsOwnHelp) {
    std::string all = ok({"--help"});
    std::istringstream listed(all.substr(all.find("Subcommands:")));
    std::string line;
    int commands = 0;
    for (std::getline(listed, line); std::getline(listed, line) && line.starts_with("  "); ++commands) {
        std::string name = line.substr(2, line.find(' ', 2) - 2);
        CliResult own = runCli(dir.path(), {"--wait", "1", name, "--help"});
        EXPECT_EQ(own.status, 0) << name;
        EXPECT_NE(own.out.find("Usage: tallyrock-cli " + name + " "), std::string::npos) << name << own.out;
    }
    EXPECT_EQ(commands, 23);
    std::string print = ok({"print", "--help"});
    for (const char* report :
         {"short", "long", "chart", "teams", "trend", "pie", "compare", "cards", "night", "worksheets"})
        EXPECT_NE(print.find("\n  " + std::string(report) + " "), std::string::npos) << report;
}

// `undo --list` and `undo`: a removed player comes back with rounds and team,
// byte for byte; with nothing to undo it is refused.
TEST_F(CliStore, UndoBringsARemovedPlayerWithRoundsAndTeamBackByteForByte) {
    refused({"undo"}, "There is nothing to undo.\n");
    EXPECT_EQ(ok({"undo", "--list"}), "");
    ok({"create-league", "Club"});
    ok({"add-course", "--name", "Pine Hills", "--pars", par72});
    for (const char* name : {"Ann Lee", "Mary O'Hara", "Cyd Moss"}) {
        ok({"add-player", "Club", name});
        for (const char* date : {"06/05/26", "06/12/26"})
            ok({"record", "Club", "--player", name, "--course", "Pine Hills", "--date", date, "--out", "45",
                "--in", "43"});
    }
    // Ann and Cyd in Eagles with two entries, Mary in Hawks.
    writeFile(dir / "Club.tea", crlf({" 2 ", "Eagles", "Hawks", " 1 ", " 2 ", " 1 ", " 2 ", "Week 1", " 12 ",
                                      " 3.5 ", "Week 2", " 15 ", " 4 ", " 0 "}));
    // An export and a printout in the data folder are no change to undo: the list below does not hold them.
    ok({"export", "Club", "rounds", "rounds.csv"});
    ok({"print", "Club", "short", "--text", "short.txt"});
    auto before = dataFiles(dir.path());
    ok({"remove-player", "Club", "Mary O'Hara"});
    auto removed = dataFiles(dir.path());
    ASSERT_NE(removed.at("Club.LGE"), before.at("Club.LGE"));
    ASSERT_NE(removed.at("Club.tea"), before.at("Club.tea"));

    auto list = lines(ok({"undo", "--list"}));
    ASSERT_EQ(list.size(), 12u); // the league, the course, three players with two rounds each, the removal
    EXPECT_TRUE(list[0].starts_with("1  ") && list[0].ends_with("  tallyrock-cli  Remove Player Mary O'Hara"))
        << list[0];
    EXPECT_TRUE(list[11].starts_with("12  ") && list[11].ends_with("  Create League Club")) << list[11];

    EXPECT_EQ(ok({"undo"}), "Undone: Remove Player Mary O'Hara\n");
    EXPECT_EQ(dataFiles(dir.path()), before);
}

// The tool beside other programs and on a failing disk: nothing lost, a truthful exit status.
class CliSafety : public CliTest {
  protected:
    void league(int players) {
        ok({"create-league", "Mon"});
        ok({"add-course", "--name", "Pine Hills", "--pars", par72, "--initials", "PH"});
        for (int p = 1; p <= players; ++p)
            ok({"add-player", "Mon", "Player " + std::to_string(p)});
    }
    void allSucceedSideBySide(const std::vector<Args>& runs) {
        std::vector<CliProcess> started;
        for (const Args& args : runs)
            started.push_back(startCli(dir.path(), args));
        for (const CliProcess& process : started) {
            CliResult r = waitCli(process);
            EXPECT_EQ(r.status, 0) << r.err;
        }
    }
};

TEST_F(CliSafety, CommandsStartedTogetherAllLand) {
    league(12);
    std::vector<Args> records, others;
    for (int p = 1; p <= 12; ++p)
        records.push_back({"record", "Mon", "--player", "Player " + std::to_string(p), "--course",
                           "Pine Hills", "--date", "06/05/24", "--out", "45", "--in",
                           std::to_string(40 + p)});
    allSucceedSideBySide(records);
    auto leagueLines = fileLines(readFile(dir / "Mon.LGE"));
    for (std::size_t p = 1; p <= 12; ++p)
        EXPECT_EQ(leagueLines.at(1 + (p - 1) * 543 + 2), " 1 ") << "player " << p;

    for (int k = 1; k <= 14; ++k)
        others.push_back({"create-league", "League" + std::to_string(k)});
    for (int k = 1; k <= 6; ++k)
        others.push_back({"add-course", "--name", "Course " + std::to_string(k), "--pars", par72});
    allSucceedSideBySide(others);
    std::string leagues = ok({"leagues"});
    EXPECT_EQ(std::count(leagues.begin(), leagues.end(), '\n'), 15) << leagues;
    refused({"create-league", "League15"}); // Mon and the 14 are as many as there can be
    std::string courseList = ok({"courses"});
    EXPECT_EQ(std::count(courseList.begin(), courseList.end(), '\n'), 7);
}

TEST_F(CliSafety, WaitsForAnotherProgramAndRefusesALeagueOpenInTheDesktopOne) {
    league(1);
    auto held =
        FileLock::acquire(folderLockPath(dir.path()), "Tallyrock (process 99)", std::chrono::milliseconds(0));
    ASSERT_TRUE(held);
    refused({"--wait", "0.2", "add-player", "Mon", "Waiting Wanda"});
    held->release();
    ok({"--wait", "0.2", "add-player", "Mon", "Waiting Wanda"});
    Store desktop = storeIn(dir.path());
    ASSERT_FALSE(holdLeagueOpen(desktop, "Mon.LGE"));
    refused({"record", "Mon", "--player", "Player 1", "--course", "Pine Hills", "--date", "06/05/24", "--out",
             "45", "--in", "44"});
    // Reading it stays possible.
    ok({"listing", "Mon"});
}

TEST_F(CliSafety, AFailedWriteChangesNothingAndExitsOne) {
    league(2);
    // A file-size limit stands for a disk that fills up: the league file cannot grow.
    long leagueSize = static_cast<long>(readFile(dir / "Mon.LGE").size());
    refused({"add-player", "Mon", "Third Player"}, "", 1, leagueSize + 100);
    writeFile(dir / "week.csv", "date,player,course,out,in\r\n06/05/24,Player 1,Pine Hills,45,44\r\n");
    refused({"import", "Mon", "week.csv"}, "", 1, leagueSize + 1);
    refused({"delete-league", "Mon"}, "", 1, 10);
    refused({"create-league", std::string(250, 'L')});
    // The settings file cannot be replaced: neither it nor the league list changes.
    fs::create_directories(dir / ".config" / "tallyrock" / "vexa.ini" / "blocked");
    refused({"rules", "--method", "2"});
}

} // namespace
} // namespace tallyrock::test
