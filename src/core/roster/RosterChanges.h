#pragma once
// Removing, renaming and reordering the players of the open league. A player
// record (name, tee, rounds and, while teams are in use, team number) moves as
// a whole, so a player's rounds and team always stay with the name.

#include "store/Message.h"
#include "store/Store.h"

#include <optional>
#include <string>
#include <vector>

namespace tallyrock {

// Copies the record of slot `from` into slot `to` (0 is the scratch slot).
void copyPlayerRecord(Store& store, int from, int to);

// The names of the remove and rename windows' lists: every non-empty name in slot order.
std::vector<std::string> rosterNames(const LeagueTables& league);
// The slot of each of those names, in the same order.
std::vector<int> rosterSlots(const LeagueTables& league);

// The label over the remove and rename windows' lists: "Club.LGE Player List".
std::string playerListCaption(const Store& store);

// Remove: the question asked first, then the removal of slot k (the gap closes).
// Closing the remove window writes the team point file always (saveRosterFiles).
Message removePlayerQuestion(const std::string& name);
void removePlayer(Store& store, int k);

// Rename: the refusal when the new name is taken (exact comparison), the question, and the rename.
// A new name that `checkPlayerName` refuses (PlayerOps.h) gives Refused and its message.
enum class RenameCheck { Ok, Refused, TooShort, InUse };
RenameCheck checkRename(const LeagueTables& league, const std::string& newName);
Message nameInUse();
Message renameQuestion();
void renamePlayer(Store& store, int k, const std::string& newName); // never to a refused name

// Player order: the list lines ("  7  Name"), the position box rules and the move.
std::vector<std::string> orderLines(const LeagueTables& league);
// The label over the order window's list: "Club   Player List".
std::string orderListCaption(const Store& store);
// The name on a list line: the line without its first five characters.
std::string orderLineName(const std::string& line);
// The number shown after typing: above the player count it shows the count.
std::string orderPositionText(const std::string& typed, int playerCount);
// The target position a text gives: below 1 it is 1.
int orderTargetPosition(const std::string& text);
// The spin button on the position box's number, rounded: one place towards
// the end of the list (down) or the top; nothing at either end.
std::optional<int> orderSpin(const std::string& text, int playerCount, bool down);
// Moves the last player named `name` to slot `to`; false (a beep) when `to`
// equals `fromPosition`, the player's line number in the list.
bool movePlayer(Store& store, const std::string& name, int fromPosition, int to);

} // namespace tallyrock
