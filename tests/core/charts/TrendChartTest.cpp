#include "charts/TrendChart.h"
#include "core/Samples.h"
#include "core/charts/CallOrder.h"
#include "fakes/RecordingCanvas.h"
#include "fakes/RecordingPrinter.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

const uint32_t LightRed = 0xFF0000;

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

TEST_F(TrendTest, NoRoundsDrawsTheGridAndLabelsOnly) {
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
    EXPECT_TRUE(series(LightRed).empty());
    EXPECT_EQ(canvas.textsReading("<--  Earlier Rounds         More recent Rounds  -->").size(), 1u);
    std::string word; // written down the left side, a letter at a time
    for (const CanvasItem& t : canvas.texts())
        if (t.font.size == 9) word += t.text;
    EXPECT_EQ(word, "HANDICAP");

    TrendCaptions captions = trendCaptions(store.player(p));
    EXPECT_EQ(captions.rounds, "0 rounds played");
    EXPECT_EQ(captions.index, "Current Hcp. Index = 0");
    EXPECT_EQ(captions.name, "Ann Smith");
}

TEST_F(TrendTest, OneRoundIsADotAt1080) {
    addChartRound(store, p, 12.4f, 10.1f);
    draw();
    auto diffs = series(LightRed), indexes = series(BlackColor);
    ASSERT_EQ(diffs.size(), 1u);
    ASSERT_EQ(indexes.size(), 1u);
    EXPECT_EQ(diffs[0].x, 1080);
    EXPECT_EQ(diffs[0].x2, 1080);
    EXPECT_NEAR(diffs[0].y, 2132, 1e-3);
    EXPECT_EQ(diffs[0].y, diffs[0].y2);
    EXPECT_NEAR(indexes[0].y, 2293, 1e-3);
    EXPECT_EQ(indexes[0].y, indexes[0].y2);
    // The index series is drawn on top of the differentials.
    EXPECT_EQ(canvas.lines().back().color, BlackColor);
}

TEST_F(TrendTest, TwentyRoundsEndAt8300AndJoinEachToTheOneBefore) {
    for (int i = 1; i <= 20; ++i)
        addChartRound(store, p, static_cast<float>(i), 0.5f * static_cast<float>(i));
    draw();
    auto diffs = series(LightRed);
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

TEST_F(TrendTest, PrintedPageLayoutFollowsThePageFractions) {
    addChartRound(store, p, 11.0f, 9.0f);
    draw();
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
}

} // namespace
