// The compare list, pie, trend and handicap cards, drawn on a recording canvas and sent to a printer.
#include "charts/ChartChooser.h"
#include "charts/CompareChart.h"
#include "charts/HandicapCards.h"
#include "charts/PieChart.h"
#include "charts/TrendChart.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "fakes/RecordingCanvas.h"
#include "fakes/RecordingPrinter.h"
#include "services/TextPrinter.h"
#include "store/SettingsFile.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

// The expected calls appear in this order among the recorded ones (others may come between).
::testing::AssertionResult callsInOrder(const std::vector<std::string>& calls,
                                        std::initializer_list<std::string> expected) {
    auto at = calls.begin();
    for (const std::string& call : expected) {
        at = std::find(at, calls.end(), call);
        if (at++ == calls.end()) return ::testing::AssertionFailure() << "missing or out of order: " << call;
    }
    return ::testing::AssertionSuccess();
}

TEST(CompareChart, LowestIndexFirstEqualIndexesInPlayerOrderAndTheStarInsideTheScale) {
    Store store;
    int ann = addSamplePlayer(store, "Ann");
    int bob = addSamplePlayer(store, "Bob");
    int cy = addSamplePlayer(store, "Cy");
    int dee = addSamplePlayer(store, "Dee");
    int none = addSamplePlayer(store, "No Rounds"); // sorted at 0 but never listed
    addChartRound(store, ann, 0, 10.0f);
    addChartRound(store, bob, 0, 5.4f);
    addChartRound(store, cy, 0, 10.0f);
    addChartRound(store, dee, 0, -2.3f);
    addChartRound(store, bob, 0, 10.0f); // the current index is the newest round's
    std::vector<int> players;
    for (const CompareEntry& entry : compareOrder(store.league))
        players.push_back(entry.player);
    EXPECT_EQ(players, (std::vector<int>{dee, none, ann, bob, cy}));
    EXPECT_FLOAT_EQ(compareOrder(store.league)[0].index, -2.3f);

    std::vector<std::string> lines = compareLines(store.league);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].substr(0, 22), " Dee                  ");
    EXPECT_EQ(lines[3].substr(0, 3), " Cy");

    // The star rounds half up and is held inside the scale.
    const struct {
        float index;
        std::size_t star;
        const char* value; // columns 73 to 77; negative values carry no extra space
    } cases[] = {{12.5f, 42, " 12.5"}, {-2.5f, 27, "-2.5"},  {-0.4f, 29, "-0.4"}, {0.0f, 29, " 0.0"},
                 {40.0f, 69, " 40.0"}, {45.0f, 70, " 45.0"}, {-8.1f, 23, "-8.1"}};
    // The star of 12.3 in column 41.
    EXPECT_EQ(compareLine("Ann Smith", 12.3f),
              " Ann Smith" + std::string(12 + 18, ' ') + "*" + std::string(31, ' ') + " 12.3");
    for (const auto& c : cases) {
        std::string line = compareLine("A", c.index);
        EXPECT_EQ(line.find('*') + 1, c.star) << c.index; // columns count from 1, as the list is read
        EXPECT_EQ(line.substr(72), c.value) << c.index;
    }
}

// The heading of every page: the job's opening lines, the title, the scale and the rule.
std::vector<std::string> heading() {
    return {"",
            "",
            "       Tallyrock          03-09-2025",
            "",
            "",
            std::string(38, ' ') + "Hcp Index",
            " ",
            "      Player                -5    0    5   10   15   20   25   30   35   40",
            "",
            "",
            "     " + std::string(79, '_'),
            ""};
}

TEST(ComparePrint, FiftyLinesToAPageAndAHeadingOnEachPage) {
    for (auto [count, perPage] :
         {std::pair{0, std::vector<int>{0}}, {2, {2}}, {50, {50, 0}}, {100, {50, 50}}}) {
        SCOPED_TRACE(std::to_string(count) + " lines");
        std::vector<std::string> lines;
        for (int i = 1; i <= count; ++i)
            lines.push_back(compareLine("P" + std::to_string(i), 1.0f));
        TextPrinter printer;
        printCompareList(printer, lines, "Courier New", Date{3, 9, 2025});
        EXPECT_TRUE(printer.ended());
        std::vector<std::string> pages = splitText(printer.text(), '\f');
        ASSERT_EQ(pages.size(), perPage.size());
        auto next = lines.begin();
        for (std::size_t page = 0; page < pages.size(); ++page) {
            // A later page is a new job: its line of one space, then the heading; the lines are indented.
            std::vector<std::string> expected = heading();
            if (page > 0) expected.insert(expected.begin(), " ");
            for (int i = 0; i < perPage[page]; ++i)
                expected.push_back("     " + *next++);
            EXPECT_EQ(printedLines(pages[page]), expected) << "page " << page + 1;
        }
    }
}

