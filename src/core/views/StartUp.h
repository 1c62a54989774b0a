#pragma once
// The main window's load: month names, settings, the league list and the
// league menu it gives.

#include "store/LeagueNames.h"
#include "store/Message.h"
#include "store/Store.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tallyrock {

inline constexpr const char* OpenLeagueHint = "Open a League file to begin";
// The message panel's greeting on a first start, in a folder without data files.
inline constexpr const char* FirstStartGreeting =
    "Welcome! No leagues yet - create your first one with File > Create or Delete a League File";

struct StartUpResult {
    Failure listFailure;                 // the league list could not be read
    std::vector<std::string> leagueMenu; // captions of the league menu, item 0 first
    bool firstStart = false;             // the folder holds no data file at all: greet, do not warn
};

// FillMonthNames, LoadSettings, the league list, SetDefaults and, on a good
// read, the factor and font corrections and the league menu; on a failed read
// the menu keeps its single item "No Entries". A folder with no data file at
// all is a first start, not a failed read: the defaults and no message.
StartUpResult loadAtStartUp(Store& store);

// No league list, course file, league file or team point file in the folder
// (any letter case); a folder that does not exist holds none either.
bool holdsNoDataFile(const std::filesystem::path& folder);

// The league menu's captions for the league list: the leagues in list order,
// or the single item "No Entries".
std::vector<std::string> leagueMenuCaptions(const Settings& settings);

// The main window's size as a share of the screen: 90 % on screens narrower
// than 701 pixels, 80 % otherwise.
double mainWindowShare(int screenWidthPx);

} // namespace tallyrock
