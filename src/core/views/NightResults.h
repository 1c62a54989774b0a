#pragma once
// The results of one date: every round played that day, best net score
// first, with the index each player took into the round and out of it, the
// low gross and low net marked, and the team standings when teams are in
// use. The window, the printout, the command-line tool and the CSV export
// all show this one sheet.

#include "services/Clock.h"
#include "services/ReportPrinter.h"
#include "store/CsvWriter.h"
#include "store/Message.h"
#include "store/Store.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tallyrock {

struct NightRound {
    int player = 0, slot = 0;
    std::string name, course; // the course's name
    int tee = 0;              // the tee played (PlayedTee.h)
    int gross = 0;            // Out + In
    bool nineHoles = false;   // Out or In is 0
    // From the index before, on the round's course and tee; none without an index before.
    std::optional<int> courseHcp;
    std::optional<int> net;
    std::optional<float> indexBefore; // the index stored with the player's previous round
    float indexAfter = 0;             // the index stored with this round; NoHandicap for none
    // World Handicap System: the course handicap stored with the round (a
    // nine's for a nine-hole round) times the allowance; the net is worked
    // against it, a nine-hole round's against the nine's whole handicap.
    std::optional<int> playingHcp;
    bool lowGross = false, lowNet = false;
};

struct TeamStanding {
    int rank = 0; // teams level on points share a rank
    std::string name;
    float points = 0;
};

struct NightSheet {
    int16_t month = 0, day = 0, year = 0; // the year as its two digits, as rounds keep it
    std::vector<NightRound> rounds;       // by net, then gross; rounds without a net last
    std::vector<TeamStanding> teams;      // best first; empty when teams are not in use
    bool whs = false;                     // the World Handicap System: playing handicaps shown
};

NightSheet nightResults(const Store& store, int16_t month, int16_t day, int16_t year);

// Gross less the course handicap; a nine-hole round is played against half
// the course handicap, rounded as the course handicap chart rounds.
int netScore(int gross, int courseHcp, bool nineHoles);

std::string nightDateText(const NightSheet& sheet); // "07/03/06"
// The date of the league's latest round as MM/DD/YY, where a window asking for
// a date starts; empty without rounds.
std::string latestRoundDateText(const Store& store);
// The refusal of a date no round was played on.
Message noRoundsOnDate(const NightSheet& sheet);

// The sheet of a date typed as MM/DD/YY, MM/DD/YYYY or YYYY-MM-DD; the
// refusal instead when the text is no such date or no round was played on it.
struct NightChoice {
    NightSheet sheet;
    Failure refusal;
};
NightChoice nightResultsOf(const Store& store, const std::string& dateText);

// The sheet as fixed-width lines: title, the date, the column heading and
// its underline, one line per round, the key to the marks, and the team
// standings when there are any.
std::vector<std::string> nightSheetLines(const Store& store, const NightSheet& sheet, const Date& today);
// The lines on portrait pages, the heading repeated on each new page.
void printNightResults(ReportPrinter& printer, const Store& store, const NightSheet& sheet,
                       const Date& today);

// player, course, tee, gross, course_handicap, net, index_before, index_after,
// and under the World Handicap System playing_handicap, one record per round
// in the sheet's order; absent values (and "NH") are empty.
CsvRows nightCsvRows(const NightSheet& sheet);

} // namespace tallyrock
