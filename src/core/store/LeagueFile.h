#pragma once
// The league file: NAME.LGE, the open league's players and rounds.

#include "Message.h"
#include "Store.h"

namespace tallyrock {

// Reads the file named by LeagueFilePath. On failure what was read stays in
// the tables, player slots up to the file's count that were never reached are
// cleared, and the message is returned.
Failure LoadLeagueFile(Store& store);
// Writes the open league's tables; the previous file stays whole on failure.
Failure SaveLeagueFile(Store& store);
void ClearLeague(Store& store);

// The whole text of the league file, as SaveLeagueFile writes it.
std::string leagueFileText(const LeagueTables& league);

Message leagueLoadFailure();
Message leagueSaveFailure();

} // namespace tallyrock
