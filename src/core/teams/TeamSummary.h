#pragma once
// The printed team summary: for each team a heading with its name, optionally
// its members, its point entries (all, or only the last) and a total line,
// laid out by character counts for a fixed-pitch font.

#include "services/Clock.h"
#include "services/ReportPrinter.h"
#include "store/Store.h"

#include <string>
#include <vector>

namespace tallyrock {

struct TeamSummaryOptions {
    bool names = false;    // "List Team member names "
    bool lastOnly = false; // "Print each Teams last event only"
};

// The member lines of team t: four spaces, then names each followed by " , ",
// a new line whenever a name would make the line 70 characters or longer; the
// last line loses its last two characters. As many lines as the names need.
std::vector<std::string> summaryMemberLines(const Store& store, int t);

// The entry line of the summary: four spaces and the comment padded to 60,
// the hand-kept total ending at character 66 and the points at character 75.
std::string summaryEntryLine(const TeamEntry& entry);

// The whole report, page by page: on each page the lines that follow the
// print job's opening line. A new team starts a new page once more than 45
// lines are on the page; within a team a page ends after its 52nd line.
using ReportPages = std::vector<std::vector<std::string>>;
ReportPages teamSummaryPages(const Store& store, const TeamSummaryOptions& options, const Date& today);

// Prints the report: the job is opened by SelectReportPrinter, the font is
// FontName size 10 bold, and each new page opens the job again and sets the
// font name and size.
void printTeamSummary(ReportPrinter& printer, const Store& store, const TeamSummaryOptions& options,
                      const Date& today);

} // namespace tallyrock
