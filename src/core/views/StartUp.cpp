#include "StartUp.h"

#include "store/SettingsFile.h"

namespace tallyrock {

StartUpResult loadAtStartUp(Store& store) {
    FillMonthNames(store);
    LoadSettings(store);
    StartUpResult result;
    result.listFailure = LoadLeagueList(store);
    ApplyLeagueListDefaults(store, !result.listFailure);
    result.leagueMenu =
        result.listFailure ? std::vector<std::string>{NoEntries} : leagueMenuCaptions(store.settings);
    return result;
}

std::vector<std::string> leagueMenuCaptions(const Settings& s) {
    std::vector<std::string> captions;
    for (int i = 1; i <= s.LeagueCount && i <= MaxLeagues; ++i)
        captions.push_back(s.LeagueList[static_cast<std::size_t>(i)]);
    if (captions.empty()) captions.push_back(NoEntries);
    return captions;
}

double mainWindowShare(int screenWidthPx) {
    return screenWidthPx < 701 ? 0.9 : 0.8;
}

} // namespace tallyrock
