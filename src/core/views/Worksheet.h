#pragma once
// The handicap worksheet: for one player as of a date, the rounds the index
// calculation considers, its arithmetic line by line, the index after each
// round held and the course handicap from each tee of the courses played.
// Every number comes from the calculation itself (handicapIndexSteps); none
// is worked out a second way here.
//
// The league file keeps neither the tee a round was played from nor the
// scores typed before stroke control. The tee shown is the one whose rating
// and slope give the stored differential (the player's own tee first); the
// holes shown for stroke control are those at its maximum.

#include "handicap/WhsEngine.h"
#include "services/Clock.h"
#include "services/ReportPrinter.h"
#include "store/Store.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tallyrock {

struct WorksheetRound {
    int slot = 0;
    int month = 0, day = 0, year = 0; // year as the league file holds it (two digits)
    int course = 0;
    std::string courseInitials;
    int tee = 0;
    bool teeFound = true; // false: no tee gives the stored differential (the course changed since)
    int out = 0, in = 0, gross = 0;
    std::array<int, 18> holes{};
    struct AtMaximum {
        int hole = 0, maximum = 0;
    };
    std::vector<AtMaximum> atMaximum; // holes at the stroke-control maximum
    float rating = 0, slope = 0;      // what the differential was worked against
    float differential = 0;
    bool used = false;
    float indexAfter = 0; // the index stored with the round
};

struct WorksheetHistory {
    int month = 0, day = 0, year = 0;
    float index = 0;
};

struct WorksheetCourseHandicap {
    int course = 0;
    std::string name, initials;
    int tee = 0;
    float slope = 0;
    float courseHandicap = 0;
};

struct Worksheet {
    std::string player;
    Date asOf;
    int method = 1;
    std::optional<float> index; // none when no round on or before the date is held
    std::string rule;           // which rounds were used, in words
    std::vector<std::string> steps;
    std::vector<WorksheetRound> rounds; // the rounds considered, oldest first
    std::vector<WorksheetHistory> history;
    std::vector<WorksheetCourseHandicap> courseHandicaps;
    std::vector<std::string> panel;     // the calculation panel's lines
    int newestSlot = 0;                 // the newest round on or before the date; 0 for none
    std::optional<float> computedIndex; // what the arithmetic gives from the rounds held
    bool roundsMissing = false;         // rounds it needs are no longer held: index is the stored one
    // Under the World Handicap System: the work over the rounds up to the date,
    // every step of it (the rounds above carry the stored values).
    std::optional<WhsPlayerWork> whs;
};

// Player p's worksheet as of the end of `asOf`.
Worksheet buildWorksheet(const Store& store, int p, const Date& asOf);

// The worksheet as text lines: what the window shows, Copy copies and `explain` prints.
std::vector<std::string> worksheetLines(const Worksheet& sheet);

// Spreadsheet rows: a header, then one row per round (date as YYYY-MM-DD,
// course, tee, out, in, gross, differential, used, index_after).
std::vector<std::vector<std::string>> worksheetCsvRows(const Worksheet& sheet);

// Dates as the worksheet writes them.
std::string isoDate(int month, int day, int year);       // "2024-07-04"; a two-digit year is widened
std::string roundDateText(int month, int day, int year); // "07/04/24"

// The worksheets of `players`, one to a page (more when one does not fit).
void printWorksheets(ReportPrinter& printer, const Store& store, const std::vector<int>& players,
                     const Date& asOf, const Date& today);

} // namespace tallyrock
