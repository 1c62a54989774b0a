#pragma once
// The main window's load: month names, settings, the league list and the
// league menu it gives.

#include "store/LeagueNames.h"
#include "store/Message.h"
#include "store/Store.h"

#include <string>
#include <vector>

namespace tallyrock {

inline constexpr const char* OpenLeagueHint = "Open a League file to begin";

struct StartUpResult {
    Failure listFailure;                 // the league list could not be read
    std::vector<std::string> leagueMenu; // captions of the league menu, item 0 first
};

// FillMonthNames, LoadSettings, the league list, SetDefaults and, on a good
// read, the factor and font corrections and the league menu; on a failed read
// the menu keeps its single item "No Entries".
StartUpResult loadAtStartUp(Store& store);

// The league menu's captions for the league list: the leagues in list order,
// or the single item "No Entries".
std::vector<std::string> leagueMenuCaptions(const Settings& settings);

// The main window's size as a share of the screen: 90 % on screens narrower
// than 701 pixels, 80 % otherwise.
double mainWindowShare(int screenWidthPx);

} // namespace tallyrock
