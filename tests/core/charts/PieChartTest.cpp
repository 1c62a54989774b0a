#include "charts/PieChart.h"
#include "core/Samples.h"
#include "core/charts/CallOrder.h"
#include "fakes/RecordingCanvas.h"
#include "fakes/RecordingPrinter.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

const uint32_t LightBlue = 0x0000FF, LightGreen = 0x00FF00, LightCyan = 0x00FFFF;

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
    std::vector<std::string> legend() const {
        std::vector<std::string> out;
        for (const CanvasItem& t : canvas.texts())
            out.push_back(t.text);
        return out;
    }
    std::vector<uint32_t> colours(const std::vector<CanvasItem>& items) const {
        std::vector<uint32_t> out;
        for (const CanvasItem& item : items)
            out.push_back(item.fillColor);
        return out;
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

TEST_F(PieTest, NoHoleScoresLeaveAnEmptySurfaceAndThePanelTexts) {
    addChartRound(store, p, 10, 10); // totals only: no hole scores
    store.player(p).round[1].HoleScore[OutSlot] = 45;
    store.player(p).round[1].HoleScore[InSlot] = 44;
    ScoreCounts counts = draw();
    EXPECT_EQ(counts.scoresCounted, 0);
    EXPECT_EQ(pieSlices(counts).count, 0);
    EXPECT_EQ(canvas.erased, 1);
    EXPECT_TRUE(canvas.items().empty());
    EXPECT_EQ(captions(counts),
              (std::vector<std::string>{
                  "Bob Jones", "Avg. Par per hole =", "Avg. Score per hole =", "# of scores recorded = 0"}));
}

TEST_F(PieTest, EveryParIsOneFullDiscInLightBlue) {
    setHoleScores(addChartRound(store, p, 0, 0), {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4});
    ScoreCounts counts = draw();
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

TEST_F(PieTest, SlicesFollowEachOtherFromTwelveOClockColouredInSliceOrder) {
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
    draw();
    EXPECT_EQ(legend(), (std::vector<std::string>{"Birdies 25.0%", "Pars 50.0%", "Bogies 25.0%"}));
    EXPECT_EQ(colours(canvas.pies()), (std::vector<uint32_t>{LightBlue, LightGreen, LightCyan}));
    EXPECT_EQ(colours(canvas.boxes()), colours(canvas.pies())); // each legend box has its slice's colour

    // A whole turn or none would make no slice: such angles become 0.001.
    float a = 6.283186f;
    EXPECT_EQ(NormalizeAngle(a), 0.001f);
    a = -1.0f;
    EXPECT_NEAR(NormalizeAngle(a), 5.283186f, 1e-6f);
}

TEST_F(PieTest, PrintedPictureAndCaptionsFollowThePageFractions) {
    setHoleScores(addChartRound(store, p, 0, 0), {4, 5});
    ScoreCounts counts = draw();
    RecordingPrinter printer; // 10800 x 14400 twips
    printPieChart(printer, canvas, pieCaptions(store.player(p), counts), "Arial", Date{12, 31, 2023});
    const std::string picture = "drawPicture " + std::to_string(canvas.items().size());
    EXPECT_TRUE(
        callsInOrder(printer.calls, {"print  |", picture + " 540 1440 9818.18 6000", "setCurrentX 1080",
                                     "setCurrentY 7920", "print  |", "setFontName Arial", "setFontSize 18",
                                     "print Bob Jones               |", "setCurrentX 9180",
                                     "setCurrentY 12960", "setFontSize 9", "print 12-31-2023|", "endDoc"}));
}

} // namespace
