#include "StartUp.h"

#include "store/SettingsFile.h"

namespace tallyrock {

StartUpResult loadAtStartUp(Store& store) {
    FillMonthNames(store);
    LoadSettings(store);
    StartUpResult result;
    result.listFailure = LoadLeagueList(store);
    ApplyLeagueListDefaults(store, !result.listFailure);
    const Settings& s = store.settings;
    if (!result.listFailure)
        for (int i = 1; i <= s.LeagueCount && i <= MaxLeagues; ++i)
            result.leagueMenu.push_back(s.LeagueList[static_cast<std::size_t>(i)]);
    if (result.leagueMenu.empty()) result.leagueMenu.push_back(NoEntries);
    return result;
}

double mainWindowShare(int screenWidthPx) {
    return screenWidthPx < 701 ? 0.9 : 0.8;
}

} // namespace tallyrock
