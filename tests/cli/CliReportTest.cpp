// The rounds view and the printed reports through the command-line tool.
#include "cli/CliRunner.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "store/LeagueFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace tallyrock::test {
namespace {

const std::string Title = "      Friday" + std::string(30, ' ') + "Tallyrock   07-04-2024";
const std::string Heading =
    "            Name               Date   Course  Out  In Total Hcp Index   C Hcp # rounds";
const std::string Separator = "      " + std::string(82, '_');

class CliReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(makeFridayAtPineCreek(dir.path()));
        Store store = storeIn(dir.path(), "Friday.LGE");
        int ann = addSamplePlayer(store, "Ann Able");
        int bob = addSamplePlayer(store, "Bob Baker");
        addRounds(store, ann, {{6, 1, 6, 1, 44, 45, 12.3f, 12}, {7, 3, 6, 1, 45, 43, 11.8f, 12}});
        addRound(store, bob, RoundSample{7, 3, 6, 1, 40, 41, 5.0f, 5});
        ASSERT_FALSE(SaveLeagueFile(store));
    }
    CliResult run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--today", "07-04-2024"});
        return runCli(dir.path(), args);
    }
    TempDir dir;
};

TEST_F(CliReportTest, ListingOfTheRecentView) {
    CliResult r = run({"listing", "Friday"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              Title + "\n \n" + Heading + "\n" + Separator + "\n" +
                  "       Ann Able              07/03/06   PCC   45   43   88    11.8       12      2\n" +
                  "       Bob Baker             07/03/06   PCC   40   41   81     5.0        5      1\n");
    ASSERT_EQ(run({"listing", "Friday", "--out", "list.txt"}).status, 0);
    std::string file = readFile(dir / "list.txt");
    EXPECT_EQ(lineCount(file), 6);
    EXPECT_EQ(file.substr(0, Title.size() + 5), Title + "\r\n \r\n");
}

TEST_F(CliReportTest, ListingViewsEarlierPressesAndLongLines) {
    CliResult back = run({"listing", "Friday", "--back", "1"});
    ASSERT_EQ(back.status, 0) << back.err;
    EXPECT_NE(back.out.find("Ann Able              06/01/06"), std::string::npos);
    EXPECT_EQ(back.out.find("Bob Baker"), std::string::npos);
    EXPECT_EQ(run({"listing", "Friday", "--view", "date", "--back", "1"}).out.find("07/03/06"),
              std::string::npos);

    CliResult player = run({"listing", "Friday", "--player", "Ann Able"});
    ASSERT_EQ(player.status, 0) << player.err;
    EXPECT_LT(player.out.find("07/03/06"), player.out.find("06/01/06")); // newest first

    std::string longer = run({"listing", "Friday", "--long"}).out;
    EXPECT_EQ(longer.substr(0, longer.find('\n')),
              "      Friday" + std::string(70, ' ') + "Tallyrock   07-04-2024");
    EXPECT_NE(
        longer.find(" 18  C Hcp # rnd\n      " + std::string(129, '-') + "\n      Ann Able              "),
        std::string::npos);
}

TEST_F(CliReportTest, RefusedListingsAndPrints) {
    const std::pair<std::vector<std::string>, int> cases[] = {
        {{"listing", "Friday", "--player", "Nobody"}, 1},
        {{"listing", "Saturday"}, 1},
        {{"listing", "Friday", "--view", "sideways"}, 2},
        {{"print", "Friday", "chart", "Pine Creek Club", "4", "--text", "x.txt"}, 1},
        {{"print", "Friday", "nothing", "--text", "x.txt"}, 1},
        {{"print", "Friday", "short"}, 2}, // no output named
        {{"print", "Friday", "short", "--text", "a", "--pdf", "b"}, 2},
    };
    for (const auto& [args, status] : cases) {
        CliResult r = run(args);
        EXPECT_EQ(r.status, status) << args[1] << " " << args.back();
        EXPECT_NE(r.err, "") << args.back();
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "x.txt"));
}

