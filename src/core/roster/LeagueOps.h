#pragma once
// Creating and deleting leagues.

#include "store/Message.h"
#include "store/Store.h"

#include <string>
#include <vector>

namespace tallyrock {

struct LeagueResult {
    bool done = false;             // the list changed
    std::vector<Message> messages; // refusals and failures, in the order they arose
    bool fileLeft = false;         // delete: the league file could not be deleted
};

// Creates the empty league file NAME.LGE and appends the name to the league list.
// An existing file of that name (a league that dropped off the list) is kept
// beside it as NAME.LGE.replaced, its team file as NAME.tea.replaced.
LeagueResult createLeague(Store& store, const std::string& name);

// Removes the name from the list, then deletes the league file and its team
// point file. No league is open afterwards. CurrentLeague keeps pointing at the
// league it pointed at, or at none (-1) when that league was deleted. Refused, changing nothing, as
// checkLeagueToDelete says.
LeagueResult deleteLeague(Store& store, const std::string& name);

// Position 1..LeagueCount of the name in the list (last match, letter case
// ignored for every letter), or 0.
int findLeague(const Settings& settings, std::string_view name);

// Checks a new league name; the refusal message when it cannot be used: empty,
// unsafe text or only blanks, already listed (letter case ignored), not a
// legal file name, or the list is full.
Failure checkLeagueName(const Settings& settings, const std::string& name);
// Checks the name of a league to delete: empty, not listed, or a listed name
// that is not a legal file name ("Illegal Name for file": no path is made of it).
Failure checkLeagueToDelete(const Settings& settings, const std::string& name);

// The question asked before a league is deleted.
Message deleteLeagueQuestion();
// The refusal of a delete whose name is not listed.
Message leagueNotListed();

// The creation window's name box: characters below "0" cannot be typed or
// pasted, except the space; at most 30 characters.
std::string leagueNameBoxText(std::string_view typed);

// The league menu's captions (item 0 first) after a league was created at list
// position `position`: an item 0 reading "No Entries" or nothing takes the
// name, otherwise item position - 1 does.
std::vector<std::string> leagueMenuAfterCreate(std::vector<std::string> menu, const std::string& name,
                                               int position);
// After the league `name` was deleted: its item is blanked when it is item 0,
// otherwise removed. The item is found by its caption, not by the league's
// list position: once item 0 was blanked the two no longer match, and going
// by position would remove another league's item.
std::vector<std::string> leagueMenuAfterDelete(std::vector<std::string> menu, const std::string& name);

} // namespace tallyrock
