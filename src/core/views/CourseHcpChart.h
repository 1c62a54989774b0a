#pragma once
// The course handicap reference chart for one tee of a course: the course
// handicap of every index from -5.0 to 44.5 in steps of 0.5.

#include "services/ReportPrinter.h"
#include "store/Store.h"

#include <string>
#include <vector>

namespace tallyrock {

// Index text: one space when 0 <= y < 10, then y as "0.0".
std::string checkY(double y);
// A course handicap rounded to a whole number as the chart rounds it: halves
// go to the even neighbour (2.5 gives 2, 3.5 gives 4).
double chartRounded(double value);
// y x slope / 113 rounded with halves to the even neighbour; one space in front of 0..9.
std::string chartCourseHcpText(double y, double slope);
// Appends one column: 7 spaces, the index text, 6 spaces, the course handicap text.
void buildline(std::string& line, const std::string& indexText, const std::string& courseHcpText);

// The 25 rows of four columns each.
std::vector<std::string> chartRows(double slope);
// The World Handicap System: index x slope / 113 + (rating - par), halves upward.
std::string whsChartCourseHcpText(double y, int slope, int ratingHundredths, int par);
std::vector<std::string> whsChartRows(int slope, int ratingHundredths, int par);
inline constexpr const char* ChartHeading =
    "     Hcp Index  CHcp    Hcp Index  CHcp    Hcp Index  CHcp   Hcp Index   CHcp";

// The tee question and how its answer is read: the typed number rounded to a
// whole tee; an answer above 3 is asked again, one below 1 prints nothing.
inline constexpr const char* ChartTeeTitle = "Course Handicap Reference Chart for Posting";
std::string chartTeePrompt();
int chartTeeAnswer(const std::string& typed);

std::string chartTeeLabel(int tee); // "Ladies Tee - slope " ...

void PrintChcpChart(ReportPrinter& printer, const Store& store, int course, int tee);

} // namespace tallyrock
