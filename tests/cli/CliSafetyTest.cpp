// The command-line tool beside other programs and on a failing disk: nothing
// lost, and an exit status that tells the truth.
#include "cli/CliRunner.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "store/ChangeSet.h"
#include "store/FileLock.h"
#include "store/Store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <unistd.h>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

const std::string par72 = "4,4,3,5,4,4,3,5,4,4,4,3,5,4,4,3,5,4";

class CliSafety : public ::testing::Test {
  protected:
    void ok(const std::vector<std::string>& args) {
        CliResult r = runCli(dir.path(), args);
        ASSERT_EQ(r.status, 0) << args.front() << ": " << r.err;
    }
    void league(int players) {
        ok({"create-league", "Mon"});
        ok({"add-course", "--name", "Pine Hills", "--pars", par72, "--initials", "PH"});
        for (int p = 1; p <= players; ++p)
            ok({"add-player", "Mon", "Player " + std::to_string(p)});
    }
    // Runs side by side; every run must succeed.
    void allSucceed(const std::vector<std::vector<std::string>>& runs) {
        std::vector<CliProcess> started;
        for (const auto& args : runs)
            started.push_back(startCli(dir.path(), args));
        for (const CliProcess& process : started) {
            CliResult r = waitCli(process);
            EXPECT_EQ(r.status, 0) << r.err;
        }
    }
    // A run that must fail with status 1, print no result and change no file.
    CliResult changesNothing(const std::vector<std::string>& args, long fileSizeLimit = 0) {
        auto before = folderSnapshot(dir.path());
        CliResult r = waitCli(startCli(dir.path(), args, {fileSizeLimit, false}));
        EXPECT_EQ(r.status, 1) << args.front() << ": " << r.err;
        EXPECT_EQ(r.out, "") << args.front();
        EXPECT_NE(r.err, "") << args.front();
        EXPECT_EQ(folderSnapshot(dir.path()), before) << args.front();
        return r;
    }
    TempDir dir;
};

TEST_F(CliSafety, CommandsStartedTogetherAllLand) {
    league(12);
    std::vector<std::vector<std::string>> records;
    for (int p = 1; p <= 12; ++p)
        records.push_back({"record", "Mon", "--player", "Player " + std::to_string(p), "--course",
                           "Pine Hills", "--date", "06/05/24", "--out", "45", "--in",
                           std::to_string(40 + p)});
    allSucceed(records);
    auto leagueLines = fileLines(readFile(dir / "Mon.LGE"));
    for (std::size_t p = 1; p <= 12; ++p)
        EXPECT_EQ(leagueLines.at(1 + (p - 1) * 543 + 2), " 1 ") << "player " << p;

    std::vector<std::vector<std::string>> creates, courses;
    for (int k = 1; k <= 8; ++k)
        creates.push_back({"create-league", "League" + std::to_string(k)});
    for (int k = 1; k <= 6; ++k)
        courses.push_back({"add-course", "--name", "Course " + std::to_string(k), "--pars", par72});
    allSucceed(creates);
    allSucceed(courses);
    std::string leagues = runCli(dir.path(), {"leagues"}).out;
    for (int k = 1; k <= 8; ++k)
        EXPECT_NE(leagues.find("League" + std::to_string(k) + "\n"), std::string::npos);
    std::string courseList = runCli(dir.path(), {"courses"}).out;
    EXPECT_EQ(std::count(courseList.begin(), courseList.end(), '\n'), 7);
}

TEST_F(CliSafety, WaitsForAnotherProgramThenNamesIt) {
    league(1);
    auto held =
        FileLock::acquire(folderLockPath(dir.path()), "Tallyrock (process 99)", std::chrono::milliseconds(0));
    ASSERT_TRUE(held);
    CliResult r = changesNothing({"--wait", "0.2", "add-player", "Mon", "Waiting Wanda"});
    EXPECT_EQ(r.err, "The data files are being changed by Tallyrock (process 99).\n"
                     "Nothing was changed. Try again when it has finished.\n");
    held->release();
    ok({"--wait", "0.2", "add-player", "Mon", "Waiting Wanda"});
}

TEST_F(CliSafety, ALeagueOpenInTheDesktopProgramIsRefused) {
    league(1);
    Store desktop = storeIn(dir.path());
    ASSERT_FALSE(holdLeagueOpen(desktop, "Mon.LGE"));
    std::string expected =
        "Mon is open in Tallyrock (process " + std::to_string(getpid()) + "); close it there first.\n";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"add-player", "Mon", "Behind Back"},
          std::vector<std::string>{"record", "Mon", "--player", "Player 1", "--course", "Pine Hills",
                                   "--date", "06/05/24", "--out", "45", "--in", "44"},
          std::vector<std::string>{"delete-league", "Mon"}})
        EXPECT_EQ(changesNothing(args).err, expected);
    // Reading it stays possible, and other leagues can change.
    EXPECT_EQ(runCli(dir.path(), {"listing", "Mon"}).status, 0);
    ok({"create-league", "Tue"});
}

TEST_F(CliSafety, AFailedWriteChangesNothingAndExitsOne) {
    league(2);
    // A file-size limit stands for a disk that fills up: the league file cannot grow.
    std::size_t leagueSize = readFile(dir / "Mon.LGE").size();
    changesNothing({"add-player", "Mon", "Third Player"}, static_cast<long>(leagueSize + 100));
    writeFile(dir / "week.csv", "date,player,course,out,in\r\n06/05/24,Player 1,Pine Hills,45,44\r\n");
    changesNothing({"import", "Mon", "week.csv"}, static_cast<long>(leagueSize + 1));
    changesNothing({"delete-league", "Mon"}, 10);
    changesNothing({"create-league", std::string(250, 'L')});
    // The settings file cannot be replaced: neither it nor the league list changes.
    fs::create_directories(dir / ".config" / "tallyrock" / "vexa.ini" / "blocked");
    changesNothing({"rules", "--method", "2"});
}

} // namespace