const uint32_t LightBlue = 0x0000FF, LightGreen = 0x00FF00, LightCyan = 0x00FFFF, LightRed = 0xFF0000;

struct PieTest : ::testing::Test {
    Store store;
    RecordingCanvas canvas{PieWidth, PieHeight};
    int p = addSamplePlayer(store, "Bob Jones");

    PieTest() { setChartCourse(store, 1, std::vector<int>(18, 4), "PH"); }
    ScoreCounts draw() {
        ScoreCounts counts = countScores(store, p);
        DrawPie(canvas, pieSlices(counts));
        return counts;
    }
    template <class T>
    static std::vector<T> each(const std::vector<CanvasItem>& items, T CanvasItem::*field) {
        std::vector<T> out;
        for (const CanvasItem& item : items)
            out.push_back(item.*field);
        return out;
    }
    std::vector<std::string> legend() const { return each(canvas.texts(), &CanvasItem::text); }
    static std::vector<uint32_t> colours(const std::vector<CanvasItem>& items) {
        return each(items, &CanvasItem::fillColor);
    }
    // The averages and the count shown beside the chart.
    std::vector<std::string> captions(const ScoreCounts& counts) const {
        PieCaptions c = pieCaptions(store.player(p), counts);
        return {c.name, c.averagePar, c.averageScore, c.scoresCounted};
    }
    // Eagles, birdies, pars, bogies, double bogies, other.
    static std::vector<int> categories(const ScoreCounts& counts) {
        return {counts.counter.begin() + 1, counts.counter.end()};
    }
};

TEST_F(PieTest, NoHoleScoresLeaveAnEmptySurfaceAndEveryParIsOneFullDiscInLightBlue) {
    addChartRound(store, p, 10, 10); // totals only: no hole scores
    store.player(p).round[1].HoleScore[OutSlot] = 45;
    store.player(p).round[1].HoleScore[InSlot] = 44;
    ScoreCounts counts = draw();
    EXPECT_EQ(pieSlices(counts).count, 0);
    EXPECT_EQ(canvas.erased, 1);
    EXPECT_TRUE(canvas.items().empty());
    EXPECT_EQ(captions(counts),
              (std::vector<std::string>{
                  "Bob Jones", "Avg. Par per hole =", "Avg. Score per hole =", "# of scores recorded = 0"}));

    setHoleScores(store.player(p).round[1], {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4});
    counts = draw();
    ASSERT_EQ(canvas.pies().size(), 1u);
    const CanvasItem disc = canvas.pies()[0];
    // Three quarters of a turn at both ends: the primitive's complete disc.
    EXPECT_NEAR(disc.start, 4.712389, 1e-6);
    EXPECT_EQ(disc.start, disc.end);
    EXPECT_EQ(disc.fillColor, LightBlue);
    EXPECT_NEAR(disc.x, 1403.333333, 1e-6);
    EXPECT_EQ(disc.y, 1777.5);
    EXPECT_EQ(disc.radius, 1263);
    EXPECT_EQ(legend(), std::vector<std::string>{"Pars 100.0%"});
    EXPECT_EQ(captions(counts),
              (std::vector<std::string>{"Bob Jones", "avg. par per hole = 4.0", "avg. score per hole = 4.0",
                                        "# of scores recorded = 18"}));
}

