#include "Choosers.h"

#include "roster/PlayerOps.h"
#include "roster/RosterChanges.h"
#include "store/FileNames.h"
#include "store/NumberText.h"

#include <algorithm>

namespace tallyrock {

namespace {
std::string twoDigits(int value) {
    return formatPattern(static_cast<double>(value), "00");
}
int roundCount(const Store& store, int p) {
    return p >= 1 && p <= MaxPlayers ? std::clamp<int>(store.player(p).RoundCount, 0, MaxRounds) : 0;
}
} // namespace

std::vector<std::string> chooserNames(const LeagueTables& league) {
    return rosterNames(league);
}

void openEditRoundChooser(Store& store) {
    for (int p = 1; p <= MaxPlayers; ++p)
        store.player(p).PlayerMark = 0;
}

int chooseRoundPlayer(Store& store, const std::string& name) {
    int p = findPlayer(store.league, name);
    if (p == 0) return 0;
    store.CurrentPlayer = static_cast<int16_t>(p);
    store.player(p).PlayerMark = 1;
    return p;
}

std::vector<std::string> roundDateLines(const Store& store, int p) {
    std::vector<std::string> lines;
    for (int r = roundCount(store, p); r >= 1; --r) {
        const RoundRecord& round = store.player(p).round[r];
        std::string initials;
        if (round.RoundCourse >= 1 && round.RoundCourse <= MaxCourses)
            initials = store.courses.CourseField[round.RoundCourse][field::Initials];
        std::size_t width = charCount(initials);
        std::string gross = plainNumber(round.HoleScore[OutSlot] + round.HoleScore[InSlot]);
        lines.push_back(twoDigits(round.RoundMonth) + "/" + twoDigits(round.RoundDay) + "/" +
                        twoDigits(round.RoundYear) + "   " + initials +
                        std::string(width < 3 ? 3 - width : 0, ' ') +
                        std::string(gross.size() < 5 ? 5 - gross.size() : 1, ' ') + gross);
    }
    return lines;
}

bool chooseRoundDate(Store& store, int position) {
    int p = store.CurrentPlayer;
    int n = roundCount(store, p);
    if (position < 0 || position >= n) return false;
    int r = n - position;
    const RoundRecord& round = store.player(p).round[r];
    store.EntryMonth = round.RoundMonth;
    store.EntryDay = round.RoundDay;
    store.EntryYear = round.RoundYear;
    store.EditSlot = static_cast<int16_t>(r);
    store.CurrentCourse = round.RoundCourse;
    return true;
}

void exitEditRoundChooser(Store& store) {
    store.CurrentPlayer = 0;
}

bool chooseViewPlayer(Store& store, const std::string& name) {
    int p = findPlayer(store.league, name);
    if (p == 0) return false;
    store.CurrentPlayer = static_cast<int16_t>(p);
    return true;
}

} // namespace tallyrock
