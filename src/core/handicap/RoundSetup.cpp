#include "RoundSetup.h"

#include "roster/CourseOps.h"
#include "store/CourseFile.h"
#include "store/FileNames.h"
#include "store/NumberText.h"

#include <algorithm>

namespace tallyrock {

namespace {
std::string century(int year) {
    return year < 85 ? "20" : "19";
}
std::string twoDigitYear(int year) {
    return formatPattern(static_cast<double>(year), "00");
}
void clearMarks(Store& store, int upTo) {
    for (int p = 1; p <= upTo; ++p)
        store.player(p).PlayerMark = 0;
}
} // namespace

RoundSetupOpening openRoundSetup(Store& store, const Date& today) {
    RoundSetupOpening opening;
    store.EntryMonth = static_cast<int16_t>(today.month);
    opening.day = today.day;
    opening.year = ((today.year % 100) + 100) % 100;
    opening.courseLoad = LoadCourseFile(store);
    store.CurrentCourse = 0;
    return opening;
}

std::vector<PlayerEntry> roundSetupPlayers(const LeagueTables& league) {
    return playerEntries(league);
}

std::string monthLabelText(const Store& store) {
    int m = store.EntryMonth;
    return m >= 1 && m <= 12 ? leftChars(store.MonthName[m], 3) : "";
}

std::string yearLabelText(int year) {
    return twoDigitYear(year);
}

std::string yearCaption(int year) {
    return "Year " + century(year) + twoDigitYear(year);
}

void monthSpin(Store& store, bool up) {
    if (up && store.EntryMonth < 12) ++store.EntryMonth;
    if (!up && store.EntryMonth > 1) --store.EntryMonth;
}

int daySpin(int day, bool up) {
    if (up) return day < 31 ? day + 1 : day;
    return day > 1 ? day - 1 : day;
}

int yearSpin(int year, bool up) {
    if (up) return year == 99 ? 0 : year + 1;
    return year == 0 ? 99 : year - 1;
}

void chooseSetupCourse(Store& store, const std::string& comboText) {
    if (int c = findCourse(store.courses, comboText)) store.CurrentCourse = static_cast<int16_t>(c);
}

SetupAccept acceptRoundSetup(Store& store, const std::vector<int>& chosenSlots, const std::string& comboText,
                             int day, int year) {
    clearMarks(store, MaxPlayers);
    int marked = 0;
    // Each entry keeps its own slot: a slot with an empty name is not listed,
    // so a list position is not a player number.
    for (int p : chosenSlots) {
        if (p < 1 || p > MaxPlayers) continue;
        store.player(p).PlayerMark = 1;
        ++marked;
    }
    if (findCourse(store.courses, comboText) == 0) return {SetupOutcome::NoCourse, noRoundCourse()};
    if (marked == 0) return {SetupOutcome::NoPlayers, noRoundPlayers()};
    store.EntryDay = static_cast<int16_t>(day);
    store.EntryYear = static_cast<int16_t>(year);
    if (store.settings.DateRemind == 1) return {SetupOutcome::Confirm, dateCheckQuestion(store)};
    return {SetupOutcome::Ready, {}};
}

void startRoundEntry(Store& store, const std::string& comboText) {
    store.CurrentCourse = static_cast<int16_t>(findCourse(store.courses, comboText));
    store.EditSlot = 0;
}

void cancelRoundSetup(Store& store) {
    clearMarks(store, std::clamp<int>(store.league.PlayerCount, 0, MaxPlayers));
}

void closeRoundSetup(Settings& settings) {
    if (settings.DateRemind == 2) settings.DateRemind = 1;
}

Message noRoundCourse() {
    return {"Tallyrock", "Please select a course before continuing.", Icon::Exclamation};
}

Message noRoundPlayers() {
    return {"Tallyrock", "No Players selected, cannot continue.", Icon::Exclamation};
}

Message dateCheckQuestion(const Store& store) {
    int c = store.CurrentCourse;
    std::string course = c >= 1 && c <= MaxCourses ? store.courses.name(c) : "";
    return {"Double Checking Date & Location",
            "Is " + plainNumber(store.EntryMonth) + "/" + plainNumber(store.EntryDay) + "/" +
                century(store.EntryYear) + twoDigitYear(store.EntryYear) + " at " + course + "\r\n" +
                "the correct date and location of the Round?\r\n\r\n" +
                "Date / location checking can be disabled, see program settings.",
            Icon::Question};
}

} // namespace tallyrock
