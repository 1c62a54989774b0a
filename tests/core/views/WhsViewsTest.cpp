// "NH" where a player has no index yet, the note on the program's own World
// Handicap System indexes, and its course handicap chart.
#include "charts/CompareChart.h"
#include "charts/TrendChart.h"
#include "core/Samples.h"
#include "handicap/WhsEngine.h"
#include "views/CourseHcpChart.h"
#include "views/Listings.h"
#include "views/RoundsView.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

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

TEST(WhsViews, CourseHandicapChartAddsRatingMinusPar) {
    // Index 27.7, slope 129, rating 71.1, par 72: 30.72 gives 31; -0.5 rounds up to 0.
    EXPECT_EQ(whsChartCourseHcpText(27.7, 129, 7110, 72), "31");
    EXPECT_EQ(whsChartCourseHcpText(-0.5, 113, 7200, 72), " 0");
    EXPECT_EQ(whsChartCourseHcpText(2.5, 113, 7200, 72), " 3");
    EXPECT_EQ(chartCourseHcpText(2.5, 113), " 2") << "the other methods keep their rounding";
    EXPECT_EQ(whsChartRows(113, 7000, 72)[0].substr(0, 19), "       -5.0      -7");
}

} // namespace
