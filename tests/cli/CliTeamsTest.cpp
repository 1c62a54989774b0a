// The team summary through `print LEAGUE teams`.
#include "cli/CliRunner.h"
#include "core/TestFiles.h"

#include <gtest/gtest.h>

using namespace tallyrock::test;

namespace {

std::string spaces(std::size_t n) {
    return std::string(n, ' ');
}

// Lines each ended by "\n", as the text printout holds them.
std::string text(std::initializer_list<std::string> lines) {
    std::string out;
    for (const std::string& line : lines)
        out += line + "\n";
    return out;
}

const std::string ClubTeams = crlf({" 2 ", "Eagles", "Hawks", " 1 ", " 2 ", " 1 ", " 2 ", "Week 1", " 12 ",
                                    " 3.5 ", "Week 2", " 15 ", " 4 ", " 0 "});

// League "Club" with Ann, Bob and Cyd; Eagles (Ann, Cyd) with two entries, Hawks (Bob) with none.
void makeClub(const TempDir& dir) {
    ASSERT_EQ(runCli(dir.path(), {"create-league", "Club"}).status, 0);
    for (const char* name : {"Ann", "Bob", "Cyd"})
        ASSERT_EQ(runCli(dir.path(), {"add-player", "Club", name}).status, 0);
    writeFile(dir / "Club.tea", ClubTeams);
}

// The job's opening line, four blank lines, the title and an empty line.
const std::string Top = text({" ", " ", " ", " ", " ", spaces(42) + "Tallyrock   07-04-2024", ""});
const std::string Rule = "    " + std::string(80, '-');
const std::string FooterRule = spaces(60) + std::string(14, '-');
const std::string Week1 = "    Week 1" + spaces(50) + "  12.0" + "   " + "   3.5";
const std::string Week2 = "    Week 2" + spaces(50) + "  15.0" + "   " + "   4.0";
const std::string EaglesTotal = spaces(53) + "Total: " + "  15.0" + " " + "   " + "  " + "7.5";
const std::string HawksTotal = spaces(53) + "Total: " + "   0.0" + " " + "   " + "  " + "0.0";

} // namespace

TEST(CliTeams, SummaryWithNamesAsText) {
    TempDir dir;
    makeClub(dir);
    CliResult r = runCli(dir.path(),
                         {"--today", "07-04-2024", "print", "Club", "teams", "--names", "--text", "out.txt"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readFile(dir / "out.txt"),
              Top + text({" ", Rule, "    Team: Eagles", " ", "    Ann , Cyd ", " ", Week1, Week2}) +
                  text({FooterRule, EaglesTotal, " "}) +
                  text({" ", Rule, "    Team: Hawks", " ", "    Bob ", " ", FooterRule, HawksTotal, " "}));
    // Printing changes no data.
    EXPECT_EQ(readFile(dir / "Club.tea"), ClubTeams);
}

TEST(CliTeams, LastEventOnlyWithoutNames) {
    TempDir dir;
    makeClub(dir);
    CliResult r = runCli(dir.path(),
                         {"--today", "07-04-2024", "print", "Club", "teams", "--last", "--text", "out.txt"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readFile(dir / "out.txt"),
              Top + text({" ", Rule, "    Team: Eagles", " ", Week2, FooterRule, EaglesTotal, " "}) +
                  text({" ", Rule, "    Team: Hawks", " ", FooterRule, HawksTotal, " "}));
}

TEST(CliTeams, RefusedWithoutTeamMembersOrWithArguments) {
    TempDir dir;
    ASSERT_EQ(runCli(dir.path(), {"create-league", "Solo"}).status, 0);
    ASSERT_EQ(runCli(dir.path(), {"add-player", "Solo", "Ann"}).status, 0);
    CliResult none = runCli(dir.path(), {"print", "Solo", "teams", "--text", "out.txt"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "No player of this league belongs to a team.\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "out.txt"));

    makeClub(dir);
    CliResult extra = runCli(dir.path(), {"print", "Club", "teams", "all", "--text", "out.txt"});
    EXPECT_EQ(extra.status, 1);
    EXPECT_EQ(extra.err, "The team summary takes no arguments.\n");
}