TEST_F(PieTest, CategoriesAgainstParTheHoleInOneNineHoleRoundsAndParlessCourses) {
    // Par 4: hole in one, eagle, birdie, par, bogey, double, triple; 9 on the par 3 and 3 on the par 5.
    setChartCourse(store, 1, {4, 4, 4, 4, 4, 4, 4, 3, 5}, "PH");
    setHoleScores(addChartRound(store, p, 0, 0), {1, 2, 3, 4, 5, 6, 7, 9, 3});
    ScoreCounts counts = countScores(store, p);
    EXPECT_EQ(categories(counts), (std::vector<int>{2, 1, 1, 1, 1, 3}));
    EXPECT_EQ(counts.scoresCounted, 9);
    EXPECT_EQ(counts.parSum, 36);
    EXPECT_EQ(counts.scoreSum, 40);

    // A nine-hole round counts only its nine holes.
    setChartCourse(store, 1, std::vector<int>(18, 4), "PH");
    setHoleScores(store.player(p).round[1], {4, 5, 4, 5, 4, 5, 4, 5, 4});
    setHoleScores(addChartRound(store, p, 0, 0), {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 6});
    counts = countScores(store, p);
    EXPECT_EQ(categories(counts), (std::vector<int>{0, 0, 5, 4 + 17, 1, 0}));
    EXPECT_EQ(captions(counts), (std::vector<std::string>{"Bob Jones", "avg. par per hole = 4.0",
                                                          "avg. score per hole = 4.9", // 131 / 27 = 4.85
                                                          "# of scores recorded = 27"}));

    // Without pars a 1 and a 2 stand against par 0.
    Store parless;
    int q = addSamplePlayer(parless, "Cy");
    setHoleScores(addChartRound(parless, q, 0, 0, 7), {1, 2, 4, 5});
    counts = countScores(parless, q);
    EXPECT_EQ(categories(counts), (std::vector<int>{0, 0, 0, 1, 1, 2}));
    EXPECT_EQ(counts.parSum, 0);
}

TEST_F(PieTest, SlicesFollowEachOtherFromTwelveOClockColouredInSliceOrderAndPrinted) {
    setHoleScores(addChartRound(store, p, 0, 0), {4, 4, 4, 5});
    draw();
    auto pies = canvas.pies();
    ASSERT_EQ(pies.size(), 2u);
    // Pars: three quarters of the turn centred on 12 o'clock, start -pi/4 normalized.
    EXPECT_NEAR(pies[0].start, 5.497787, 1e-5);
    EXPECT_NEAR(pies[0].end, 3.926991, 1e-5);
    EXPECT_EQ(pies[1].start, pies[0].end);
    EXPECT_NEAR(pies[1].end, 5.497787, 1e-5);
    EXPECT_EQ(legend(), (std::vector<std::string>{"Pars 75.0%", "Bogies 25.0%"}));
    EXPECT_EQ(colours(pies), (std::vector<uint32_t>{LightBlue, LightGreen}));

    setHoleScores(store.player(p).round[1], {4, 4, 5, 3});
    ScoreCounts counts = draw();
    EXPECT_EQ(legend(), (std::vector<std::string>{"Birdies 25.0%", "Pars 50.0%", "Bogies 25.0%"}));
    EXPECT_EQ(colours(canvas.pies()), (std::vector<uint32_t>{LightBlue, LightGreen, LightCyan}));
    EXPECT_EQ(colours(canvas.boxes()), colours(canvas.pies())); // each legend box has its slice's colour

    // A whole turn or none would make no slice: such angles become 0.001.
    float a = 6.283186f;
    EXPECT_EQ(NormalizeAngle(a), 0.001f);
    a = -1.0f;
    EXPECT_NEAR(NormalizeAngle(a), 5.283186f, 1e-6f);

    // The printed picture and captions follow the page fractions.
    RecordingPrinter printer; // 10800 x 14400 twips
    printPieChart(printer, canvas, pieCaptions(store.player(p), counts), "Arial", Date{12, 31, 2023});
    const std::string picture = "drawPicture " + std::to_string(canvas.items().size());
    EXPECT_TRUE(
        callsInOrder(printer.calls, {"print  |", picture + " 540 1440 9818.18 6000", "setCurrentX 1080",
                                     "setCurrentY 7920", "print  |", "setFontName Arial", "setFontSize 18",
                                     "print Bob Jones               |", "setCurrentX 9180",
                                     "setCurrentY 12960", "setFontSize 9", "print 12-31-2023|", "endDoc"}));
}

struct TrendTest : ::testing::Test {
    Store store;
    RecordingCanvas canvas{TrendWidth, TrendHeight};
    int p = addSamplePlayer(store, "Ann Smith");

