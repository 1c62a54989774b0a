// Leagues, courses, players and rules through the command-line tool.
#include "cli/CliRunner.h"
#include "core/TestFiles.h"

#include <gtest/gtest.h>

using namespace tallyrock::test;

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
