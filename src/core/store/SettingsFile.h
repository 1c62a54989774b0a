#pragma once
// The settings file vexa.ini in the settings folder, and the league list file
// vexa.dat in the working directory.

#include "Message.h"
#include "Store.h"

namespace tallyrock {

inline constexpr const char* SettingsFileName = "vexa.ini";
inline constexpr const char* LeagueListFileName = "vexa.dat";

// The settings folder: ${XDG_CONFIG_HOME:-$HOME/.config}/tallyrock/, or empty
// (the working directory) when neither variable is set.
std::filesystem::path GetSettingsDir();
// The folder the settings file is in: the settings folder, or the working directory.
std::filesystem::path settingsFolder(const Store& store);

// Reads the thirteen settings; a missing or short file is silent and sets the
// values after the failing line as described for the file. Then whs.ini.
void LoadSettings(Store& store);
// Writes the thirteen settings; failure is silent. Returns false on failure.
bool SaveSettings(Store& store);
std::string settingsFileText(const Settings& s);

// Reads the league list file as the main window's load does. On failure the
// values read so far stay and the message is returned; `missing` tells the
// caller the file was not there at all.
Failure LoadLeagueList(Store& store, bool* missing = nullptr);
// Applies what start-up applies after reading the list: SetDefaults, and on a
// good read the factor and font corrections.
void ApplyLeagueListDefaults(Store& store, bool listRead);
Failure SaveLeagueList(Store& store);
std::string leagueListText(const Settings& s);

// The font line of the league list. A name is written as it is, unless it
// would not read back so (a comma, blanks at either end, a double quote in
// front): then it is written between double quotes, which the reading takes
// whole. Control characters, which no font name holds, are left out.
std::string fontNameLine(const std::string& name);
// True when the font line reads back as exactly this name: no line break or
// other control character, and no double quote in a name that needs quotes.
bool fontNameStorable(const std::string& name);

Message leagueListLoadFailure();
Message leagueListSaveFailure();
// Shown where a change of the rules cannot land because the settings file cannot be written.
Message settingsSaveFailure();

} // namespace tallyrock