    void draw() { drawTrendChart(canvas, store.player(p)); }
    std::vector<CanvasItem> series(uint32_t colour) const {
        std::vector<CanvasItem> out;
        for (const CanvasItem& line : canvas.lines())
            if (line.color == colour && line.lineWidth == 2 && line.x >= 1080) out.push_back(line);
        return out;
    }
};

// Without rounds only grid and labels; the first round is a dot at 1080; twenty end at 8300, joined.
TEST_F(TrendTest, GridLabelsRoundsFrom1080To8300AndThePrintedPage) {
    draw();
    std::vector<CanvasItem> lines = canvas.lines();
    ASSERT_EQ(lines.size(), 12u); // two axes, ten grid lines, no series
    EXPECT_EQ(lines[0].y2, 3720);
    EXPECT_EQ(lines[1].x2, 8800);
    // The grid lines sit at the values -5, 0, ... 40 of the mapping.
    for (int k = 0; k < 10; ++k) {
        const CanvasItem& grid = lines[static_cast<std::size_t>(k + 2)];
        EXPECT_TRUE(grid.dotted);
        EXPECT_DOUBLE_EQ(grid.y, trendY(static_cast<float>(-5 + 5 * k)));
    }
    EXPECT_EQ(canvas.textsReading("<--  Earlier Rounds         More recent Rounds  -->").size(), 1u);
    std::string word; // written down the left side, a letter at a time
    for (const CanvasItem& t : canvas.texts())
        if (t.font.size == 9) word += t.text;
    EXPECT_EQ(word, "HANDICAP");

    TrendCaptions c = trendCaptions(store.player(p));
    EXPECT_EQ((std::vector<std::string>{c.rounds, c.index, c.name}),
              (std::vector<std::string>{"0 rounds played", "Current Hcp. Index = 0", "Ann Smith"}));

    canvas.clear();
    addChartRound(store, p, 12.4f, 10.1f);
    draw();
    auto diffs = series(LightRed), indexes = series(BlackColor);
    ASSERT_EQ(std::pair(diffs.size(), indexes.size()), (std::pair<std::size_t, std::size_t>(1, 1)));
    EXPECT_EQ(std::pair(diffs[0].x, diffs[0].x2), std::pair(1080.0, 1080.0));
    EXPECT_NEAR(diffs[0].y, 2132, 1e-3);
    EXPECT_EQ(diffs[0].y, diffs[0].y2);
    EXPECT_NEAR(indexes[0].y, 2293, 1e-3);
    EXPECT_EQ(indexes[0].y, indexes[0].y2);
    // The index series is drawn on top of the differentials.
    EXPECT_EQ(canvas.lines().back().color, BlackColor);

    // The printed page follows the page fractions.
    RecordingPrinter printer; // 10800 x 14400 twips
    printTrendChart(printer, canvas, trendCaptions(store.player(p)), "Arial", Date{7, 4, 2024});
    const std::string picture = "drawPicture " + std::to_string(canvas.items().size());
    EXPECT_TRUE(callsInOrder(
        printer.calls,
        {"print  |", picture + " 540 1440 9818.18 5760",
         // the index legend: a black line W/50 long, its text at 0.518 H
         "setLineWidth 8", "setTextColor 0", "drawLine 2160 7578.95 2376 7578.95", "setCurrentX 2376",
         "setFontName Arial", "setFontSize 10", "setCurrentY 7459.2", "setTextColor 0", "print  Hcp Index|-",
         // the differential legend in light red
         "setCurrentX 5940", "setTextColor 16711680", "drawLine 5940 7578.95 6156 7578.95", "setTextColor 0",
         "print  Hcp Differential|", "setCurrentX 1080", "setCurrentY 7920", "setFontSize 18", "print  |",
         "print Ann Smith               |", "setCurrentX 9180", "setCurrentY 12960", "setFontSize 9",
         "print 07-04-2024|", "endDoc"}));
    EXPECT_EQ(printer.count("setBold 1"), 1);

    for (int i = 2; i <= 20; ++i)
        addChartRound(store, p, static_cast<float>(i), 0.5f * static_cast<float>(i));
    canvas.clear();
    draw();
    diffs = series(LightRed);
    ASSERT_EQ(diffs.size(), 20u);
    for (std::size_t i = 1; i < diffs.size(); ++i) {
        EXPECT_EQ(diffs[i].x, diffs[i - 1].x2);
        EXPECT_EQ(diffs[i].y, diffs[i - 1].y2);
        EXPECT_EQ(diffs[i].x2 - diffs[i].x, 380);
    }
    EXPECT_EQ(diffs.back().x2, 8300);
    EXPECT_NEAR(diffs.back().y2, 3000 - 70 * 20, 1e-9);
    EXPECT_NEAR(series(BlackColor).back().y2, 3000 - 70 * 10, 1e-9);
}

