// The rounds view, the reports, charts, cards and team summary through the command-line tool.
#include "cli/CliTest.h"
#include "core/Samples.h"
#include "store/LeagueFile.h"

#include <algorithm>
#include <cstdlib>

namespace tallyrock::test {
namespace {

class CliPrint : public CliTest {
  protected:
    // What `print LEAGUE ARGS` writes to a text file.
    std::string printed(const std::string& league, const Args& args) const {
        ok(Args{"print", league} + args + Args{"--text", "out.txt"});
        return readFile(dir / "out.txt");
    }
};

const std::string Title = "      Friday" + std::string(30, ' ') + "Tallyrock   07-04-2024";
const std::string Heading =
    "            Name               Date   Course  Out  In Total Hcp Index   C Hcp # rounds";
const std::string Separator = "      " + std::string(82, '_');
const std::string AnnLine =
    "       Ann Able              07/03/06   PCC   45   43   88    11.8       12      2";
const std::string BobLine =
    "       Bob Baker             07/03/06   PCC   40   41   81     5.0        5      1";

// League "Friday": Ann with rounds of 06/01/06 and 07/03/06, Bob with one of 07/03/06.
class CliReportTest : public CliPrint {
  protected:
    void SetUp() override {
        makeFridayAtPineCreek();
        Store store = storeIn(dir.path(), "Friday.LGE");
        int ann = addSamplePlayer(store, "Ann Able");
        int bob = addSamplePlayer(store, "Bob Baker");
        addRounds(store, ann, {{6, 1, 6, 1, 44, 45, 12.3f, 12}, {7, 3, 6, 1, 45, 43, 11.8f, 12}});
        addRound(store, bob, RoundSample{7, 3, 6, 1, 40, 41, 5.0f, 5});
        ASSERT_FALSE(SaveLeagueFile(store));
    }
};

TEST_F(CliReportTest, TheRecentViewAndTheCourseChartListedAndPrintedAsText) {
    EXPECT_EQ(ok({"listing", "Friday"}), text({Title, " ", Heading, Separator, AnnLine, BobLine}));
    ok({"listing", "Friday", "--out", "list.txt"});
    std::string file = readFile(dir / "list.txt");
    EXPECT_EQ(lineCount(file), 6);
    EXPECT_EQ(file.substr(0, Title.size() + 5), Title + "\r\n \r\n");
    EXPECT_EQ(printed("Friday", {"short"}),
              text({" ", " ", " ", " ", " ", Title, "", Heading, Separator, AnnLine, BobLine}));
    std::string chart = printed("Friday", {"chart", "pine creek club", "2"});
    EXPECT_NE(chart.find("\n   Pine Creek Club\n \n     Mens Tee - slope 126\n"), std::string::npos);
    EXPECT_NE(chart.find("\n       -5.0      -6        7.5       8       20.0      22       32.5      36\n"),
              std::string::npos);
}

TEST_F(CliReportTest, ListingViewsEarlierPressesAndLongLinesOrRefuses) {
    std::string back = ok({"listing", "Friday", "--back", "1"});
    EXPECT_NE(back.find("Ann Able              06/01/06"), std::string::npos);
    EXPECT_EQ(back.find("Bob Baker"), std::string::npos);
    EXPECT_EQ(ok({"listing", "Friday", "--view", "date", "--back", "1"}).find("07/03/06"), std::string::npos);

    std::string player = ok({"listing", "Friday", "--player", "Ann Able"});
    EXPECT_LT(player.find("07/03/06"), player.find("06/01/06")); // newest first

    std::string longer = ok({"listing", "Friday", "--long"});
    EXPECT_EQ(longer.substr(0, longer.find('\n')),
              "      Friday" + std::string(70, ' ') + "Tallyrock   07-04-2024");
    EXPECT_NE(
        longer.find(" 18  C Hcp # rnd\n      " + std::string(129, '-') + "\n      Ann Able              "),
        std::string::npos);
    const std::pair<Args, int> cases[] = {
        {{"listing", "Friday", "--player", "Nobody"}, 1},
        {{"listing", "Saturday"}, 1},
        {{"listing", "Friday", "--view", "sideways"}, 2},
        {{"print", "Friday", "chart", "Pine Creek Club", "4", "--text", "x.txt"}, 1},
        {{"print", "Friday", "nothing", "--text", "x.txt"}, 1},
        {{"print", "Friday", "short"}, 2}, // no output named
        {{"print", "Friday", "short", "--text", "a", "--pdf", "b"}, 2},
    };
    for (const auto& [args, status] : cases)
        refused(args, "", status);
}

// What a poppler tool says of a PDF; empty when the tool is not installed.
std::string poppler(const std::string& tool, const std::filesystem::path& pdf) {
    const std::string out = pdf.string() + ".out";
    std::string command =
        tool + " '" + pdf.string() + "' " + (tool == "pdfinfo" ? "" : "- ") + "> '" + out + "' 2>/dev/null";
    return std::system(command.c_str()) == 0 ? readFile(out) : std::string();
}

TEST_F(CliReportTest, PrintToPdfKeepsTheColumnsAligned) {
    CliResult r = run({"print", "Friday", "long", "--pdf", "long.pdf"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    ASSERT_EQ(readFile(dir / "long.pdf").substr(0, 5), "%PDF-");
    const std::string pdfText = poppler("pdftotext -layout", dir / "long.pdf");
    if (pdfText.empty()) GTEST_SKIP() << "pdftotext is not installed";
    auto lineWith = [&](const std::string& part) {
        std::size_t at = pdfText.find(part), start = pdfText.rfind('\n', at) + 1;
        return pdfText.substr(start, pdfText.find('\n', at) - start);
    };
    std::string heading = lineWith("Course"), ann = lineWith("Ann Able"), bob = lineWith("Bob Baker");
    EXPECT_NE(lineWith("Friday").find("Tallyrock   07-04-2024"), std::string::npos);
    // The round lines keep their spacing up to the index, and every column its place.
    ASSERT_NE(ann.find("Ann Able              07/03/06   PCC   45   43   88    11.8"), std::string::npos)
        << ann;
    ASSERT_NE(bob.find("Bob Baker             07/03/06   PCC   40   41   81     5.0"), std::string::npos)
        << bob;
    EXPECT_EQ(ann.find("Ann"), bob.find("Bob"));
    EXPECT_EQ(heading.find("Date"), ann.find("07/03/06") + 2);
    EXPECT_EQ(ann.rfind(" 2"), bob.rfind(" 1"));
}

TEST_F(CliReportTest, LinesPastTheLastPageBreakGoOnTheNextPage) {
    Store store = storeIn(dir.path(), "Friday.LGE");
    for (int i = 1; i <= 70; ++i)
        addRounds(store, addSamplePlayer(store, "Player " + std::to_string(i)), {{8, 1, 6}, {8, 1, 6}});
    ASSERT_FALSE(SaveLeagueFile(store));
    ok({"print", "Friday", "long", "--view", "date", "--pdf", "many.pdf"});
    std::string info = poppler("pdfinfo", dir / "many.pdf");
    if (info.empty()) GTEST_SKIP() << "pdfinfo is not installed";
    // 140 round lines: breaks after items 43 and 86, then the page fills up and the rest goes on a fourth.
    EXPECT_NE(info.find("Pages:           4\n"), std::string::npos) << info;
    EXPECT_NE(poppler("pdftotext -layout", dir / "many.pdf").find("Player 70"), std::string::npos);
}

// League "Club": Ann with two rounds on Pine Hills (PH), Bob without rounds, Cy with one.
class CliChartsTest : public CliPrint {
  protected:
    void SetUp() override {
        ok({"create-league", "Club"});
        ok({"add-course", "--name", "Pine Hills", "--pars", "4,4,3,5,4,4,4,4,4,4,4,4,4,4,4,4,4,4",
            "--initials", "PH"});
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
};

const std::string Gap(15, ' ');
// Each card line after a line holding one blank.
std::string card(std::initializer_list<std::string> lines) {
    std::string out;
    for (const std::string& line : lines)
        out += " \n" + line + "\n";
    return out;
}
const std::string Cards =
    card({"Ann Smith", "  Hcp Index: 12.3", "PH CHCP: 12", "  PH27  ", "  PH98  ", "", "", "Spring 2024"}) +
    card({"Cy Park", "  Hcp Index: -2.5", "PH CHCP: -3", "  PH10  ", "", "", "", "Spring 2024"});

// Each report reaches the right player's chart with today's date; what the
// charts hold line by line is the core's to check.
TEST_F(CliChartsTest, EachReportPrintsTheNamedPlayersOrNamesTheProblem) {
    const std::pair<Args, std::string> cases[] = {
        {{"trend", "Ann Smith"},
         text({" ", " Hcp Index Hcp Differential", " ", "Ann Smith" + Gap, " ",
               "Current Hcp. Index = 12.3" + Gap, " ", "2 rounds played" + Gap, "07-04-2024"})},
        // Ann's first round: 4 5 3 5 4 6 on pars 4 4 3 5 4 4; the second has totals only.
        {{"pie", "Ann Smith"},
         text({" ", " ", "Ann Smith" + Gap, "  ", "avg. par per hole = 4.0" + Gap, " ",
               "avg. score per hole = 4.5" + Gap, " ", "# of scores recorded = 6" + Gap, "07-04-2024"})},
        {{"cards", "Cy Park", "Ann Smith", "--comment", "Spring 2024"}, Cards},
    };
    for (const auto& [args, expected] : cases)
        EXPECT_EQ(printed("Club", args), expected) << args[0];
    // Without a comment the cards carry today's date.
    EXPECT_NE(printed("Club", {"cards", "Bob Jones"}).find("\n07-04-2024\n"), std::string::npos);
    std::string compare = printed("Club", {"compare"});
    EXPECT_LT(compare.find("Cy Park"), compare.find("Ann Smith"));
    EXPECT_EQ(compare.find("Bob Jones"), std::string::npos); // no rounds

    for (const char* report : {"trend", "pie"}) {
        ok({"print", "Club", report, "Ann Smith", "--pdf", "chart.pdf"});
        EXPECT_EQ(readFile(dir / "chart.pdf").substr(0, 5), "%PDF-") << report;
    }
    const std::pair<Args, std::string> refusals[] = {
        {{"trend", "Zed"}, "There is no player 'Zed' in this league.\n"},
        {{"pie"}, "The pie needs one PLAYER: print LEAGUE pie PLAYER\n"},
        {{"cards"}, "No Players selected, cannot continue.\n"},
        {{"compare", "Ann Smith"}, ""},
    };
    for (const auto& [args, message] : refusals)
        refused(Args{"print", "Club"} + args + Args{"--text", "out.txt"}, message);
}

// League "Club" with Ann, Bob and Cyd; Eagles (Ann, Cyd) with two entries, Hawks (Bob) with none.
TEST_F(CliPrint, TeamSummaryAsTextWithNamesOrOfTheLastEventOrRefused) {
    ok({"create-league", "Club"});
    for (const char* name : {"Ann", "Bob", "Cyd"})
        ok({"add-player", "Club", name});
    const std::string teams = crlf({" 2 ", "Eagles", "Hawks", " 1 ", " 2 ", " 1 ", " 2 ", "Week 1", " 12 ",
                                    " 3.5 ", "Week 2", " 15 ", " 4 ", " 0 "});
    writeFile(dir / "Club.tea", teams);
    // The job's opening line, four blank lines, the title and an empty line.
    const std::string top =
        text({" ", " ", " ", " ", " ", std::string(42, ' ') + "Tallyrock   07-04-2024", ""});
    const std::string rule = "    " + std::string(80, '-'),
                      footer = std::string(60, ' ') + std::string(14, '-');
    const std::string week1 = "    Week 1" + std::string(50, ' ') + "  12.0" + "   " + "   3.5";
    const std::string week2 = "    Week 2" + std::string(50, ' ') + "  15.0" + "   " + "   4.0";
    const std::string eagles = std::string(53, ' ') + "Total: " + "  15.0" + " " + "   " + "  " + "7.5";
    const std::string hawks = std::string(53, ' ') + "Total: " + "   0.0" + " " + "   " + "  " + "0.0";
    EXPECT_EQ(printed("Club", {"teams", "--names"}),
              top +
                  text({" ", rule, "    Team: Eagles", " ", "    Ann , Cyd ", " ", week1, week2, footer,
                        eagles, " "}) +
                  text({" ", rule, "    Team: Hawks", " ", "    Bob ", " ", footer, hawks, " "}));
    EXPECT_EQ(readFile(dir / "Club.tea"), teams); // printing changes no data
    EXPECT_EQ(printed("Club", {"teams", "--last"}),
              top + text({" ", rule, "    Team: Eagles", " ", week2, footer, eagles, " "}) +
                  text({" ", rule, "    Team: Hawks", " ", footer, hawks, " "}));
    refused({"print", "Club", "teams", "all", "--text", "out.txt"}, "The team summary takes no arguments.\n");
    ok({"create-league", "Solo"});
    ok({"add-player", "Solo", "Ann"});
    refused({"print", "Solo", "teams", "--text", "out.txt"}, "No player of this league belongs to a team.\n");
}

} // namespace
} // namespace tallyrock::test
