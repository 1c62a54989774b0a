#pragma once
// Creating and deleting leagues.

#include "store/Message.h"
#include "store/Store.h"

#include <string>
#include <vector>

namespace tallyrock {

struct LeagueResult {
    bool done = false;              // the list changed
    std::vector<Message> messages;  // refusals and failures, in the order they arose
};

// Creates the empty league file NAME.LGE and appends the name to the league list.
// An existing file of that name (a league that dropped off the list) is kept
// beside it as NAME.LGE.replaced, its team file as NAME.tea.replaced.
LeagueResult createLeague(Store& store, const std::string& name);

// Removes the name from the list, then deletes the league file and its team
// point file. No league is open afterwards.
LeagueResult deleteLeague(Store& store, const std::string& name);

// Position 1..LeagueCount of the name in the list (last match, letter case
// ignored), or 0.
int findLeague(const Settings& settings, std::string_view name);

// Checks a new league name; the refusal message when it cannot be used.
Failure checkLeagueName(const Settings& settings, const std::string& name);

// The question asked before a league is deleted.
Message deleteLeagueQuestion();

} // namespace tallyrock
