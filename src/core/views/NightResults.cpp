#include "NightResults.h"

#include "CourseHcpChart.h"
#include "Listings.h"
#include "RoundsView.h"
#include "handicap/CourseHandicapCalculator.h"
#include "handicap/HandicapCalculation.h"
#include "handicap/PlayedTee.h"
#include "handicap/RoundImport.h"
#include "handicap/WhsEngine.h"
#include "services/PrintJob.h"
#include "store/FileNames.h"
#include "store/NumberText.h"
#include "teams/TeamOps.h"
#include "teams/TeamPoints.h"

#include <algorithm>
#include <cmath>

namespace tallyrock {

namespace {

// The title's date ends where the columns end.
constexpr int TitleWidth = 75;
constexpr std::size_t LinesPerPage = 60;
const std::string Indent(6, ' ');

std::string twoDigits(int value) {
    std::string text = plainNumber(value);
    return text.size() < 2 ? "0" + text : text;
}

// MM/DD/YY, as the rounds view shows a round's date.
std::string slashedDate(int month, int day, int year) {
    return twoDigits(month) + "/" + twoDigits(day) + "/" + twoDigits(year);
}

// Text right-aligned in a field of `width` characters.
std::string right(const std::string& text, std::size_t width) {
    std::size_t length = charCount(text);
    return std::string(length < width ? width - length : 0, ' ') + text;
}

std::string indexText(float index) {
    return handicapText(index, "#0.0");
}

// A stored index for the spreadsheet: empty for none.
std::string indexCsv(float index) {
    return hasHandicap(index) ? formatPattern(index, "0.0") : std::string();
}

// The change in tenths: indexes are kept to a tenth, so this is exact.
std::string changeText(float before, float after) {
    long long tenths = std::lround(after * 10.0) - std::lround(before * 10.0);
    std::string text = formatPattern(static_cast<double>(tenths) / 10.0, "0.0");
    return tenths > 0 ? "+" + text : text;
}

std::string optionalNumber(const std::optional<int>& value) {
    return value ? plainNumber(*value) : std::string();
}

// The first word of the tee's name: "Ladies", "Mens", "Pro".
std::string teeWord(int tee) {
    std::string name = teeName(tee);
    return name.substr(0, name.find(' '));
}

std::optional<int> courseHcpOf(const Store& store, int course, int tee, const std::optional<float>& index) {
    if (!index) return std::nullopt;
    CalcValues values;
    setRoundRatingAndSlope(values, store, course, tee);
    if (values.RoundSlope == 0.0f) return std::nullopt;
    return static_cast<int>(courseHandicap(*index, values.RoundSlope));
}

NightRound nightRound(const Store& store, int p, int r) {
    const PlayerRecord& player = store.player(p);
    const RoundRecord& round = player.round[r];
    NightRound night;
    night.player = p;
    night.slot = r;
    night.name = player.PlayerName;
    if (round.RoundCourse >= 1 && round.RoundCourse <= MaxCourses)
        night.course = store.courses.name(round.RoundCourse);
    night.tee = playedTee(store, p, r);
    int out = round.HoleScore[OutSlot], in = round.HoleScore[InSlot];
    night.gross = out + in;
    night.nineHoles = out == 0 || in == 0;
    if (r > 1) night.indexBefore = player.round[r - 1].RoundIndex;
    night.indexAfter = round.RoundIndex;
    night.courseHcp = courseHcpOf(store, round.RoundCourse, night.tee, night.indexBefore);
    if (night.courseHcp) night.net = netScore(night.gross, *night.courseHcp, night.nineHoles);
    return night;
}

// Under the World Handicap System the round keeps the course handicap it was
// played off; the playing handicap comes from its unrounded value.
void useWhs(NightRound& night, const Store& store, const WhsPlayerWork& work) {
    if (night.indexBefore && !hasHandicap(*night.indexBefore)) night.indexBefore.reset();
    night.courseHcp.reset();
    night.net.reset();
    for (const WhsRoundWork& w : work.rounds) {
        if (w.slot != night.slot || !w.courseHandicap || !w.courseHandicapExact) continue;
        night.courseHcp = w.courseHandicap;
        night.playingHcp =
            static_cast<int>(whs::playingHandicap(*w.courseHandicapExact, store.settings.WhsAllowance));
        night.net = night.gross - *night.playingHcp;
    }
}

void markLows(std::vector<NightRound>& rounds) {
    if (rounds.empty()) return;
    auto lowGross =
        std::min_element(rounds.begin(), rounds.end(), [](const NightRound& a, const NightRound& b) {
            return a.gross < b.gross;
        })->gross;
    std::optional<int> lowNet;
    for (const NightRound& round : rounds)
        if (round.net && (!lowNet || *round.net < *lowNet)) lowNet = round.net;
    for (NightRound& round : rounds) {
        round.lowGross = round.gross == lowGross;
        round.lowNet = round.net && round.net == lowNet;
    }
}

std::vector<TeamStanding> teamStandings(const Store& store) {
    const TeamTables& teams = store.teams;
    std::vector<TeamStanding> standings;
    if (teams.TeamsInUse != 1) return standings;
    for (int t = 1; t <= std::min<int>(teams.TeamCount, MaxTeams); ++t)
        standings.push_back({0, teamRecord(teams, t).TeamName, runningTotal(teams, t)});
    std::stable_sort(standings.begin(), standings.end(),
                     [](const TeamStanding& a, const TeamStanding& b) { return a.points > b.points; });
    for (std::size_t i = 0; i < standings.size(); ++i)
        standings[i].rank = i > 0 && standings[i].points == standings[i - 1].points ? standings[i - 1].rank
                                                                                    : static_cast<int>(i) + 1;
    return standings;
}

// Under the World Handicap System the course column gives its last six
// characters to the playing handicap, so the line keeps its width.
std::size_t courseWidth(bool whs) {
    return whs ? 12 : 18;
}

std::string headingLine(bool whs) {
    return Indent + fitChars("Player", 20) + fitChars("Course", courseWidth(whs)) + fitChars("Tee", 6) +
           right("Holes", 6) + right("Gross", 6) + "  " + right("C Hcp", 6) + (whs ? right("P Hcp", 6) : "") +
           right("Net", 6) + "  " + right("Before", 7) + right("After", 7) + right("Change", 7);
}

std::string underline(bool whs) {
    return Indent + std::string(charCount(headingLine(whs)) - Indent.size(), '_');
}

std::string roundLine(const NightRound& round, bool whs) {
    std::string course = fitChars(leftChars(round.course, courseWidth(whs) - 1), courseWidth(whs));
    std::string before = round.indexBefore ? indexText(*round.indexBefore) : std::string();
    std::string change = round.indexBefore && hasHandicap(round.indexAfter)
                             ? changeText(*round.indexBefore, round.indexAfter)
                             : std::string();
    std::string line = Indent + fitChars(round.name, 20) + course + fitChars(teeWord(round.tee), 6) +
                       right(round.nineHoles ? "9" : "18", 6) + right(plainNumber(round.gross), 6) +
                       (round.lowGross ? " *" : "  ") + right(optionalNumber(round.courseHcp), 6) +
                       (whs ? right(optionalNumber(round.playingHcp), 6) : "") +
                       right(optionalNumber(round.net), 6) + (round.lowNet ? " *" : "  ") + right(before, 7) +
                       right(indexText(round.indexAfter), 7) + right(change, 7);
    return line.substr(0, line.find_last_not_of(' ') + 1);
}

void setFont(ReportPrinter& printer, const Store& store) {
    printer.setFontName(store.settings.FontName);
    // Nine points: the 99 columns fit a portrait page within its margins.
    printer.setFontSize(9);
    printer.setBold(true);
}

} // namespace

int netScore(int gross, int courseHcp, bool nineHoles) {
    return gross - (nineHoles ? static_cast<int>(chartRounded(courseHcp / 2.0)) : courseHcp);
}

NightSheet nightResults(const Store& store, int16_t month, int16_t day, int16_t year) {
    NightSheet sheet;
    sheet.month = month;
    sheet.day = day;
    sheet.year = year;
    sheet.whs = whsMethod(store.settings);
    for (int p = 1; p <= std::clamp<int>(store.league.PlayerCount, 0, MaxPlayers); ++p) {
        const PlayerRecord& player = store.player(p);
        std::optional<WhsPlayerWork> work;
        for (int r = 1; r <= std::clamp<int>(player.RoundCount, 0, MaxRounds); ++r) {
            const RoundRecord& round = player.round[r];
            if (round.RoundMonth != month || round.RoundDay != day || round.RoundYear != year) continue;
            sheet.rounds.push_back(nightRound(store, p, r));
            if (!sheet.whs) continue;
            if (!work) work = playerWhs(store, p);
            useWhs(sheet.rounds.back(), store, *work);
        }
    }
    std::stable_sort(sheet.rounds.begin(), sheet.rounds.end(), [](const NightRound& a, const NightRound& b) {
        if (a.net.has_value() != b.net.has_value()) return a.net.has_value();
        if (a.net != b.net) return *a.net < *b.net;
        return a.gross < b.gross;
    });
    markLows(sheet.rounds);
    sheet.teams = teamStandings(store);
    return sheet;
}

std::string nightDateText(const NightSheet& sheet) {
    return slashedDate(sheet.month, sheet.day, sheet.year);
}

std::string latestRoundDateText(const Store& store) {
    const RoundRecord* latest = nullptr;
    for (int p = 1; p <= std::clamp<int>(store.league.PlayerCount, 0, MaxPlayers); ++p) {
        const PlayerRecord& player = store.player(p);
        for (int r = 1; r <= std::clamp<int>(player.RoundCount, 0, MaxRounds); ++r) {
            const RoundRecord& round = player.round[r];
            if (!latest || dateKey(round) > dateKey(*latest)) latest = &round;
        }
    }
    if (!latest) return {};
    return slashedDate(latest->RoundMonth, latest->RoundDay, latest->RoundYear);
}

Message noRoundsOnDate(const NightSheet& sheet) {
    return {"Tallyrock", "No round of this league was played on " + nightDateText(sheet) + ".",
            Icon::Exclamation};
}

NightChoice nightResultsOf(const Store& store, const std::string& dateText) {
    int16_t month = 0, day = 0, year = 0;
    if (!parseRoundDate(dateText, month, day, year))
        return {{},
                Message{"Tallyrock",
                        "\"" + dateText +
                            "\" is not a date MM/DD/YY, MM/DD/YYYY or YYYY-MM-DD from 1985 to 2084.",
                        Icon::Exclamation}};
    NightChoice choice{nightResults(store, month, day, year), std::nullopt};
    if (choice.sheet.rounds.empty()) choice.refusal = noRoundsOnDate(choice.sheet);
    return choice;
}

std::vector<std::string> nightSheetLines(const Store& store, const NightSheet& sheet, const Date& today) {
    std::vector<std::string> lines{listingTitle(store.league.LeagueFilePath, today, TitleWidth),
                                   " ",
                                   Indent + "Results of " + nightDateText(sheet),
                                   " ",
                                   headingLine(sheet.whs),
                                   underline(sheet.whs)};
    for (const NightRound& round : sheet.rounds)
        lines.push_back(roundLine(round, sheet.whs));
    lines.push_back(" ");
    lines.push_back(Indent + "* the low gross and the low net (each of them when tied).");
    lines.push_back(Indent + "Before, After: the handicap index before the round and after it.");
    const bool nines = std::any_of(sheet.rounds.begin(), sheet.rounds.end(),
                                   [](const NightRound& r) { return r.nineHoles; });
    if (sheet.whs) {
        lines.push_back(Indent + "P Hcp: the playing handicap, the course handicap x " +
                        plainNumber(store.settings.WhsAllowance) + " %; the net is worked against it.");
        if (nines) lines.push_back(Indent + "A nine-hole round's handicaps are the nine's own.");
        lines.push_back(Indent + "Indexes " + WhsIndexNote + ".");
    } else if (nines) {
        lines.push_back(Indent + "A nine-hole round's net is worked against half the course handicap.");
    }
    if (!sheet.teams.empty()) {
        lines.push_back(" ");
        lines.push_back(Indent + "Team standings (points to date)");
        lines.push_back(" ");
        for (const TeamStanding& team : sheet.teams)
            lines.push_back(Indent + right(plainNumber(team.rank), 3) + "  " + fitChars(team.name, 40) +
                            right(oneDecimal(team.points), 8));
    }
    return lines;
}

void printNightResults(ReportPrinter& printer, const Store& store, const NightSheet& sheet,
                       const Date& today) {
    const std::vector<std::string> lines = nightSheetLines(store, sheet, today);
    printer.setDocumentName("Results of a date");
    printer.setOrientation(Orientation::Portrait);
    SelectReportPrinter(printer);
    setFont(printer, store);
    std::size_t onPage = 1;
    for (const std::string& line : lines) {
        if (onPage == LinesPerPage) {
            printer.newPage();
            SelectReportPrinter(printer);
            setFont(printer, store);
            printer.print(headingLine(sheet.whs));
            printer.print(underline(sheet.whs));
            onPage = 3;
        }
        printer.print(line);
        ++onPage;
    }
    printer.endDoc();
}

CsvRows nightCsvRows(const NightSheet& sheet) {
    CsvRows rows{
        {"player", "course", "tee", "gross", "course_handicap", "net", "index_before", "index_after"}};
    if (sheet.whs) rows.front().push_back("playing_handicap");
    for (const NightRound& round : sheet.rounds) {
        rows.push_back({round.name, round.course, plainNumber(round.tee), plainNumber(round.gross),
                        optionalNumber(round.courseHcp), optionalNumber(round.net),
                        round.indexBefore ? indexCsv(*round.indexBefore) : std::string(),
                        indexCsv(round.indexAfter)});
        if (sheet.whs) rows.back().push_back(optionalNumber(round.playingHcp));
    }
    return rows;
}

} // namespace tallyrock
