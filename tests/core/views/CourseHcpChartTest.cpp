// The course handicap reference chart, and "NH" where a player has no World
// Handicap System index yet.
#include "views/CourseHcpChart.h"
#include "charts/CompareChart.h"
#include "charts/TrendChart.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "handicap/WhsEngine.h"
#include "services/TextPrinter.h"
#include "views/Listings.h"
#include "views/RoundsView.h"

#include <gtest/gtest.h>
#include <tuple>

namespace tallyrock::test {
namespace {

TEST(CourseHcpChart, HalvesGoToTheEvenNeighbourButUpUnderTheWorldSystem) {
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
}

TEST(CourseHcpChart, RowsCoverMinusFiveToFortyFourAndAHalf) {
    std::vector<std::string> rows = chartRows(113);
    ASSERT_EQ(rows.size(), 25u);
    EXPECT_EQ(rows.front(), "       -5.0      -5        7.5       8       20.0      20       32.5      32");
    EXPECT_EQ(rows[10], "        0.0       0       12.5      12       25.0      25       37.5      38");
    EXPECT_EQ(rows.back(), "        7.0       7       19.5      20       32.0      32       44.5      44");
}

TEST(CourseHcpChart, TeeAnswers) {
    EXPECT_EQ(chartTeeAnswer(" 3 "), 3);
    EXPECT_EQ(chartTeeAnswer("1.4"), 1);
    EXPECT_EQ(chartTeeAnswer("abc"), 0);
    EXPECT_EQ(chartTeeAnswer("-2"), 0);
    EXPECT_GT(chartTeeAnswer("99999999"), 3); // asked again
    EXPECT_EQ(chartTeeLabel(3), "Pro tee - slope ");
    EXPECT_EQ(chartTeePrompt(),
              "Print Chart relating to which Tee?\r\n\r\nType 1 for Ladies, 2 for Mens or 3 for the Pro tee");
}

TEST(CourseHcpChart, PrintedChart) {
    Store store;
    setCourse(store, 1, "Pine Creek Club", "PCC");
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

TEST(WhsViews, NoIndexYetShowsNH) {
    Store store = sampleStore();
    store.settings.HcpMethod = stored(HandicapMethod::Whs);
    int ann = addSamplePlayer(store, "Ann", MensTee), bo = addSamplePlayer(store, "Bo", MensTee);
    setDifferentials(store, ann, {20.0f});
    setDifferentials(store, bo, {8.0f, 9.0f, 10.0f});
    for (int r = 1; r <= 3; ++r) {
        store.player(bo).round[static_cast<std::size_t>(r)].RoundIndex = r < 3 ? NoHandicap : 6.0f;
        store.player(bo).round[static_cast<std::size_t>(r)].RoundCourseHcp = r < 3 ? NoHandicap : 6.0f;
    }
    store.player(ann).round[1].RoundIndex = NoHandicap;
    store.player(ann).round[1].RoundCourseHcp = NoHandicap;

    std::string line = roundLine(store, ann, 1, ViewMode::Player);
    std::string withIndex = roundLine(store, bo, 3, ViewMode::Player);
    EXPECT_EQ(line.size(), withIndex.size()) << "the columns stay where they are";
    EXPECT_EQ(line.substr(32, 4), "  NH");
    EXPECT_EQ(withIndex.substr(32, 4), " 6.0");
    EXPECT_NE(line.find("NH     "), std::string::npos);

    RoundsView view;
    view.setMode(ViewMode::Recent);
    view.show(store);
    std::vector<std::string> listing = shortListingLines(view.lines());
    EXPECT_EQ(listing.back(), "       Handicap indexes " + std::string(WhsIndexNote) + ".");

    std::vector<std::string> compare = compareLines(store.league, true);
    ASSERT_EQ(compare.size(), 3u);
    EXPECT_EQ(compare[0].substr(0, 4), " Bo ") << "players without an index come last";
    EXPECT_EQ(compare[1].substr(compare[1].size() - 4), "  NH");
    EXPECT_EQ(trendCaptions(store.player(ann), true).index, "Current Hcp. Index = NH");
}

} // namespace
} // namespace tallyrock::test
