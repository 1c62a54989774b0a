#pragma once
// Teams of the open league: creating, naming and removing teams and moving
// players in and out of them. Every operation acts on `CurrentTeam`, the team
// the team windows show; changes stay in the tables until the team point file
// is saved.

#include "store/Message.h"
#include "store/Store.h"

#include <string>
#include <vector>

namespace tallyrock {

// The record of team t; numbers outside 1..100 give a blank record of slot 0,
// so no caller can index outside the table.
TeamRecord& teamRecord(TeamTables& teams, int t);
const TeamRecord& teamRecord(const TeamTables& teams, int t);

// Opening the definition window: the team point file, then team 1. A file
// holding no team leaves team 1 blank, so nothing of a league opened before
// shows up when the first team is named.
void openTeamDefinition(Store& store);

// The names of the players in team t (0: in no team), in slot order.
std::vector<std::string> teamMemberNames(const Store& store, int t);
// "Team # 2 of 4".
std::string teamRecordText(const TeamTables& teams);

// The name box changed: the current team takes the name; a first name makes team 1 of 1.
// A name of blanks only is no name (the team stays unnamed); a name with a
// line break, another control character or bytes that are not UTF-8 is
// refused with its message and changes nothing.
Failure nameTeam(Store& store, const std::string& name);

// Moves the players with these names (the last slot of each name) into the
// current team, or out of any team.
void moveIntoTeam(Store& store, const std::vector<std::string>& names);
void moveOutOfTeam(Store& store, const std::vector<std::string>& names);

// A new empty team after the last, which becomes the current team. The current
// team must have a name first (the window beeps); a 101st team is refused with
// `teamsFull()`.
enum class CreateTeamResult { Created, Unnamed, Full };
CreateTeamResult createTeam(Store& store);
Message teamsFull();

// Removes the current team: later teams move down one number with their names,
// members and point entries. A team with members is refused with
// `rosterNotEmpty()`. The only team stays as team 1 with no name and keeps its
// entries.
enum class RemoveTeamResult { Removed, RosterNotEmpty };
RemoveTeamResult removeTeam(Store& store);
Message rosterNotEmpty();

// Stepping through the teams; both stop at the ends.
void nextTeam(TeamTables& teams);
void previousTeam(TeamTables& teams);

} // namespace tallyrock
