#pragma once
// The printed and exported listings of the rounds view: the short form
// (portrait, no hole scores), the long form (landscape, with them) and the
// text file, all built from the view's two lists.

#include "RoundsView.h"
#include "services/Clock.h"
#include "services/PrintJob.h"
#include "store/Message.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tallyrock {

inline constexpr int ShortTitleWidth = 40;
inline constexpr int LongTitleWidth = 80;

// 6 spaces, the league name, (width - length of the league file name) spaces,
// "Tallyrock   " and the date as mm-dd-yyyy.
std::string listingTitle(const std::string& leagueFilePath, const Date& today, int width);

std::string shortSeparator(); // 6 spaces, 82 underscores
std::string longSeparator();  // 6 spaces, 129 hyphens

// The lines of the listing, one per list item: the separator for item 1, the
// composed line otherwise (item 0 is the heading line).
std::vector<std::string> shortListingLines(const ViewLines& view);
std::vector<std::string> longListingLines(const ViewLines& view);

// A listing is offered only for a shown view with at least one round line.
bool listingOffered(const ViewLines& view, bool shown);
// The question asked before printing: Yes long, No short, Cancel nothing.
Message listingQuestion();

void printshortreport(ReportPrinter& printer, const std::string& fontName, const ViewLines& view,
                      const std::string& title);
void printlongreport(ReportPrinter& printer, const std::string& fontName, const ViewLines& view,
                     const std::string& title);

// The text file: the title, a line of one space, then the short listing's lines.
std::vector<std::string> shortprintfileLines(const ViewLines& view, const std::string& title);
// The long listing as text: its title, a line of one space, then its lines without page repeats.
std::vector<std::string> longprintfileLines(const ViewLines& view, const std::string& title);
std::string joinCrlf(const std::vector<std::string>& lines);

// The export's file name from what the save dialog returned: ".txt" appended
// unless it already ends in ".TXT" (any case); nothing when the result is
// shorter than 7 characters (a cancel) or names no file inside its folder.
std::optional<std::filesystem::path> exportFileName(const std::string& chosen);
inline constexpr const char* ExportFilter = "Text Files (*.TXT)";

// Writes the text file atomically; the failure message when it could not.
Failure shortprintfile(Store& store, const std::filesystem::path& file, const ViewLines& view,
                       const std::string& title);
Message exportWriteFailure(const std::string& fileName);

} // namespace tallyrock
