// The rounds view and the printed reports through the command-line tool.
#include "cli/CliRunner.h"
#include "core/TestFiles.h"
#include "core/main/MainSamples.h"
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
        ASSERT_EQ(run({"create-league", "Friday"}).status, 0);
        ASSERT_EQ(run({"add-course", "--name", "Pine Creek Club", "--pars",
                       "4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4", "--initials", "PCC", "--slopes", "113,126,131"})
                      .status,
                  0);
        Store store;
        store.workDir = dir.path();
        store.league.LeagueFilePath = "Friday.LGE";
        int ann = addPlayer(store, "Ann Able");
        int bob = addPlayer(store, "Bob Baker");
        addRound(store, ann, RoundSample{6, 1, 6, 1, 44, 45, 12.3f, 12});
        addRound(store, ann, RoundSample{7, 3, 6, 1, 45, 43, 11.8f, 12});
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

TEST_F(CliReportTest, ListingViewsAndEarlierPresses) {
    CliResult back = run({"listing", "Friday", "--back", "1"});
    ASSERT_EQ(back.status, 0) << back.err;
    EXPECT_NE(back.out.find("Ann Able              06/01/06"), std::string::npos);
    EXPECT_EQ(back.out.find("Bob Baker"), std::string::npos);

    CliResult dates = run({"listing", "Friday", "--view", "date", "--back", "1"});
    EXPECT_NE(dates.out.find("06/01/06"), std::string::npos);
    EXPECT_EQ(dates.out.find("07/03/06"), std::string::npos);

    CliResult player = run({"listing", "Friday", "--player", "Ann Able"});
    ASSERT_EQ(player.status, 0) << player.err;
    std::size_t newest = player.out.find("07/03/06"), oldest = player.out.find("06/01/06");
    ASSERT_NE(newest, std::string::npos);
    EXPECT_LT(newest, oldest);

    EXPECT_EQ(run({"listing", "Friday", "--player", "Nobody"}).status, 1);
    EXPECT_EQ(run({"listing", "Friday", "--view", "sideways"}).status, 2);
    EXPECT_EQ(run({"listing", "Saturday"}).status, 1);
}

TEST_F(CliReportTest, LongListingLines) {
    CliResult r = run({"listing", "Friday", "--long"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream in(r.out);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "      Friday" + std::string(70, ' ') + "Tallyrock   07-04-2024");
    EXPECT_EQ(lines[2].substr(lines[2].size() - 11), "# roundsrnd");
    EXPECT_EQ(lines[3], "      " + std::string(129, '-'));
    EXPECT_EQ(lines[4].substr(0, 28), "      Ann Able              ");
    EXPECT_EQ(lines[4].size(), 28u + 106u);
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

    EXPECT_EQ(run({"print", "Friday", "chart", "Pine Creek Club", "4", "--text", "x.txt"}).status, 1);
    EXPECT_EQ(run({"print", "Friday", "nothing", "--text", "x.txt"}).status, 1);
    EXPECT_EQ(run({"print", "Friday", "short"}).status, 2); // no output named
    EXPECT_EQ(run({"print", "Friday", "short", "--text", "a", "--pdf", "b"}).status, 2);
}

// Text of a PDF as poppler lays it out; empty when pdftotext is not installed.
std::string pdfText(const std::filesystem::path& pdf) {
    std::string command = "pdftotext -layout '" + pdf.string() + "' - 2>/dev/null";
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
    std::string text = pdfText(dir / "long.pdf");
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
    Store store;
    store.workDir = dir.path();
    store.league.LeagueFilePath = "Friday.LGE";
    for (int i = 1; i <= 70; ++i) {
        int p = addPlayer(store, "Player " + std::to_string(i));
        addRound(store, p, RoundSample{8, 1, 6});
        addRound(store, p, RoundSample{8, 1, 6});
    }
    ASSERT_FALSE(SaveLeagueFile(store));
    CliResult r = run({"print", "Friday", "long", "--view", "date", "--pdf", "many.pdf"});
    ASSERT_EQ(r.status, 0) << r.err;
    FILE* pipe = popen(("pdfinfo '" + (dir / "many.pdf").string() + "' 2>/dev/null").c_str(), "r");
    std::string info;
    char buffer[4096];
    while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe))
        info.append(buffer, n);
    pclose(pipe);
    if (info.empty()) GTEST_SKIP() << "pdfinfo is not installed";
    // 140 round lines: breaks after items 43 and 86, then the page fills up and the rest goes on a fourth.
    EXPECT_NE(info.find("Pages:           4\n"), std::string::npos) << info;
    EXPECT_NE(pdfText(dir / "many.pdf").find("Player 70"), std::string::npos);
}

} // namespace
} // namespace tallyrock::test
