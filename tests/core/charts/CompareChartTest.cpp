#include "charts/CompareChart.h"
#include "core/charts/ChartSamples.h"
#include "services/TextPrinter.h"

#include <gtest/gtest.h>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

// Column numbers count from 1, as the list is read.
char columnOf(const std::string& line, int column) {
    return line.at(static_cast<std::size_t>(column - 1));
}
int starColumn(const std::string& line) {
    return static_cast<int>(line.find('*')) + 1;
}

std::vector<std::string> split(const std::string& text, char at) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i)
        if (i == text.size() || text[i] == at) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    return parts;
}

TEST(CompareChart, HeaderPartsMakeOneScale) {
    EXPECT_EQ(std::string(CompareHeaderLeft).size(), 36u);
    EXPECT_EQ(std::string(CompareHeaderRight).size(), 68u);
}

TEST(CompareChart, LowestIndexFirstAndEqualIndexesInPlayerOrder) {
    Store store;
    int ann = addChartPlayer(store, "Ann");
    int bob = addChartPlayer(store, "Bob");
    int cy = addChartPlayer(store, "Cy");
    int dee = addChartPlayer(store, "Dee");
    addChartRound(store, ann, 0, 10.0f);
    addChartRound(store, bob, 0, 5.4f);
    addChartRound(store, cy, 0, 10.0f);
    addChartRound(store, dee, 0, -2.3f);
    addChartRound(store, bob, 0, 10.0f); // the current index is the newest round's
    std::vector<CompareEntry> order = compareOrder(store.league);
    ASSERT_EQ(order.size(), 4u);
    EXPECT_EQ(order[0].player, dee);
    EXPECT_FLOAT_EQ(order[0].index, -2.3f);
    EXPECT_EQ(order[1].player, ann);
    EXPECT_EQ(order[2].player, bob);
    EXPECT_EQ(order[3].player, cy);
    EXPECT_FLOAT_EQ(order[3].index, 10.0f);

    std::vector<std::string> lines = compareLines(store.league);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].substr(0, 22), " Dee                  ");
    EXPECT_EQ(lines[1].substr(0, 4), " Ann");
    EXPECT_EQ(lines[3].substr(0, 3), " Cy");
}

TEST(CompareChart, PlayersWithoutRoundsNeverAppear) {
    Store store;
    addChartPlayer(store, "No Rounds A");
    int b = addChartPlayer(store, "Has Rounds");
    addChartPlayer(store, "No Rounds C");
    addChartRound(store, b, 3, 3.0f);
    std::vector<std::string> lines = compareLines(store.league);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].substr(1, 10), "Has Rounds");
    EXPECT_TRUE(compareLines(LeagueTables{}).empty());
}

TEST(CompareChart, StarColumnAndIndexColumns) {
    std::string line = compareLine("Ann Smith", 12.3f);
    EXPECT_EQ(line, " Ann Smith" + std::string(12 + 18, ' ') + "*" + std::string(31, ' ') + " 12.3");
    EXPECT_EQ(starColumn(line), 41);
    EXPECT_EQ(line.substr(72), " 12.3"); // columns 73 to 77
    EXPECT_EQ(line.size(), 77u);
    EXPECT_EQ(columnOf(line, 72), ' ');
}

TEST(CompareChart, StarRoundsHalfUp) {
    EXPECT_EQ(starColumn(compareLine("A", 12.5f)), 29 + 13);
    EXPECT_EQ(starColumn(compareLine("A", -2.5f)), 29 - 2);
    EXPECT_EQ(starColumn(compareLine("A", -0.4f)), 29);
    EXPECT_EQ(starColumn(compareLine("A", 0.0f)), 29);
    EXPECT_EQ(starColumn(compareLine("A", 40.0f)), 69);
    // Negative values carry no extra space before them.
    EXPECT_EQ(compareLine("A", -0.4f).substr(72), "-0.4");
    EXPECT_EQ(compareLine("A", -2.5f).substr(72), "-2.5");
    EXPECT_EQ(compareLine("A", 0.0f).substr(72), " 0.0");
}

TEST(CompareChart, StarIsHeldInsideTheScaleButTheValueIsTrue) {
    std::string high = compareLine("A", 45.0f), low = compareLine("A", -8.1f);
    EXPECT_EQ(starColumn(high), 70);
    EXPECT_EQ(high.substr(72), " 45.0");
    EXPECT_EQ(starColumn(low), 23);
    EXPECT_EQ(low.substr(72), "-8.1");
}

TEST(CompareChart, IndexesComeBackFromTheKeyWithOneDecimal) {
    Store store;
    for (int p = 1; p <= 100; ++p) {
        addChartPlayer(store, "P" + std::to_string(p));
        // Indexes -10.0 to 38.0 in halves; players p and p + 97 share theirs.
        addChartRound(store, p, 0, static_cast<float>((p * 37 % 97 - 20) / 2.0));
    }
    std::vector<CompareEntry> order = compareOrder(store.league);
    ASSERT_EQ(order.size(), 100u);
    for (std::size_t i = 0; i < order.size(); ++i) {
        const PlayerRecord& pl = store.player(order[i].player);
        EXPECT_NEAR(order[i].index, pl.round[1].RoundIndex, 1e-4) << order[i].player;
        if (i > 0) {
            EXPECT_LE(order[i - 1].index, order[i].index);
            if (order[i - 1].index == order[i].index) {
                EXPECT_LT(order[i - 1].player, order[i].player);
            }
        }
    }
}

struct ComparePrintTest : ::testing::Test {
    TextPrinter printer;
    std::vector<std::string> pages;

    void print(int count) {
        std::vector<std::string> lines;
        for (int i = 1; i <= count; ++i)
            lines.push_back(compareLine("P" + std::to_string(i), 1.0f));
        printCompareList(printer, lines, "Courier New", Date{3, 9, 2025});
        pages = split(printer.text(), '\f');
    }
    static std::vector<std::string> heading() {
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
    static int listLines(const std::string& page) {
        int n = 0;
        for (const std::string& line : split(page, '\n'))
            n += line.rfind("      P", 0) == 0 && line.find('*') != std::string::npos;
        return n;
    }
};

TEST_F(ComparePrintTest, HeadingAndIndentedLines) {
    print(2);
    ASSERT_EQ(pages.size(), 1u);
    std::vector<std::string> lines = split(pages[0], '\n');
    std::vector<std::string> expected = heading();
    expected.push_back("     " + compareLine("P1", 1.0f));
    expected.push_back("     " + compareLine("P2", 1.0f));
    expected.push_back(""); // after the last line end
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(printer.ended());
}

TEST_F(ComparePrintTest, FiftyLinesLeaveASecondPageWithTheHeadingOnly) {
    print(50);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(listLines(pages[0]), 50);
    std::vector<std::string> second = split(pages[1], '\n');
    std::vector<std::string> expected = heading();
    expected.insert(expected.begin(), " "); // the new job's line of one space
    expected.push_back("");
    EXPECT_EQ(second, expected);
}

TEST_F(ComparePrintTest, AHundredLinesSplitFiftyAndFifty) {
    print(100);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(listLines(pages[0]), 50);
    EXPECT_EQ(listLines(pages[1]), 50);
    EXPECT_NE(pages[1].find("      P51 "), std::string::npos);
}

TEST_F(ComparePrintTest, AnEmptyListPrintsTheHeadingOnly) {
    print(0);
    ASSERT_EQ(pages.size(), 1u);
    std::vector<std::string> expected = heading();
    expected.push_back("");
    EXPECT_EQ(split(pages[0], '\n'), expected);
}

} // namespace