struct CardsTest : ::testing::Test {
    Store store;
    TextPrinter printer;
    RecordingCanvas picture{CardPictureWidth, CardPictureHeight};

    CardsTest() {
        store.settings.FontName = "Courier New";
        store.settings.CardScaling = 1;
        setChartCourse(store, 1, std::vector<int>(18, 4), "PH");
        drawCardPicture(picture);
    }
    std::vector<int> players(int count) {
        std::vector<int> slots;
        for (int i = 1; i <= count; ++i)
            slots.push_back(addSamplePlayer(store, "Player " + std::to_string(i)));
        return slots;
    }
    // A round with the given gross: 40 out, the rest in.
    RoundRecord& addGross(int p, int gross, int course = 1) {
        RoundRecord& r = addChartRound(store, p, 0, 0, course);
        r.HoleScore[OutSlot] = 40;
        r.HoleScore[InSlot] = static_cast<int16_t>(gross - 40);
        return r;
    }
};

TEST_F(CardsTest, RoundsReadDownTheColumnsOldestFirstAndOneCardPrintsItsEightItems) {
    int six = addSamplePlayer(store, "Six Rounds");
    setChartCourse(store, 2, std::vector<int>(18, 4), "");
    for (int gross : {81, 82, 83, 84, 85, 106})
        addGross(six, gross, gross == 83 ? 2 : 1);
    EXPECT_EQ(
        cardRoundLines(store, six),
        (std::array<std::string, 5>{"", "  PH81    PH85  ", "  PH82    PH106 ", " -  83  ", "  PH84  "}));

    int full = addSamplePlayer(store, "Full");
    for (int r = 1; r <= 20; ++r)
        addGross(full, 70 + r);
    EXPECT_EQ(cardRoundLines(store, full)[4], "  PH74    PH78    PH82    PH86    PH90  ");

    // One card prints its eight items after their job lines; a player without rounds shows slot 0's zeros.
    int p = addSamplePlayer(store, "Ann Smith"), none = addSamplePlayer(store, "New Player");
    addGross(p, 98).RoundIndex = 12.3f;
    store.player(p).round[1].RoundCourseHcp = 14;
    ASSERT_FALSE(PrintHandicapCards(store, printer, {p}, "06-05-2007", picture));
    EXPECT_EQ(splitText(printer.text(), '\n'),
              (std::vector<std::string>{" ", "Ann Smith", " ", "  Hcp Index: 12.3", " ", "PH CHCP: 14", " ",
                                        "  PH98  ", " ", "", " ", "", " ", "", " ", "06-05-2007", ""}));
    EXPECT_TRUE(printer.ended());
    TextPrinter other;
    ASSERT_FALSE(PrintHandicapCards(store, other, {none}, "", picture));
    EXPECT_EQ(splitText(other.text(), '\n'),
              (std::vector<std::string>{" ", "New Player", " ", "  Hcp Index: 0", " ", " CHCP: 0", " ", "",
                                        " ", "", " ", "", " ", "", " ", "", ""}));
}

