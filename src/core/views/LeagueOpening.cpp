#include "LeagueOpening.h"

#include "roster/LeagueOps.h"

#include "store/ChangeSet.h"
#include "store/CourseFile.h"
#include "store/FileNames.h"
#include "store/LeagueFile.h"
#include "store/LeagueNames.h"
#include "store/SettingsFile.h"
#include "store/TeamFile.h"

#include <algorithm>

namespace tallyrock {

LeagueOpening OpenLeague(Store& store, int k, const std::string& caption) {
    LeagueOpening result;
    if (k == 0 && caption == NoEntries) {
        result.outcome = OpenOutcome::Refused;
        return result;
    }
    if (caption.empty()) return result;
    if (!isLegalLeagueName(caption)) {
        // Never a path out of a planted list entry; the league open before stays open.
        result.messages.push_back(illegalFileName());
        return result;
    }
    // While a league is open here, no other program changes it behind this one's back.
    if (Failure failure = holdLeagueOpen(store, caption + ".LGE")) {
        result.outcome = OpenOutcome::Refused;
        result.messages.push_back(*failure);
        return result;
    }
    // Read under the folder lock, so no other program's change is seen half done.
    ChangeSet change(store);
    change.leaveOutOfUndo(); // which league is open is no change to undo
    store.league.LeagueFilePath = caption + ".LGE";
    if (Failure failure = LoadLeagueFile(store)) result.messages.push_back(*failure);
    if (Failure failure = LoadCourseFile(store)) result.messages.push_back(*failure);
    // The teams of this league, never those of the league open before.
    ReloadTeams(store);
    int listed = findLeague(store.settings, caption);
    int current = listed >= 1 ? listed - 1 : k;
    if (current != store.settings.CurrentLeague) {
        store.settings.CurrentLeague = static_cast<int16_t>(current);
        if (Failure failure = SaveLeagueList(store)) result.messages.push_back(*failure);
        result.listSaved = true;
    }
    if (Failure failure = change.commit()) result.messages.push_back(*failure);
    result.outcome = OpenOutcome::Opened;
    return result;
}

LeagueToLoad leagueToLoad(const Settings& settings, const std::vector<std::string>& menu) {
    LeagueToLoad load;
    int count = std::clamp<int>(settings.LeagueCount, 0, MaxLeagues);
    if (count == 0) {
        load.reason = Message{"Tallyrock",
                              joinLines({"There are no leagues yet.",
                                         "Create the first one with File > Create or Delete a League File."}),
                              Icon::Information};
        return load;
    }
    int position = settings.CurrentLeague;
    if (position >= 0 && position < count) {
        const std::string& name = settings.LeagueList[position + 1];
        auto item = std::find(menu.begin(), menu.end(), name);
        if (!name.empty() && item != menu.end()) {
            load.item = static_cast<int>(item - menu.begin());
            return load;
        }
    }
    load.reason = Message{"Tallyrock",
                          joinLines({"No league was opened last.",
                                     "Choose one from File > Open League File; Load League opens it again."}),
                          Icon::Information};
    return load;
}

std::string currentLeagueText(const Store& store) {
    return "Current League - " + leagueName(store);
}

} // namespace tallyrock
