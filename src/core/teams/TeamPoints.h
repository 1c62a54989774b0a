#pragma once
// Point entries of the teams: adding and removing them, the running total and
// the lines of the points window. Each entry holds a comment, a total the user
// keeps by hand (stored and printed, never summed) and the points the program
// totals.

#include "services/Clock.h"
#include "store/Message.h"
#include "store/Store.h"

#include <string>
#include <vector>

namespace tallyrock {

// Longest comment the comment box takes.
constexpr int CommentMaxChars = 50;

// Opening the points window: the team point file, then team 1.
void openTeamPoints(Store& store);

// The members box: every member's name followed by " , ", less the last two
// characters ("Ann , Bob "); empty for a team without members.
std::string memberText(const Store& store, int t);

// A number in the entry columns: its alignment spaces (one each when below
// 1000, 100 and 10), then the value with one decimal ("  12.0", "   3.5", "   -2.0").
std::string alignmentSpaces(float value);
std::string oneDecimal(float value);
std::string alignedNumber(float value);
// The two numbers of an entry line: the hand-kept total, three spaces, the points.
std::string entryNumbers(const TeamEntry& entry);

// The points window's line of one entry: the comment padded to 61 characters
// (a longer one whole), the hand-kept total, three spaces and the points.
std::string pointsEntryLine(const TeamEntry& entry);
std::vector<std::string> pointsEntryLines(const TeamTables& teams, int t);

// Sum of the points of every entry of team t, and its text for the total label.
float runningTotal(const TeamTables& teams, int t);
std::string runningTotalText(const TeamTables& teams, int t);

// What the comment box starts with while "Begin each line with -->" is ticked.
std::string commentStart(const std::string& dateText);

// Adds an entry to the current team from the three boxes (the numbers read as
// typed numbers: text that is not a number counts 0). No comment and no points
// is not an entry (the window beeps); a 151st entry is refused with `entriesFull()`;
// a comment that `checkComment` refuses gives Refused and its message.
enum class AddEntryResult { Added, Empty, Full, Refused };
AddEntryResult addTeamEntry(Store& store, const std::string& comment, const std::string& manualText,
                            const std::string& pointsText);
Message entriesFull();
// The refusal of a comment with a line break, another control character or
// bytes that are not UTF-8; nothing when it can be stored.
Failure checkComment(std::string_view comment);

// Removes the current team's entries of these numbers (1-based); later entries move up.
void removeTeamEntries(Store& store, const std::vector<int>& entries);

// Numbers typed but not added: asked before changing team and before closing.
bool pointsPending(const std::string& manualText, const std::string& pointsText);
Message pendingPointsQuestion();

} // namespace tallyrock
