#pragma once
// The team point file: the league file's name with ".tea" for ".LGE".

#include "Message.h"
#include "Store.h"

namespace tallyrock {

// The team point file's name for the open league.
std::string teamFileName(const std::string& leagueFilePath);

// Reads as far as the file goes, silently. Returns false when it stopped early
// (or the file is missing); what was read stays.
bool LoadTeamFile(Store& store);
Failure SaveTeamFile(Store& store);
// Clears every team number and TeamsInUse, loads the file, and sets TeamsInUse
// when any player of the table belongs to a team.
void ReloadTeams(Store& store);

std::string teamFileText(const TeamTables& teams, int playerCount);
Message teamSaveFailure(const std::string& fileName);

} // namespace tallyrock
