#include "LeagueOpening.h"

#include "store/ChangeSet.h"
#include "store/CourseFile.h"
#include "store/FileNames.h"
#include "store/LeagueFile.h"
#include "store/LeagueNames.h"
#include "store/SettingsFile.h"
#include "store/TeamFile.h"

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
    if (k != store.settings.CurrentLeague) {
        store.settings.CurrentLeague = static_cast<int16_t>(k);
        if (Failure failure = SaveLeagueList(store)) result.messages.push_back(*failure);
        result.listSaved = true;
    }
    if (Failure failure = change.commit()) result.messages.push_back(*failure);
    result.outcome = OpenOutcome::Opened;
    return result;
}

std::string currentLeagueText(const Store& store) {
    return "Current League - " + leagueName(store);
}

} // namespace tallyrock
