// The charts and handicap cards through `print`: trend, pie, compare and cards.
#include "cli/CliRunner.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "store/LeagueFile.h"

#include <gtest/gtest.h>

namespace tallyrock::test {
namespace {

const std::string Gap(15, ' ');

std::string lines(std::initializer_list<std::string> list) {
    std::string out;
    for (const std::string& line : list)
        out += line + "\n";
    return out;
}

// League "Club": Ann with two rounds on Pine Hills (PH), Bob without rounds, Cy with one.
class CliChartsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(run({"create-league", "Club"}).status, 0);
        ASSERT_EQ(run({"add-course", "--name", "Pine Hills", "--pars", "4,4,3,5,4,4,4,4,4,4,4,4,4,4,4,4,4,4",
                       "--initials", "PH"})
                      .status,
                  0);
        Store store = storeIn(dir.path(), "Club.LGE");
        int ann = addSamplePlayer(store, "Ann Smith");
        addSamplePlayer(store, "Bob Jones");
        int cy = addSamplePlayer(store, "Cy Park");
        setHoleScores(addChartRound(store, ann, 14.2f, 13.0f), {4, 5, 3, 5, 4, 6});
        RoundRecord& second = addChartRound(store, ann, 11.6f, 12.3f);
        second.HoleScore[OutSlot] = 48;
        second.HoleScore[InSlot] = 50;
        setHoleScores(addChartRound(store, cy, -1.0f, -2.5f), {3, 4, 3});
        ASSERT_FALSE(SaveLeagueFile(store));
    }
    CliResult run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--today", "07-04-2024"});
        return runCli(dir.path(), args);
    }
    std::string printed(std::vector<std::string> args) {
        args.insert(args.begin(), {"print", "Club"});
        args.insert(args.end(), {"--text", "out.txt"});
        CliResult r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        return readFile(dir / "out.txt");
    }
    TempDir dir;
};

// Each report reaches the right player's chart with today's date; what the
// charts hold line by line is the core's to check.
TEST_F(CliChartsTest, EachReportPrintsTheNamedPlayers) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"trend", "Ann Smith"},
         lines({" ", " Hcp Index Hcp Differential", " ", "Ann Smith" + Gap, " ",
                "Current Hcp. Index = 12.3" + Gap, " ", "2 rounds played" + Gap, "07-04-2024"})},
        // Ann's first round: 4 5 3 5 4 6 on pars 4 4 3 5 4 4; the second has totals only.
        {{"pie", "Ann Smith"},
         lines({" ", " ", "Ann Smith" + Gap, "  ", "avg. par per hole = 4.0" + Gap, " ",
                "avg. score per hole = 4.5" + Gap, " ", "# of scores recorded = 6" + Gap, "07-04-2024"})},
        {{"cards", "Cy Park", "Ann Smith", "--comment", "Spring 2024"}, lines({" ", "Ann Smith",
                                                                               " ", "  Hcp Index: 12.3",
                                                                               " ", "PH CHCP: 12",
                                                                               " ", "  PH27  ",
                                                                               " ", "  PH98  ",
                                                                               " ", "",
                                                                               " ", "",
                                                                               " ", "Spring 2024",
                                                                               " ", "Cy Park",
                                                                               " ", "  Hcp Index: -2.5",
                                                                               " ", "PH CHCP: -3",
                                                                               " ", "  PH10  ",
                                                                               " ", "",
                                                                               " ", "",
                                                                               " ", "",
                                                                               " ", "Spring 2024"})},
    };
    for (const auto& [args, text] : cases)
        EXPECT_EQ(printed(args), text) << args[0];
    // Without a comment the cards carry today's date.
    EXPECT_NE(printed({"cards", "Bob Jones"}).find("\n07-04-2024\n"), std::string::npos);
    std::string compare = printed({"compare"});
    EXPECT_LT(compare.find("Cy Park"), compare.find("Ann Smith"));
    EXPECT_EQ(compare.find("Bob Jones"), std::string::npos); // no rounds
}

TEST_F(CliChartsTest, RefusalsNameTheProblem) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"trend", "Zed"}, "There is no player 'Zed' in this league.\n"},
        {{"pie"}, "The pie needs one PLAYER: print LEAGUE pie PLAYER\n"},
        {{"cards"}, "No Players selected, cannot continue.\n"},
        {{"compare", "Ann Smith"}, ""},
    };
    for (auto [args, message] : cases) {
        args.insert(args.begin(), {"print", "Club"});
        args.insert(args.end(), {"--text", "out.txt"});
        CliResult r = run(args);
        EXPECT_EQ(r.status, 1) << args[2];
        if (!message.empty()) {
            EXPECT_EQ(r.err, message);
        }
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "out.txt"));
}

TEST_F(CliChartsTest, ChartsPrintToPdf) {
    for (const char* report : {"trend", "pie"}) {
        CliResult r = run({"print", "Club", report, "Ann Smith", "--pdf", "chart.pdf"});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(readFile(dir / "chart.pdf").substr(0, 5), "%PDF-") << report;
    }
}

} // namespace
} // namespace tallyrock::test
