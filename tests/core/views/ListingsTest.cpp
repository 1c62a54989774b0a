// The short and long listings as printed, the text export and its file name.
#include "views/Listings.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "core/charts/CallOrder.h"
#include "fakes/FailingWriter.h"
#include "services/TextPrinter.h"

#include <gtest/gtest.h>

namespace tallyrock::test {
namespace {

using Lines = std::vector<std::string>;

const std::string ShortHeading =
    "            Name               Date   Course  Out  In Total Hcp Index   C Hcp # rounds";
const std::string ShortRule = "      " + std::string(82, '_');
const Date Today{7, 4, 2024};

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
    EXPECT_EQ(printedLines(printer.text()),
              (Lines{" ", " ", " ", " ", " ", title, "", ShortHeading, ShortRule,
                     "       Bob Smith             07/03/06   PCC   45   43   88    12.3       14      1"}));
}

// The short form breaks after item 53, the long one after items 43 and 86 (the
// heading lines count as items); each later page repeats the heading.
TEST_F(ListingsTest, PageBreaksOfHundredLines) {
    ViewLines lines = recentView(100);
    TextPrinter longPrinter;
    printshortreport(printer, "Courier New", lines, "title");
    printlongreport(longPrinter, "Courier New", lines, "title");
    // The long heading is cut after 132 characters, inside "# rounds", and ends in "rnd".
    const std::string longHeading =
        "           Name               Date   Course  Out  In Total Hcp Index  1  2  "
        "3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18  C Hcp # rnd";
    struct Form {
        const TextPrinter& printed;
        Lines listing;
        std::string heading, rule;
        std::vector<std::size_t> pageEnds;
    };
    for (const Form& f : {Form{printer, shortListingLines(lines), ShortHeading, ShortRule, {54, 102}},
                          Form{longPrinter,
                               longListingLines(lines),
                               longHeading,
                               "      " + std::string(129, '-'),
                               {44, 87, 102}}}) {
        SCOPED_TRACE(f.heading);
        ASSERT_EQ(f.listing.size(), 102u);
        std::vector<std::string> pages = split(f.printed.text(), '\f');
        ASSERT_EQ(pages.size(), f.pageEnds.size());
        for (std::size_t page = 0, from = 0; page < pages.size(); from = f.pageEnds[page++]) {
            Lines expected{" ", " ", " ", " ", " "};
            if (page == 0)
                expected.insert(expected.end(), {"title", ""});
            else
                expected.insert(expected.end(), {f.heading, f.rule, " "});
            expected.insert(expected.end(), f.listing.begin() + static_cast<long>(from),
                            f.listing.begin() + static_cast<long>(f.pageEnds[page]));
            EXPECT_EQ(printedLines(pages[page]), expected) << "page " << page + 1;
        }
        EXPECT_EQ(Lines(f.listing.begin(), f.listing.begin() + 2), (Lines{f.heading, f.rule}));
    }
    EXPECT_EQ(longListingLines(lines)[2], "      Bob Smith             " + lines.rounds[2]);
}

TEST_F(ListingsTest, ExportWritesTheShortFormWithCrLf) {
    EXPECT_FALSE(listingOffered(recentView(0), true)); // only a view shown with rounds is listed
    TempDir dir;
    ViewLines lines = recentView(2);
    EXPECT_TRUE(listingOffered(lines, true));
    EXPECT_FALSE(listingOffered(lines, false));
    std::string title = listingTitle("Monday.LGE", Today, ShortTitleWidth);
    ASSERT_FALSE(shortprintfile(store, dir / "list.txt", lines, title));
    EXPECT_EQ(readFile(dir / "list.txt"), crlf({title, " ", ShortHeading, ShortRule,
                                                shortListingLines(lines)[2], shortListingLines(lines)[3]}));

    store.writer = std::make_shared<FailingWriter>();
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
