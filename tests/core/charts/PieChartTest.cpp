#include "charts/PieChart.h"
#include "core/charts/CallOrder.h"
#include "core/charts/ChartSamples.h"
#include "fakes/RecordingCanvas.h"
#include "fakes/RecordingPrinter.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

const uint32_t LightBlue = 0x0000FF, LightGreen = 0x00FF00, LightCyan = 0x00FFFF;
const std::vector<int> ParFours(18, 4);

struct PieTest : ::testing::Test {
    Store store;
    RecordingCanvas canvas{PieWidth, PieHeight};
    int p = addChartPlayer(store, "Bob Jones");

    PieTest() { setChartCourse(store, 1, ParFours, "PH"); }
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
    std::vector<uint32_t> sliceColours() const {
        std::vector<uint32_t> out;
        for (const CanvasItem& pie : canvas.pies())
            out.push_back(pie.fillColor);
        return out;
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
    PieCaptions captions = pieCaptions(store.player(p), counts);
    EXPECT_EQ(captions.name, "Bob Jones");
    EXPECT_EQ(captions.averagePar, "Avg. Par per hole =");
    EXPECT_EQ(captions.averageScore, "Avg. Score per hole =");
    EXPECT_EQ(captions.scoresCounted, "# of scores recorded = 0");
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
    PieCaptions captions = pieCaptions(store.player(p), counts);
    EXPECT_EQ(captions.averagePar, "avg. par per hole = 4.0");
    EXPECT_EQ(captions.averageScore, "avg. score per hole = 4.0");
    EXPECT_EQ(captions.scoresCounted, "# of scores recorded = 18");
}

TEST_F(PieTest, CategoriesAgainstParAndTheHoleInOne) {
    // par 4: hole in one, eagle, birdie, par, bogey, double, triple; par 3 on hole 8: 9 is other
    setChartCourse(store, 1, {4, 4, 4, 4, 4, 4, 4, 3}, "PH");
    setHoleScores(addChartRound(store, p, 0, 0), {1, 2, 3, 4, 5, 6, 7, 9});
    ScoreCounts counts = countScores(store, p);
    EXPECT_EQ(counts.counter[1], 1); // eagles
    EXPECT_EQ(counts.counter[2], 1); // birdies
    EXPECT_EQ(counts.counter[3], 1); // pars
    EXPECT_EQ(counts.counter[4], 1); // bogies
    EXPECT_EQ(counts.counter[5], 1); // double bogies
    EXPECT_EQ(counts.counter[6], 3); // the hole in one, the triple and the 9 on the par 3
    EXPECT_EQ(counts.scoresCounted, 8);
    EXPECT_EQ(counts.parSum, 31);
    EXPECT_EQ(counts.scoreSum, 37);
}

TEST_F(PieTest, ACourseWithoutParsCountsOnesAndTwosAsBogeys) {
    setHoleScores(addChartRound(store, p, 0, 0, 7), {1, 2, 4, 5});
    ScoreCounts counts = countScores(store, p);
    EXPECT_EQ(counts.counter[4], 1);
    EXPECT_EQ(counts.counter[5], 1);
    EXPECT_EQ(counts.counter[6], 2);
    EXPECT_EQ(counts.parSum, 0);
}

TEST_F(PieTest, NineHoleRoundsCountOnlyTheEnteredHoles) {
    setHoleScores(addChartRound(store, p, 0, 0), {4, 5, 4, 5, 4, 5, 4, 5, 4});
    setHoleScores(addChartRound(store, p, 0, 0), {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 6});
    ScoreCounts counts = countScores(store, p);
    EXPECT_EQ(counts.scoresCounted, 27);
    EXPECT_EQ(counts.counter[3], 5);
    EXPECT_EQ(counts.counter[4], 4 + 17);
    EXPECT_EQ(counts.counter[5], 1);
    PieCaptions captions = pieCaptions(store.player(p), counts);
    EXPECT_EQ(captions.averageScore, "avg. score per hole = 4.9"); // 131 / 27 = 4.85
    EXPECT_EQ(captions.averagePar, "avg. par per hole = 4.0");
}

TEST_F(PieTest, SliceColoursFollowSliceOrderNotCategory) {
    setHoleScores(addChartRound(store, p, 0, 0), {4, 4, 5});
    draw();
    EXPECT_EQ(legend(), (std::vector<std::string>{"Pars 66.7%", "Bogies 33.3%"}));
    EXPECT_EQ(sliceColours(), (std::vector<uint32_t>{LightBlue, LightGreen}));

    setHoleScores(store.player(p).round[1], {4, 4, 5, 3});
    draw();
    EXPECT_EQ(legend(), (std::vector<std::string>{"Birdies 25.0%", "Pars 50.0%", "Bogies 25.0%"}));
    EXPECT_EQ(sliceColours(), (std::vector<uint32_t>{LightBlue, LightGreen, LightCyan}));
    // Each legend box has its slice's colour.
    std::vector<uint32_t> boxColours;
    for (const CanvasItem& b : canvas.boxes())
        boxColours.push_back(b.fillColor);
    EXPECT_EQ(boxColours, sliceColours());
}

TEST_F(PieTest, SlicesFollowEachOtherFromTwelveOClock) {
    setHoleScores(addChartRound(store, p, 0, 0), {4, 4, 4, 5});
    draw();
    auto pies = canvas.pies();
    ASSERT_EQ(pies.size(), 2u);
    // Pars: three quarters of the turn centred on 12 o'clock, start -pi/4 normalized.
    EXPECT_NEAR(pies[0].start, 5.497787, 1e-5);
    EXPECT_NEAR(pies[0].end, 3.926991, 1e-5);
    EXPECT_EQ(pies[1].start, pies[0].end);
    EXPECT_NEAR(pies[1].end, 5.497787, 1e-5);
}

TEST_F(PieTest, LegendIsCentredVertically) {
    setHoleScores(addChartRound(store, p, 0, 0), {4, 5});
    draw();
    auto boxes = canvas.boxes();
    auto texts = canvas.texts();
    ASSERT_EQ(boxes.size(), 2u);
    double t = canvas.textHeight("Pars 50.0"); // 192 twips in the recorder
    EXPECT_EQ(boxes[0].y, PieHeight / 2 - t * 1.5);
    EXPECT_EQ(boxes[1].y, boxes[0].y + t * 1.5);
    EXPECT_EQ(boxes[0].x, PieWidth / 2);
    EXPECT_EQ(boxes[0].width, PieWidth / 16);
    EXPECT_EQ(boxes[0].height, t);
    EXPECT_EQ(texts[0].x, PieWidth / 2 + PieWidth / 14);
    EXPECT_EQ(texts[1].y, boxes[1].y);
}

TEST_F(PieTest, PercentagesHaveOneDecimalAndNoPadding) {
    EXPECT_EQ(pieLegendText("Pars", 1.0f), "Pars 100.0");
    EXPECT_EQ(pieLegendText("Pars", 1.0f / 3.0f), "Pars 33.3");
    EXPECT_EQ(pieLegendText("Other", 2.0f / 3.0f), "Other 66.7");
    EXPECT_EQ(pieLegendText("Eagles", 1.0f / 36.0f), "Eagles 2.8");
    EXPECT_EQ(pieLegendText("Eagles", 1.0f / 360.0f), "Eagles 0.3");
}

TEST(PieAngles, NormalizeAngleKeepsEveryAngleInsideTheTurnAndAboveZero) {
    float a = 7.0f;
    EXPECT_NEAR(NormalizeAngle(a), 0.716814f, 1e-6f);
    EXPECT_NEAR(a, 0.716814f, 1e-6f);
    a = -1.0f;
    EXPECT_NEAR(NormalizeAngle(a), 5.283186f, 1e-6f);
    a = 6.283186f;
    EXPECT_EQ(NormalizeAngle(a), 0.001f);
    a = 0.0f;
    EXPECT_EQ(NormalizeAngle(a), 0.001f);
    a = 3.0f;
    EXPECT_EQ(NormalizeAngle(a), 3.0f);
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
