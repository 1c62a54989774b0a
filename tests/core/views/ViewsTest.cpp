// Start-up and opening a league; the rounds view and its listings; the course
// handicap reference chart.
#include "charts/CompareChart.h"
#include "charts/TrendChart.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "fakes/FailingWriter.h"
#include "handicap/WhsEngine.h"
#include "services/TextPrinter.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "store/SettingsFile.h"
#include "views/CourseHcpChart.h"
#include "views/LeagueOpening.h"
#include "views/Listings.h"
#include "views/RoundsView.h"
#include "views/StartUp.h"

#include <gtest/gtest.h>
#include <tuple>

namespace tallyrock::test {
namespace {

using Lines = std::vector<std::string>;

// The league list of three leagues with this current one.
std::string list(const std::string& current) {
    return crlf({" 3 ", "Monday", "Friday", "Seniors", " .96 ", "Courier New", " 1 ", current, " 1 ", " 0 "});
}

struct StartUpTest : ::testing::Test {
    StartUpTest() { store.settingsDir = dir / "config"; }
    TempDir dir;
    Store store = storeIn(dir.path());
};

// A missing league list beside data files is a warning; an empty one leaves no entries.
TEST_F(StartUpTest, AFolderWithoutDataFilesIsAFirstStartNotAFailure) {
    writeFile(dir / "notes.txt", "a file of the user's own");
    StartUpResult first = loadAtStartUp(store);
    EXPECT_FALSE(first.listFailure);
    EXPECT_TRUE(first.firstStart);
    EXPECT_EQ(first.leagueMenu, Lines{NoEntries});
    for (const char* name : {"COURSE.DAT", "Club.lge", "club.TEA", "Vexa.Dat"}) {
        TempDir other;
        writeFile(other / name, "");
        EXPECT_FALSE(holdsNoDataFile(other.path())) << name;
    }
    EXPECT_TRUE(holdsNoDataFile(dir / "not made yet"));

    writeFile(dir / "course.dat", " 0 \r\n"); // data files, but no league list: the warning stays
    StartUpResult missing = loadAtStartUp(store);
    EXPECT_FALSE(missing.firstStart);
    EXPECT_TRUE(missing.listFailure);
    EXPECT_EQ(missing.leagueMenu, Lines{NoEntries});

    writeFile(dir / "vexa.dat", crlf({" 0 ", " .9 ", "Arial", " 1 ", " 0 ", " 1 ", " 0 "}));
    StartUpResult none = loadAtStartUp(store);
    EXPECT_FALSE(none.listFailure);
    EXPECT_EQ(none.leagueMenu, Lines{NoEntries});
    EXPECT_EQ(store.settings.FontName, "Arial");
}

// Three leagues, Friday current; Monday and Friday have their files, Seniors none.
TEST_F(StartUpTest, TheCurrentLeagueOpensWithoutRewritingTheListAnotherRewritesIt) {
    writeFile(dir / "vexa.dat", list(" 1 "));
    ASSERT_EQ(loadAtStartUp(store).leagueMenu, (Lines{"Monday", "Friday", "Seniors"}));
    EXPECT_TRUE(store.league.LeagueFilePath.empty());
    Store files = storeIn(dir.path());
    setCourse(files, 1, "Pine Creek Club", "PCC");
    ASSERT_FALSE(SaveCourseFile(files));
    for (const char* league : {"Monday", "Friday"}) {
        files.league = LeagueTables{};
        files.league.LeagueFilePath = std::string(league) + ".LGE";
        addRound(files, addSamplePlayer(files, std::string(league) + " player"), RoundSample{});
        ASSERT_FALSE(SaveLeagueFile(files));
    }
    auto writer = std::make_shared<FailingWriter>("no file has this name");
    store.writer = writer;
    EXPECT_EQ(OpenLeague(store, 0, NoEntries).outcome, OpenOutcome::Refused);
    EXPECT_TRUE(store.league.LeagueFilePath.empty());

    LeagueOpening opening = OpenLeague(store, 1, "Friday");
    EXPECT_EQ(opening.outcome, OpenOutcome::Opened);
    EXPECT_TRUE(opening.messages.empty());
    EXPECT_FALSE(opening.listSaved);
    EXPECT_TRUE(writer->targets.empty());
    EXPECT_EQ(store.player(1).PlayerName, "Friday player");
    EXPECT_EQ(store.courses.name(1), "Pine Creek Club");
    EXPECT_EQ(currentLeagueText(store), "Current League - Friday");

    EXPECT_TRUE(OpenLeague(store, 0, "Monday").listSaved);
    EXPECT_EQ(writer->targets, Lines{"vexa.dat"});
    EXPECT_EQ(readFile(dir / "vexa.dat"), list(" 0 "));
    EXPECT_EQ(store.league.LeagueFilePath, "Monday.LGE");
    EXPECT_EQ(store.player(1).PlayerName, "Monday player");

    // A league whose files cannot be read still opens, with the failure said.
    std::filesystem::remove(dir / "course.dat");
    LeagueOpening seniors = OpenLeague(store, 2, "Seniors");
    EXPECT_EQ(seniors.outcome, OpenOutcome::Opened);
    ASSERT_EQ(seniors.messages.size(), 2u);
    EXPECT_EQ(seniors.messages[0].text, leagueLoadFailure().text);
    EXPECT_EQ(seniors.messages[1].title, "Loading...");
    EXPECT_TRUE(seniors.listSaved);
    EXPECT_EQ(store.settings.CurrentLeague, 2);
}

// A round of 07/03/06 at Pine Creek, 45 out and 43 in, hole by hole.
const RoundSample PccRound{
    7, 3, 6, 1, 45, 43, 12.3f, 14, {0, 5, 5, 4, 6, 5, 5, 4, 5, 6, 5, 5, 4, 6, 5, 5, 4, 4, 0}};

struct RoundsViewTest : ::testing::Test {
    RoundsViewTest() { setCourse(store, 1, "Pine Creek Club", "PCC"); }
    Store store;
    RoundsView view;
};

TEST_F(RoundsViewTest, RoundLinesKeepTheirColumns) {
    int bob = addSamplePlayer(store, "Bob Smith");
    addRound(store, bob, PccRound);
    store.player(bob).PlayerMark = 1;
    EXPECT_EQ(roundLine(store, bob, 1, ViewMode::Recent),
              "07/03/06   PCC   45   43   88    12.3     5  5  4  6  5  5  4  5  6  5  5  4  6  5  5  4  4  -"
              "   14      1");

    int cy = addSamplePlayer(store, "Cy Moss");
    for (float index : {5.0f, 10.4f, -1.2f}) {
        RoundSample r = PccRound;
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
    // Without rounds either view shows only the headings.
    for (ViewMode mode : {ViewMode::ByDate, ViewMode::Recent}) {
        view.setMode(mode);
        view.show(store);
        EXPECT_EQ(view.lines().rounds, (std::vector<std::string>{RoundHeading, roundUnderline()}));
        EXPECT_EQ(view.spinUp(store), std::nullopt);
        EXPECT_EQ(view.lines().size(), 2u);
    }
    addRounds(store, a, {{7, 1, 6}, {7, 2, 6}});
    addRounds(store, b, {{7, 3, 6}, {7, 4, 6}, {7, 5, 6}});
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
    // Dates follow the calendar: 12/28/86 before 01/04/87, and 2080 after both.
    addRound(store, b, RoundSample{8, 1, 80});
    addRounds(store, a, {{12, 28, 86}, {8, 1, 80}, {1, 4, 87}});
    view.setMode(ViewMode::ByDate);
    view.show(store);
    EXPECT_EQ(view.dateCount(), 3);
    // Both rounds of the newest date, in league order, each with the player's round count.
    ASSERT_EQ(view.lines().names, (std::vector<std::string>{NameHeading, nameUnderline(), "Ann", "Ben"}));
    EXPECT_EQ(view.lines().rounds[2].substr(0, 8), "08/01/80");
    EXPECT_EQ(view.lines().rounds[2].substr(view.lines().rounds[2].size() - 2), " 3");
    EXPECT_EQ(view.lines().rounds[3].substr(view.lines().rounds[3].size() - 2), " 1");

    EXPECT_EQ(view.spinDown(store), EarlierDatesText);
    EXPECT_EQ(view.spinDown(store), EarlierDatesText);
    ASSERT_EQ(view.lines().size(), 3u);
    EXPECT_EQ(view.lines().rounds[2].substr(0, 8), "12/28/86");
    EXPECT_EQ(view.spinDown(store), std::nullopt);
    EXPECT_EQ(view.lines().rounds[2].substr(0, 8), "12/28/86");
    EXPECT_EQ(view.spinUp(store), LaterDatesText);
    EXPECT_EQ(view.lines().rounds[2].substr(0, 8), "01/04/87");
}

TEST_F(RoundsViewTest, PlayerViewListsNewestFirstWithTheCountOnTheFirstLine) {
    addSamplePlayer(store, "Ann");
    int b = addSamplePlayer(store, "Ben");
    addRounds(store, b, {{5, 1, 7}, {5, 2, 7}, {5, 3, 7}});
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

const std::string ShortHeading =
    "            Name               Date   Course  Out  In Total Hcp Index   C Hcp # rounds";
const std::string ShortRule = "      " + std::string(82, '_');
const Date Today{7, 4, 2024};

struct ListingsTest : RoundsViewTest {
    ListingsTest() { store.league.LeagueFilePath = "Monday.LGE"; }
    // A recent view of `players` players with one round each, 12 on the first hole.
    ViewLines recentView(int players) {
        RoundSample r = PccRound;
        r.holes[1] = 12;
        for (int i = 0; i < players; ++i)
            addRound(store, addSamplePlayer(store, i == 0 ? "Bob Smith" : "Player " + std::to_string(i + 1)),
                     r);
        view.show(store);
        return view.lines();
    }
    TextPrinter printer;
};

// The short form breaks after item 53, the long one after items 43 and 86 (the
// heading lines count as items); each later page repeats the heading.
TEST_F(ListingsTest, TitlesLinesAndPageBreaksOfHundredLines) {
    EXPECT_EQ(listingTitle("Monday.LGE", Today, ShortTitleWidth),
              "      Monday" + std::string(30, ' ') + "Tallyrock   07-04-2024");
    EXPECT_EQ(listingTitle("Monday.LGE", Today, LongTitleWidth),
              "      Monday" + std::string(70, ' ') + "Tallyrock   07-04-2024");
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
        EXPECT_TRUE(f.printed.ended());
    }
    // No part of the first hole, a 12, shows in the short form.
    EXPECT_EQ(shortListingLines(lines)[2],
              "       Bob Smith             07/03/06   PCC   45   43   88    12.3       14      1");
    EXPECT_EQ(longListingLines(lines)[2], "      Bob Smith             " + lines.rounds[2]);
}

TEST_F(ListingsTest, ExportWritesTheShortFormWithCrLfUnderTheNameTyped) {
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
    EXPECT_NE(shortprintfile(store, dir / "keep.txt", lines, title).value_or(Message{}).text.find("keep.txt"),
              std::string::npos);
    EXPECT_EQ(readFile(dir / "keep.txt"), "old");

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

TEST(CourseHcpChart, HalvesGoToTheEvenNeighbourButUpUnderTheWorldSystemOnRowsFromMinusFive) {
    // 10.0 at slope 130 is 11.5, which goes to 12.
    const std::tuple<double, double, std::string> cases[] = {{12.5, 113, "12"}, {13.5, 113, "14"},
                                                             {2.5, 113, " 2"},  {-4.5, 113, "-4"},
                                                             {10.0, 130, "12"}, {0, 140, " 0"}};
    for (const auto& [index, slope, text] : cases)
        EXPECT_EQ(chartCourseHcpText(index, slope), text) << index << " at " << slope;
    // Index 27.7, slope 129, rating 71.1, par 72: 30.72 gives 31; -0.5 rounds up to 0.
    EXPECT_EQ(whsChartCourseHcpText(27.7, 129, 7110, 72), "31");
    EXPECT_EQ(whsChartCourseHcpText(-0.5, 113, 7200, 72), " 0");
    EXPECT_EQ(whsChartCourseHcpText(2.5, 113, 7200, 72), " 3");
    EXPECT_EQ(whsChartRows(113, 7000, 72)[0].substr(0, 19), "       -5.0      -7");

    // The rows cover -5 to 44.5.
    std::vector<std::string> rows = chartRows(113);
    ASSERT_EQ(rows.size(), 25u);
    EXPECT_EQ(rows.front(), "       -5.0      -5        7.5       8       20.0      20       32.5      32");
    EXPECT_EQ(rows[10], "        0.0       0       12.5      12       25.0      25       37.5      38");
    EXPECT_EQ(rows.back(), "        7.0       7       19.5      20       32.0      32       44.5      44");
}

TEST_F(RoundsViewTest, CourseChartTeeAnswersAndThePrintedChart) {
    EXPECT_EQ(chartTeeAnswer(" 3 "), 3);
    EXPECT_EQ(chartTeeAnswer("1.4"), 1);
    EXPECT_EQ(chartTeeAnswer("abc"), 0);
    EXPECT_EQ(chartTeeAnswer("-2"), 0);
    EXPECT_GT(chartTeeAnswer("99999999"), 3); // asked again
    EXPECT_EQ(chartTeeLabel(3), "Pro tee - slope ");
    EXPECT_EQ(chartTeePrompt(),
              "Print Chart relating to which Tee?\r\n\r\nType 1 for Ladies, 2 for Mens or 3 for the Pro tee");

    store.courses.CourseField[1][static_cast<std::size_t>(field::slope(2))] = " 126";
    store.settings.FontName = "Courier New";
    TextPrinter printer;
    PrintChcpChart(printer, store, 1, 2);
    std::vector<std::string> lines = printedLines(printer.text());
    ASSERT_EQ(lines.size(), 4u + 2u + 3u + 1u + 25u + 5u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 10),
              (std::vector<std::string>{" ", " ", " ", " ", "   Pine Creek Club", " ",
                                        "     Mens Tee - slope 126", " ", " ", ChartHeading}));
    EXPECT_EQ(lines[10], "       -5.0      -6        7.5       8       20.0      22       32.5      36");
    EXPECT_EQ(lines.back(), "    Use your Hcp index to find the course handicap.");
    EXPECT_TRUE(printer.ended());
}

TEST_F(RoundsViewTest, NoWorldSystemIndexYetShowsNH) {
    store = sampleStore();
    store.settings.HcpMethod = stored(HandicapMethod::Whs);
    int ann = addSamplePlayer(store, "Ann", MensTee), bo = addSamplePlayer(store, "Bo", MensTee);
    addChartRound(store, ann, 20.0f, NoHandicap);
    addChartRound(store, bo, 8.0f, NoHandicap);
    addChartRound(store, bo, 9.0f, NoHandicap);
    addChartRound(store, bo, 10.0f, 6.0f);

    std::string line = roundLine(store, ann, 1, ViewMode::Player);
    std::string withIndex = roundLine(store, bo, 3, ViewMode::Player);
    EXPECT_EQ(line.size(), withIndex.size()) << "the columns stay where they are";
    EXPECT_EQ(line.substr(32, 4), "  NH");
    EXPECT_EQ(withIndex.substr(32, 4), " 6.0");
    EXPECT_NE(line.find("NH     "), std::string::npos);

    view.show(store); // the recent view
    EXPECT_EQ(shortListingLines(view.lines()).back(),
              "       Handicap indexes " + std::string(WhsIndexNote) + ".");

    std::vector<std::string> compare = compareLines(store.league, true);
    ASSERT_EQ(compare.size(), 3u);
    EXPECT_EQ(compare[0].substr(0, 4), " Bo ") << "players without an index come last";
    EXPECT_EQ(compare[1].substr(compare[1].size() - 4), "  NH");
    EXPECT_EQ(trendCaptions(store.player(ann), true).index, "Current Hcp. Index = NH");
}

} // namespace
} // namespace tallyrock::test
