#include "charts/CompareChart.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "core/charts/CallOrder.h"
#include "services/TextPrinter.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

// Column numbers count from 1, as the list is read.
int starColumn(const std::string& line) {
    return static_cast<int>(line.find('*')) + 1;
}

TEST(CompareChart, LowestIndexFirstAndEqualIndexesInPlayerOrder) {
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
}

TEST(CompareChart, StarRoundsHalfUpAndIsHeldInsideTheScale) {
    const struct {
        float index;
        int star;
        const char* value; // columns 73 to 77; negative values carry no extra space
    } cases[] = {{12.5f, 42, " 12.5"}, {-2.5f, 27, "-2.5"},  {-0.4f, 29, "-0.4"}, {0.0f, 29, " 0.0"},
                 {40.0f, 69, " 40.0"}, {45.0f, 70, " 45.0"}, {-8.1f, 23, "-8.1"}};
    // The star of 12.3 in column 41.
    EXPECT_EQ(compareLine("Ann Smith", 12.3f),
              " Ann Smith" + std::string(12 + 18, ' ') + "*" + std::string(31, ' ') + " 12.3");
    for (const auto& c : cases) {
        std::string line = compareLine("A", c.index);
        EXPECT_EQ(starColumn(line), c.star) << c.index;
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
        std::vector<std::string> pages = split(printer.text(), '\f');
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

} // namespace
