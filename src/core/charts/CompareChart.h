#pragma once
// The player comparison chart: every player with rounds, lowest current index
// first, as a line with a star on the scale -5 to 40; and its printed list.

#include "services/Clock.h"
#include "services/ReportPrinter.h"
#include "store/Message.h"
#include "store/Store.h"

#include <string>
#include <vector>

namespace tallyrock {

// The scale header above the list, in two parts.
inline constexpr const char* CompareHeaderLeft = " Player              -5    0    5   ";
inline constexpr const char* CompareHeaderRight =
    "                                    10   15   20   25   30   35   40";

struct CompareEntry {
    int player = 0;
    float index = 0; // one decimal, as taken back from the sort key
};
// Every player slot 1..PlayerCount, ascending by current index, equal indexes by slot.
std::vector<CompareEntry> compareOrder(const LeagueTables& league);

// The list line of one player: name field, star column, the index.
std::string compareLine(const std::string& name, float index);
// The list: one line per player with rounds, in compare order; "NH" for a
// player without an index. `whsNote`: a last line saying whose indexes they are.
std::vector<std::string> compareLines(const LeagueTables& league, bool whsNote = false);

Message compareListPrintQuestion();
// The page heading (bold from here to the end of the document).
void PrintCompareHeading(ReportPrinter& printer, const Date& today);
// The printed list: heading, each line after five spaces, one page break after the 50th line.
void printCompareList(ReportPrinter& printer, const std::vector<std::string>& lines,
                      const std::string& fontName, const Date& today);

} // namespace tallyrock
