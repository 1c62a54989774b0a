#pragma once
// The two player choosers: the edit-round chooser (a player, then one of the
// player's rounds by date, for score entry to correct or delete) and the
// player chooser of the main window's individual player view.

#include "store/Store.h"

#include <string>
#include <vector>

namespace tallyrock {

inline constexpr const char* ChooserTitle = "Select Player";
inline constexpr const char* SelectPlayerText = "Select a Player";
inline constexpr const char* SelectDateText = "Select Date";

// The names both choosers list: every non-empty name, in player order.
std::vector<std::string> chooserNames(const LeagueTables& league);

// Edit-round chooser. Opening clears every player mark.
void openEditRoundChooser(Store& store);
// A player accepted: CurrentPlayer is the last slot with that name and only
// that slot is marked, so score entry corrects that player alone. Returns the
// slot, or 0 when no player has the name (nothing changes then).
int chooseRoundPlayer(Store& store, const std::string& name);
// The player's rounds, newest first: the date, the course's initials and the
// gross score, so two rounds on one date can be told apart ("06/05/07   PCC   89").
std::vector<std::string> roundDateLines(const Store& store, int p);
// A date accepted at list position i (0-based, newest first) of CurrentPlayer's
// rounds: the round's slot becomes EditSlot and its date and course the entry
// date and CurrentCourse. False when the position names no round.
bool chooseRoundDate(Store& store, int position);
// Leaving the chooser without a round: no player is chosen.
void exitEditRoundChooser(Store& store);

// Player chooser of the individual player view: CurrentPlayer is the last slot
// with the name; false when there is none.
bool chooseViewPlayer(Store& store, const std::string& name);

} // namespace tallyrock
