#include "StartUp.h"

#include "store/CourseFile.h"
#include "store/SettingsFile.h"

#include <cctype>

namespace tallyrock {

StartUpResult loadAtStartUp(Store& store) {
    FillMonthNames(store);
    LoadSettings(store);
    StartUpResult result;
    result.listFailure = LoadLeagueList(store);
    if (result.listFailure && holdsNoDataFile(store.workDir)) {
        result.listFailure.reset();
        result.firstStart = true;
    }
    ApplyLeagueListDefaults(store, !result.listFailure);
    result.leagueMenu =
        result.listFailure ? std::vector<std::string>{NoEntries} : leagueMenuCaptions(store.settings);
    return result;
}

std::vector<std::string> leagueMenuCaptions(const Settings& s) {
    std::vector<std::string> captions;
    for (int i = 1; i <= s.LeagueCount && i <= MaxLeagues; ++i)
        captions.push_back(s.LeagueList[i]);
    if (captions.empty()) captions.push_back(NoEntries);
    return captions;
}

bool holdsNoDataFile(const std::filesystem::path& folder) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        for (char& c : name)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (name == LeagueListFileName || name == CourseFileName || name.ends_with(".lge") ||
            name.ends_with(".tea"))
            return false;
    }
    return true;
}

double mainWindowShare(int screenWidthPx) {
    return screenWidthPx < 701 ? 0.9 : 0.8;
}

} // namespace tallyrock
