// The short and long listings as printed, the text export and its file name.
#include "views/Listings.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "core/charts/CallOrder.h"
#include "fakes/FailingWriter.h"
#include "services/TextPrinter.h"

#include <gtest/gtest.h>
#include <sstream>

namespace tallyrock::test {
namespace {

const std::string Heading =
    "  Date   Course  Out  In Total Hcp Index  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 "
    "16 17 18  C Hcp # rounds";
// The long heading is cut after 132 characters, inside "# rounds", and ends in "rnd".
const std::string LongHeading = "           Name               Date   Course  Out  In Total Hcp Index  1  2  "
                                "3  4  5  6  7  8  9 10 11 12 13 "
                                "14 15 16 17 18  C Hcp # rnd";
const std::string ShortHeading =
    "            Name               Date   Course  Out  In Total Hcp Index   C Hcp # rounds";
const Date Today{7, 4, 2024};

std::vector<std::string> linesOf(const std::string& page) {
    std::vector<std::string> lines;
    std::istringstream in(page);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class ListingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setCourse(store, 1, "Pine Creek Club", "PCC");
        store.league.LeagueFilePath = "Monday.LGE";
    }
    // A recent view of `players` players with one round each.
    ViewLines recentView(int players, int firstHole = 5) {
        for (int i = 0; i < players; ++i) {
            int p = addSamplePlayer(store, i == 0 ? "Bob Smith" : "Player " + std::to_string(i + 1));
            RoundSample r;
            r.holes = {0, firstHole, 5, 4, 6, 5, 5, 4, 5, 6, 5, 5, 4, 6, 5, 5, 4, 4, 0};
            addRound(store, p, r);
        }
        view.show(store);
        return view.lines();
    }
    Store store;
    RoundsView view;
    TextPrinter printer;
};

TEST_F(ListingsTest, ShortListingOfOnePlayer) {
    const std::string title = "      Monday" + std::string(30, ' ') + "Tallyrock   07-04-2024";
    EXPECT_EQ(listingTitle("Monday.LGE", Today, ShortTitleWidth), title);
    EXPECT_EQ(listingTitle("Monday.LGE", Today, LongTitleWidth),
              "      Monday" + std::string(70, ' ') + "Tallyrock   07-04-2024");
    ViewLines lines = recentView(1, 12); // no part of the first hole shows in the short form
    printshortreport(printer, "Courier New", lines, title);
    EXPECT_TRUE(printer.ended());
    EXPECT_EQ(linesOf(printer.text()),
              (std::vector<std::string>{
                  " ", " ", " ", " ", " ", title, "", ShortHeading, "      " + std::string(82, '_'),
                  "       Bob Smith             07/03/06   PCC   45   43   88    12.3       14      1"}));
}

TEST_F(ListingsTest, ShortListingBreaksThePageAfterItem53) {
    ViewLines lines = recentView(60);
    printshortreport(printer, "Courier New", lines, "title");
    std::vector<std::string> pages = split(printer.text(), '\f');
    ASSERT_EQ(pages.size(), 2u);
    std::vector<std::string> first = linesOf(pages[0]), second = linesOf(pages[1]);
    EXPECT_EQ(first.size(), 7u + 54u);
    EXPECT_EQ(first.back(), shortListingLines(lines)[53]);
    std::vector<std::string> top{" ", " ", " ", " ", " ", ShortHeading, "      " + std::string(82, '_'), " "};
    EXPECT_EQ(std::vector<std::string>(second.begin(), second.begin() + 8), top);
    EXPECT_EQ(second.size(), 8u + 8u); // items 54..61
}

TEST_F(ListingsTest, LongListingOfHundredLinesBreaksAfterItems43And86) {
    ViewLines lines = recentView(100);
    printlongreport(printer, "Courier New", lines, listingTitle("Monday.LGE", Today, LongTitleWidth));
    const std::string& heading = LongHeading;
    std::string separator = "      " + std::string(129, '-');
    std::vector<std::string> pages = split(printer.text(), '\f');
    ASSERT_EQ(pages.size(), 3u);
    std::vector<std::string> first = linesOf(pages[0]);
    ASSERT_EQ(first.size(), 7u + 44u);
    EXPECT_EQ(first[5], listingTitle("Monday.LGE", Today, LongTitleWidth));
    EXPECT_EQ(first[7], heading);
    EXPECT_EQ(first[8], separator);
    EXPECT_EQ(first[9], "      Bob Smith             " + lines.rounds[2]);
    for (std::size_t page = 1; page < 3; ++page) {
        std::vector<std::string> body = linesOf(pages[page]);
        std::vector<std::string> top{" ", " ", " ", " ", " ", heading, separator, " "};
        EXPECT_EQ(std::vector<std::string>(body.begin(), body.begin() + 8), top);
        EXPECT_EQ(body.size(), page == 1 ? 8u + 43u : 8u + 15u);
    }
    EXPECT_EQ(linesOf(pages[1])[8], longListingLines(lines)[44]);
}

TEST_F(ListingsTest, ListingIsOfferedOnlyForAShownViewWithRounds) {
    ViewLines empty = recentView(0);
    EXPECT_FALSE(listingOffered(empty, true));
    ViewLines one = recentView(1);
    EXPECT_TRUE(listingOffered(one, true));
    EXPECT_FALSE(listingOffered(one, false));
}

TEST_F(ListingsTest, ExportWritesTheShortFormWithCrLf) {
    TempDir dir;
    ViewLines lines = recentView(2);
    std::string title = listingTitle("Monday.LGE", Today, ShortTitleWidth);
    ASSERT_FALSE(shortprintfile(store, dir / "list.txt", lines, title));
    EXPECT_EQ(readFile(dir / "list.txt"), crlf({title, " ", ShortHeading, "      " + std::string(82, '_'),
                                                shortListingLines(lines)[2], shortListingLines(lines)[3]}));

    auto failing = std::make_shared<FailingWriter>();
    store.writer = failing;
    writeFile(dir / "keep.txt", "old");
    Failure failure = shortprintfile(store, dir / "keep.txt", lines, title);
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->text.find("keep.txt"), std::string::npos);
    EXPECT_EQ(readFile(dir / "keep.txt"), "old");
}

TEST_F(ListingsTest, ExportFileNames) {
    // "" is a cancelled dialog; "ab.txt" is shorter than 7.
    const std::pair<std::string, std::string> cases[] = {{"/home/al/scores", "/home/al/scores.txt"},
                                                         {"/home/al/SCORES.TXT", "/home/al/SCORES.TXT"},
                                                         {"/home/al/scores.Txt", "/home/al/scores.Txt"},
                                                         {"abc", "abc.txt"},
                                                         {"", ""},
                                                         {"ab", ""},
                                                         {"/home/al/../bob/scores.txt", ""}};
    for (const auto& [typed, name] : cases)
        EXPECT_EQ(exportFileName(typed).value_or(""), std::filesystem::path(name)) << typed;
}

} // namespace
} // namespace tallyrock::test
