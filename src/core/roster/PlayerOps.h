#pragma once
// Adding players to the open league.

#include "store/Message.h"
#include "store/Store.h"

#include <string>
#include <vector>

namespace tallyrock {

// Longest player name, added or renamed: what the name boxes take.
constexpr int PlayerNameMaxChars = 18;

// The add window's name box: at most 18 characters, a double quote becomes an apostrophe.
std::string playerNameBoxText(std::string_view typed);

// The refusal of a player name no league file may hold: a line break, another
// control character, bytes that are not UTF-8, only blanks, or more than 18
// characters. Nothing when the name can be stored.
Failure checkPlayerName(std::string_view name);

// Opening the add window: fresh team numbers from the team point file.
void openAddPlayers(Store& store);

enum class AddPlayerResult { Added, Refused, TooShort, RosterFull, Duplicate };
// Adds the player in the next slot, with default tee 1, 2 or 3. A name that
// `checkPlayerName` refuses gives its message; a duplicate name (letter case
// ignored for every letter) gives the message `duplicatePlayerName()`; a name
// under 3 characters or a full roster is refused without one (the window beeps).
AddPlayerResult addPlayer(Store& store, const std::string& name, int tee);
Message duplicatePlayerName();

// What the roster windows write when they close: the team point file (never,
// while teams are in use, or always), then the league file. The messages of
// the writes that failed.
enum class TeamFileSave { Never, WhileTeamsInUse, Always };
std::vector<Message> saveRosterFiles(Store& store, TeamFileSave teamFile);

// The member count shown in the add window: "12 member(s)".
std::string memberCountText(int count);
// The add window's title: the league's name and " Players".
std::string addPlayersTitle(const Store& store);

// The last player slot whose name equals `name` exactly; 0 when there is none.
int findPlayer(const LeagueTables& league, std::string_view name);

} // namespace tallyrock
