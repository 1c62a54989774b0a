#pragma once
// Opening a league from the league menu.

#include "store/Message.h"
#include "store/Store.h"

#include <string>
#include <vector>

namespace tallyrock {

inline constexpr const char* ProcessingText = "Processing, please wait...";
inline constexpr const char* SavingLeagueText = "Saving League data, Please wait...";

enum class OpenOutcome { Opened, Refused /* the window beeps */, Ignored };

struct LeagueOpening {
    OpenOutcome outcome = OpenOutcome::Ignored;
    std::vector<Message> messages; // load and save failures, in the order they arose
    bool listSaved = false;        // the league list file was rewritten
};

// OpenLeague(k) for league-menu item k (0-based) with its caption: reads the
// league file and the course file (a failure of either is reported and the
// league still counts as opened), and remembers the league as CurrentLeague,
// writing the league list only when that changed. CurrentLeague is the
// league's position in the list (from 0), which is k while the menu follows
// the list; once a deleted first league has blanked item 0 it is not. A
// caption that is not a legal league name (FileNames.h) is refused with
// "Illegal Name for file" and changes nothing.
LeagueOpening OpenLeague(Store& store, int k, const std::string& caption);

// What the tool button "Load League" opens: the league-menu item of the league
// opened last (list position CurrentLeague), or the message saying why it
// cannot (no leagues yet, or none opened since the last one was deleted).
struct LeagueToLoad {
    int item = -1;
    Failure reason;
};
LeagueToLoad leagueToLoad(const Settings& settings, const std::vector<std::string>& menu);

// "Current League - " and the league's name.
std::string currentLeagueText(const Store& store);

} // namespace tallyrock
