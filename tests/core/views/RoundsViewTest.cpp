// The rounds view (the round line, the three views, the spin button and the date
// keys) and its listings: printed short and long, exported, and the file name.
#include "views/RoundsView.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "fakes/FailingWriter.h"
#include "services/TextPrinter.h"
#include "views/Listings.h"

#include <gtest/gtest.h>

namespace tallyrock::test {
namespace {

RoundSample pccRound() {
    RoundSample r;
    r.holes = {0, 5, 5, 4, 6, 5, 5, 4, 5, 6, 5, 5, 4, 6, 5, 5, 4, 4, 0};
    return r;
}

class RoundsViewTest : public ::testing::Test {
  protected:
    void SetUp() override { setCourse(store, 1, "Pine Creek Club", "PCC"); }
    Store store;
    RoundsView view;
};

TEST_F(RoundsViewTest, RoundLinesKeepTheirColumns) {
    int bob = addSamplePlayer(store, "Bob Smith");
    addRound(store, bob, pccRound());
    store.player(bob).PlayerMark = 1;
    EXPECT_EQ(roundLine(store, bob, 1, ViewMode::Recent),
              "07/03/06   PCC   45   43   88    12.3     5  5  4  6  5  5  4  5  6  5  5  4  6  5  5  4  4  -"
              "   14      1");

    int cy = addSamplePlayer(store, "Cy Moss");
    for (float index : {5.0f, 10.4f, -1.2f}) {
        RoundSample r = pccRound();
        r.index = index;
        r.courseHcp = index < 0 ? -1 : 7;
        addRound(store, cy, r);
    }
    EXPECT_EQ(roundLine(store, cy, 1, ViewMode::ByDate).substr(29, 12), "     5.0    ");
    EXPECT_EQ(roundLine(store, cy, 2, ViewMode::ByDate).substr(29, 12), "    10.4    ");
    EXPECT_EQ(roundLine(store, cy, 3, ViewMode::ByDate).substr(29, 12), "    -1.2    ");
    // The course handicap column: one space in front of a single digit.
    EXPECT_EQ(roundLine(store, cy, 1, ViewMode::ByDate).substr(95), "   7      3");
    EXPECT_EQ(roundLine(store, cy, 3, ViewMode::ByDate).substr(95), "  -1      3");

    // Short initials and unknown courses are padded to the same column.
    setCourse(store, 2, "Oak Hollow", "OH");
    int al = addSamplePlayer(store, "Al Brown");
    addRounds(store, al, {{7, 3, 6, 2, 5, 4}, {7, 3, 6, 0, 5, 4}});
    EXPECT_EQ(roundLine(store, al, 1, ViewMode::ByDate).substr(0, 30), "07/03/06   OH     5    4   9  ");
    EXPECT_EQ(roundLine(store, al, 2, ViewMode::ByDate).substr(0, 30), "07/03/06          5    4   9  ");
}

TEST_F(RoundsViewTest, RecentViewEarlierDropsPlayersAndLaterBringsThemBack) {
    int a = addSamplePlayer(store, "Ann");
    int b = addSamplePlayer(store, "Ben");
    for (int day : {1, 2})
        addRound(store, a, RoundSample{7, day, 6});
    for (int day : {3, 4, 5})
        addRound(store, b, RoundSample{7, day, 6});
    view.show(store);
    ASSERT_EQ(view.lines().names, (std::vector<std::string>{NameHeading, nameUnderline(), "Ann", "Ben"}));
    EXPECT_EQ(view.lines().rounds[2].substr(0, 8), "07/02/06");
    EXPECT_EQ(view.lines().rounds[3].substr(view.lines().rounds[3].size() - 2), " 3");

    for (int press = 0; press < 3; ++press)
        EXPECT_EQ(view.spinDown(store), EarlierRoundsText);
    EXPECT_EQ(store.player(a).PlayerMark, 0);
    EXPECT_EQ(view.lines().size(), 2u); // Ben's mark reached 0 as well

    EXPECT_EQ(view.spinUp(store), LaterRoundsText);
    ASSERT_EQ(view.lines().size(), 4u);
    EXPECT_EQ(view.lines().rounds[2].substr(0, 8), "07/01/06");
    EXPECT_EQ(view.lines().rounds[2].substr(view.lines().rounds[2].size() - 2), " 1");

    // Once every player shows the newest round, "more recent" has nothing to show.
    view.show(store);
    EXPECT_EQ(view.spinUp(store), std::nullopt);
}

TEST_F(RoundsViewTest, DateViewStartsAtTheNewestDateAndStopsAtTheFirst) {
    int a = addSamplePlayer(store, "Ann");
    int b = addSamplePlayer(store, "Ben");
    addRound(store, b, RoundSample{8, 1, 6});
    addRounds(store, a, {{6, 15, 6}, {8, 1, 6}, {7, 4, 6}});
    view.setMode(ViewMode::ByDate);
    view.show(store);
    EXPECT_EQ(view.dateCount(), 3);
    // Both rounds of the newest date, in league order, each with the player's round count.
    ASSERT_EQ(view.lines().names, (std::vector<std::string>{NameHeading, nameUnderline(), "Ann", "Ben"}));
    EXPECT_EQ(view.lines().rounds[2].substr(0, 8), "08/01/06");
    EXPECT_EQ(view.lines().rounds[2].substr(view.lines().rounds[2].size() - 2), " 3");
    EXPECT_EQ(view.lines().rounds[3].substr(view.lines().rounds[3].size() - 2), " 1");

    EXPECT_EQ(view.spinDown(store), EarlierDatesText);
    EXPECT_EQ(view.spinDown(store), EarlierDatesText);
    ASSERT_EQ(view.lines().size(), 3u);
    EXPECT_EQ(view.lines().rounds[2].substr(0, 8), "06/15/06");
    EXPECT_EQ(view.spinDown(store), std::nullopt);
    EXPECT_EQ(view.lines().rounds[2].substr(0, 8), "06/15/06");
    EXPECT_EQ(view.spinUp(store), LaterDatesText);
    EXPECT_EQ(view.lines().rounds[2].substr(0, 8), "07/04/06");
}

TEST_F(RoundsViewTest, LeagueWithoutRoundsShowsOnlyTheHeadings) {
    addSamplePlayer(store, "Ann");
    for (ViewMode mode : {ViewMode::Recent, ViewMode::ByDate}) {
        view.setMode(mode);
        view.show(store);
        EXPECT_EQ(view.lines().rounds, (std::vector<std::string>{RoundHeading, roundUnderline()}));
        EXPECT_EQ(view.spinUp(store), std::nullopt);
        EXPECT_EQ(view.lines().size(), 2u);
    }
}

TEST_F(RoundsViewTest, PlayerViewListsNewestFirstWithTheCountOnTheFirstLine) {
    addSamplePlayer(store, "Ann");
    int b = addSamplePlayer(store, "Ben");
    for (int day : {1, 2, 3})
        addRound(store, b, RoundSample{5, day, 7});
    view.setMode(ViewMode::Player);
    view.fillPlayer(store, b);
    ASSERT_EQ(view.lines().size(), 5u);
    EXPECT_EQ(view.lines().rounds[2].substr(0, 8), "05/03/07");
    EXPECT_EQ(view.lines().rounds[4].substr(0, 8), "05/01/07");
    std::string first = view.lines().rounds[2], later = view.lines().rounds[3];
    EXPECT_EQ(first.substr(first.size() - 7), "      3");
    EXPECT_EQ(later.substr(later.size() - 5), "     ");
    EXPECT_EQ(later.size() + 2, first.size());
}

TEST_F(RoundsViewTest, DateKeysFollowTheCalendar) {
    auto key = [](int16_t month, int16_t day, int16_t year) {
        RoundRecord round;
        round.RoundMonth = month, round.RoundDay = day, round.RoundYear = year;
        return dateKey(round);
    };
    EXPECT_LT(key(12, 28, 86), key(1, 4, 87));
    EXPECT_LT(key(12, 31, 99), key(1, 1, 80)); // 2080 comes after 1999
}

TEST_F(RoundsViewTest, MoreThanTwoHundredDatesAreAllKept) {
    for (int p = 0; p < 13; ++p) {
        int slot = addSamplePlayer(store, "Player " + std::to_string(p));
        for (int r = 0; r < 20; ++r)
            addRound(store, slot, RoundSample{1 + (p % 12), 1 + r, 10 + p});
    }
    view.setMode(ViewMode::ByDate);
    view.show(store);
    EXPECT_EQ(view.dateCount(), 260);
    EXPECT_EQ(view.dateIndex(), 260);
    for (int press = 0; press < 259; ++press)
        ASSERT_TRUE(view.spinDown(store));
    EXPECT_EQ(view.lines().rounds[2].substr(0, 8), "01/01/10");
    EXPECT_FALSE(view.spinDown(store));
}

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
        std::vector<std::string> pages = splitText(f.printed.text(), '\f');
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
