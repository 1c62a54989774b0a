#pragma once
// The names a league goes by: the league menu's placeholder and the open
// league's name.

#include "Store.h"

#include <string>

namespace tallyrock {

// The league menu's single item when the league list holds no league.
inline constexpr const char* NoEntries = "No Entries";

// The open league's name: LeagueFilePath without its extension.
std::string leagueName(const Store& store);

} // namespace tallyrock