TEST_F(CliReportTest, PrintAsText) {
    ASSERT_EQ(run({"print", "Friday", "short", "--text", "short.txt"}).status, 0);
    EXPECT_EQ(readFile(dir / "short.txt"),
              " \n \n \n \n \n" + Title + "\n\n" + Heading + "\n" + Separator + "\n" +
                  "       Ann Able              07/03/06   PCC   45   43   88    11.8       12      2\n" +
                  "       Bob Baker             07/03/06   PCC   40   41   81     5.0        5      1\n");

    ASSERT_EQ(run({"print", "Friday", "chart", "pine creek club", "2", "--text", "chart.txt"}).status, 0);
    std::string chart = readFile(dir / "chart.txt");
    EXPECT_NE(chart.find("\n   Pine Creek Club\n \n     Mens Tee - slope 126\n"), std::string::npos);
    EXPECT_NE(chart.find("\n       -5.0      -6        7.5       8       20.0      22       32.5      36\n"),
              std::string::npos);
}

// What a poppler tool says of a PDF; empty when the tool is not installed.
std::string poppler(const std::string& tool, const std::filesystem::path& pdf) {
    std::string command = tool + " '" + pdf.string() + "' " + (tool == "pdfinfo" ? "" : "- ") + "2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {};
    std::string text;
    char buffer[4096];
    while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe))
        text.append(buffer, n);
    pclose(pipe);
    return text;
}

TEST_F(CliReportTest, PrintToPdfKeepsTheColumnsAligned) {
    CliResult r = run({"print", "Friday", "long", "--pdf", "long.pdf"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::string pdf = readFile(dir / "long.pdf");
    ASSERT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_EQ(r.err, "");
    std::string text = poppler("pdftotext -layout", dir / "long.pdf");
    if (text.empty()) GTEST_SKIP() << "pdftotext is not installed";
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    auto lineWith = [&](const std::string& part) {
        for (const std::string& line : lines)
            if (line.find(part) != std::string::npos) return line;
        return std::string();
    };
    std::string heading = lineWith("Course"), ann = lineWith("Ann Able"), bob = lineWith("Bob Baker");
    ASSERT_FALSE(ann.empty());
    ASSERT_FALSE(bob.empty());
    EXPECT_NE(lineWith("Friday").find("Tallyrock   07-04-2024"), std::string::npos);
    // The round lines keep their spacing up to the index, and every column its place.
    EXPECT_NE(ann.find("Ann Able              07/03/06   PCC   45   43   88    11.8"), std::string::npos)
        << ann;
    EXPECT_NE(bob.find("Bob Baker             07/03/06   PCC   40   41   81     5.0"), std::string::npos)
        << bob;
    EXPECT_EQ(ann.find("Ann"), bob.find("Bob"));
    EXPECT_EQ(ann.find("07/03/06"), bob.find("07/03/06"));
    EXPECT_EQ(heading.find("Date"), ann.find("07/03/06") + 2);
    EXPECT_EQ(ann.rfind(" 2"), bob.rfind(" 1"));
}

TEST_F(CliReportTest, LinesPastTheLastPageBreakGoOnTheNextPage) {
    Store store = storeIn(dir.path(), "Friday.LGE");
    for (int i = 1; i <= 70; ++i) {
        int p = addSamplePlayer(store, "Player " + std::to_string(i));
        addRounds(store, p, {{8, 1, 6}, {8, 1, 6}});
    }
    ASSERT_FALSE(SaveLeagueFile(store));
    CliResult r = run({"print", "Friday", "long", "--view", "date", "--pdf", "many.pdf"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::string info = poppler("pdfinfo", dir / "many.pdf");
    if (info.empty()) GTEST_SKIP() << "pdfinfo is not installed";
    // 140 round lines: breaks after items 43 and 86, then the page fills up and the rest goes on a fourth.
    EXPECT_NE(info.find("Pages:           4\n"), std::string::npos) << info;
    EXPECT_NE(poppler("pdftotext -layout", dir / "many.pdf").find("Player 70"), std::string::npos);
}

} // namespace
} // namespace tallyrock::test