// Ten cards to a sheet in slot order whatever the selection's order (an eleventh: below); none refused.
TEST_F(CardsTest, TenCardsToASheetInSlotOrderAndNoneRefused) {
    std::vector<int> slots = players(10);
    Message refused = PrintHandicapCards(store, printer, {}, "", picture).value_or(Message{});
    EXPECT_EQ(std::pair(refused.title, refused.text),
              (std::pair<std::string, std::string>("Tallyrock", "No Players selected, cannot continue.")));
    EXPECT_EQ(printer.text(), "");
    EXPECT_FALSE(printer.ended());

    std::reverse(slots.begin(), slots.end());
    ASSERT_FALSE(PrintHandicapCards(store, printer, slots, "", picture));
    std::vector<std::string> names;
    for (int i = 1; i <= 10; ++i)
        names.push_back("Player " + std::to_string(i));
    EXPECT_EQ(printer.text().find('\f'), std::string::npos); // one sheet
    std::vector<std::string> printed;
    for (const std::string& line : splitText(printer.text(), '\n'))
        if (line.rfind("Player ", 0) == 0) printed.push_back(line);
    EXPECT_EQ(printed, names);
    EXPECT_TRUE(markedPlayers(store).empty());

    // The chooser's entries keep their slots across empty names.
    addSamplePlayer(store, "");
    int cy = addSamplePlayer(store, "Cy");
    std::vector<PlayerEntry> entries = playerEntries(store.league);
    ASSERT_EQ(entries.size(), 11u);
    EXPECT_EQ(std::pair(entries[10].name, entries[10].slot), std::pair(std::string("Cy"), cy));
}

TEST_F(CardsTest, TheEleventhCardTakesTheFirstPlaceOfTheNextSheetAndScalingMovesEveryItem) {
    std::vector<int> slots = players(11);
    RecordingPrinter recorder; // 10800 x 14400 twips
    ASSERT_FALSE(PrintHandicapCards(store, recorder, slots, "", picture));
    const std::string pictureCall = "drawPicture " + std::to_string(picture.items().size());
    const std::string left = pictureCall + " 4212 864 756 1108.8",
                      right = pictureCall + " 8748 864 756 1108.8";
    EXPECT_TRUE(callsInOrder(recorder.calls,
                             {// Card 1: picture at 0.39 W, 0.06 H; the name at 0.11 W, 0.055 H.
                              left, "print  |", "setFontName Courier New", "setFontSize 12",
                              "setCurrentX 1188", "setCurrentY 792", "print Player 1|", "setCurrentX 1188",
                              "setCurrentY 1224", "print   Hcp Index: 0|",
                              // Card 2 one column right (0.42 W).
                              right, "setCurrentX 5724", "setCurrentY 792", "print Player 2|",
                              "setCurrentY 3585.6", "print Player 3|", "newPage", left, "setCurrentX 1188",
                              "setCurrentY 792", "print Player 11|", "endDoc"}));
    EXPECT_EQ(recorder.count("newPage"), 1);
    EXPECT_EQ(recorder.documentName, "Handicap cards");

    // Scaling and offsets move every item.
    store.settings.CardScaling = 1.05f;
    store.settings.CardHOffset = 100;
    store.settings.CardWDOffset = -50;
    RecordingPrinter scaled;
    ASSERT_FALSE(PrintHandicapCards(store, scaled, {slots[0], slots[1], slots[2]}, "", picture));
    // Card 3, name line: (0.055 + 0.194) x 14400 x 1.05 + 100; date: (0.19 + 0.194) x 14400 x 1.05 + 100.
    EXPECT_TRUE(callsInOrder(scaled.calls, {"setCurrentX 1138", "setCurrentY 3864.88", "print Player 3|",
                                            "setCurrentX 1138", "setCurrentY 5906.08", "print |", "endDoc"}));
}

TEST(CardForm, OpeningClosingAndTheScalingBox) {
    TempDir dir;
    Store store = storeIn(dir.path()); // the save locks the data folder
    store.settingsDir = dir.path();
    store.settings.CardHOffset = -120;
    store.settings.CardWDOffset = 35.5f;
    CardForm form = openCardForm(store.settings);
    EXPECT_EQ(store.settings.CardScaling, 1.0f); // 0 found at opening becomes 1
    EXPECT_EQ((std::vector<std::string>{form.hOffset, form.wdOffset, form.scaling}),
              (std::vector<std::string>{"-120", "35.5", "1.000"}));
    EXPECT_EQ(scalingBoxText("1.050"), "1.05");
    EXPECT_EQ(scalingBoxText("abc"), "0");

    form = {"60", "-15x", "1.05"};
    closeCardForm(store, form);
    EXPECT_EQ(store.settings.CardScaling, 1.05f);
    std::vector<std::string> lines = splitText(readFile(dir / SettingsFileName), '\n');
    ASSERT_GE(lines.size(), 13u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 10, lines.begin() + 13),
              (std::vector<std::string>{" 60 \r", "-15 \r", " 1.05 \r"}));
}

} // namespace
