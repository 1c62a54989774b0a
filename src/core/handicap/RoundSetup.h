#pragma once
// Round set-up: the players who played, the course and the date of new rounds,
// before score entry takes their scores.

#include "charts/ChartChooser.h"
#include "services/Clock.h"
#include "store/Message.h"
#include "store/Store.h"

#include <string>
#include <vector>

namespace tallyrock {

inline constexpr const char* RoundSetupTitle = "Player & Course Selection for Score Entry";
inline constexpr const char* RoundSetupHint =
    "Select the players who participated, the course, and edit the date if necessary.";
inline constexpr const char* OldestFirstHint =
    "Always enter oldest rounds first -- Click on Info to see why this is necessary with electronic "
    "scoring systems";

// The window's opening: EntryMonth from today, CurrentCourse 0, the course file
// read again. The day and two-digit year the date labels start with.
struct RoundSetupOpening {
    int day = 1;
    int year = 0;
    Failure courseLoad; // the course file's message, if it could not be read
};
RoundSetupOpening openRoundSetup(Store& store, const Date& today);

// The list of players: every non-empty name with the slot it stands for.
std::vector<PlayerEntry> roundSetupPlayers(const LeagueTables& league);

// Date labels and spins. The month label is the first three letters of the
// month's name; the year shows two digits.
std::string monthLabelText(const Store& store);
std::string yearLabelText(int year);
// setyearcaption: "Year 2007", "Year 1999".
std::string yearCaption(int year);
// The month spin changes EntryMonth within 1..12.
void monthSpin(Store& store, bool up);
// The day stays within 1..31 whatever the month.
int daySpin(int day, bool up);
// The year runs round: 99 up gives 0, 0 down gives 99.
int yearSpin(int year, bool up);

// A choice in the course combo: CurrentCourse becomes the last course of that
// name, letter case ignored; unchanged when no course has it.
void chooseSetupCourse(Store& store, const std::string& comboText);

// Accept, up to the date question: the marks of the chosen slots are set (all
// others cleared), then the course and the players are checked in that order,
// then EntryDay and EntryYear are taken.
enum class SetupOutcome {
    NoCourse,  // refusal: the message is shown and the window stays
    NoPlayers, // refusal
    Confirm,   // the date question is asked (Yes/No): Yes goes on as Ready, No stays
    Ready,
};
struct SetupAccept {
    SetupOutcome outcome = SetupOutcome::Ready;
    Message message; // the refusal or the question
};
SetupAccept acceptRoundSetup(Store& store, const std::vector<int>& chosenSlots, const std::string& comboText,
                             int day, int year);
// The hand-over to score entry: the course of the combo text, new-round mode.
void startRoundEntry(Store& store, const std::string& comboText);

// Cancel: no player takes part.
void cancelRoundSetup(Store& store);
// The window's unload: a DateRemind of 2 becomes 1.
void closeRoundSetup(Settings& settings);

Message noRoundCourse();
Message noRoundPlayers();
// "Is 6/5/2007 at Pine Hills" ..., for the entry date and CurrentCourse.
Message dateCheckQuestion(const Store& store);

} // namespace tallyrock
