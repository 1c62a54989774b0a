// The tool beside other programs and on a failing disk: nothing lost, a truthful exit status.
#include "cli/CliTest.h"
#include "core/Samples.h"
#include "store/ChangeSet.h"
#include "store/FileLock.h"
#include "store/Store.h"

#include <algorithm>
#include <unistd.h>

namespace tallyrock::test {
namespace {
namespace fs = std::filesystem;

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
    std::vector<Args> records, creates, courses;
    for (int p = 1; p <= 12; ++p)
        records.push_back({"record", "Mon", "--player", "Player " + std::to_string(p), "--course",
                           "Pine Hills", "--date", "06/05/24", "--out", "45", "--in",
                           std::to_string(40 + p)});
    allSucceedSideBySide(records);
    auto leagueLines = fileLines(readFile(dir / "Mon.LGE"));
    for (std::size_t p = 1; p <= 12; ++p)
        EXPECT_EQ(leagueLines.at(1 + (p - 1) * 543 + 2), " 1 ") << "player " << p;

    for (int k = 1; k <= 8; ++k)
        creates.push_back({"create-league", "League" + std::to_string(k)});
    for (int k = 1; k <= 6; ++k)
        courses.push_back({"add-course", "--name", "Course " + std::to_string(k), "--pars", par72});
    allSucceedSideBySide(creates);
    allSucceedSideBySide(courses);
    std::string leagues = ok({"leagues"});
    EXPECT_EQ(std::count(leagues.begin(), leagues.end(), '\n'), 9) << leagues; // Mon and the 8
    std::string courseList = ok({"courses"});
    EXPECT_EQ(std::count(courseList.begin(), courseList.end(), '\n'), 7);
}

TEST_F(CliSafety, WaitsForAnotherProgramAndRefusesALeagueOpenInTheDesktopOne) {
    league(1);
    auto held =
        FileLock::acquire(folderLockPath(dir.path()), "Tallyrock (process 99)", std::chrono::milliseconds(0));
    ASSERT_TRUE(held);
    refused({"--wait", "0.2", "add-player", "Mon", "Waiting Wanda"},
            "The data files are being changed by Tallyrock (process 99).\n"
            "Nothing was changed. Try again when it has finished.\n");
    held->release();
    ok({"--wait", "0.2", "add-player", "Mon", "Waiting Wanda"});
    Store desktop = storeIn(dir.path());
    ASSERT_FALSE(holdLeagueOpen(desktop, "Mon.LGE"));
    const std::string expected =
        "Mon is open in Tallyrock (process " + std::to_string(getpid()) + "); close it there first.\n";
    for (const Args& args : {Args{"add-player", "Mon", "Behind Back"},
                             Args{"record", "Mon", "--player", "Player 1", "--course", "Pine Hills", "--date",
                                  "06/05/24", "--out", "45", "--in", "44"},
                             Args{"delete-league", "Mon"}})
        refused(args, expected);
    // Reading it stays possible, and other leagues can change.
    ok({"listing", "Mon"});
    ok({"create-league", "Tue"});
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
