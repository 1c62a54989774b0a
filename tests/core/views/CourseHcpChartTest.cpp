// The course handicap reference chart.
#include "views/CourseHcpChart.h"
#include "core/Samples.h"
#include "services/TextPrinter.h"

#include <gtest/gtest.h>
#include <sstream>

namespace tallyrock::test {
namespace {

TEST(CourseHcpChart, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(chartCourseHcpText(12.5, 113), "12");
    EXPECT_EQ(chartCourseHcpText(13.5, 113), "14");
    EXPECT_EQ(chartCourseHcpText(2.5, 113), " 2");
    EXPECT_EQ(chartCourseHcpText(-4.5, 113), "-4");
    EXPECT_EQ(chartCourseHcpText(10.0, 130), "12"); // 11.5 -> 12
    EXPECT_EQ(chartCourseHcpText(0, 140), " 0");
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
    std::vector<std::string> lines;
    std::istringstream in(printer.text());
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 4u + 2u + 3u + 1u + 25u + 5u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 10),
              (std::vector<std::string>{" ", " ", " ", " ", "   Pine Creek Club", " ",
                                        "     Mens Tee - slope 126", " ", " ", ChartHeading}));
    EXPECT_EQ(lines[10], "       -5.0      -6        7.5       8       20.0      22       32.5      36");
    EXPECT_EQ(lines.back(), "    Use your Hcp index to find the course handicap.");
    EXPECT_TRUE(printer.ended());
}

} // namespace
} // namespace tallyrock::test
