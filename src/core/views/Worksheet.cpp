#include "Worksheet.h"

#include "RoundsView.h"
#include "handicap/HandicapCalculation.h"
#include "services/PrintJob.h"
#include "store/FileNames.h"
#include "store/NumberText.h"

#include <algorithm>
#include <cmath>

namespace tallyrock {

namespace {

int dateKeyOf(const Date& d) {
    return d.year * 10000 + d.month * 100 + d.day;
}

std::string twoDigits(int value) {
    std::string text = plainNumber(value);
    return text.size() == 1 ? "0" + text : text;
}

// A Single as the panel writes it, with ".0" when it has no decimals: the
// differentials and indexes are kept to a tenth.
std::string tenths(float value) {
    if (!hasHandicap(value)) return NoHandicapText;
    std::string text = generalNumber(value);
    return text.find('.') == std::string::npos ? text + ".0" : text;
}

std::string roundsWord(int n) {
    return n == 1 ? "1 round" : plainNumber(n) + " rounds";
}

std::string methodName(int method) {
    switch (method) {
    case 1:
        return "Standard (course rating and slope)";
    case 2:
        return "Handicap to Par (par and slope 113)";
    case 3:
        return "Casual Handicap System (par and slope 113)";
    case 4:
        return "World Handicap System (2024)";
    default:
        return "method " + plainNumber(method);
    }
}

// The tee's name without the word "Tee".
std::string shortTee(int tee) {
    std::string name = teeName(tee);
    return isTee(tee) ? name.substr(0, name.size() - std::string(" Tee").size()) : name;
}

// The tees whose rating and slope give the stored differential of slot r,
// the player's own tee first.
std::vector<int> teesGivingDifferential(const Store& store, int p, int r) {
    const PlayerRecord& player = store.player(p);
    const RoundRecord& round = player.round[r];
    std::vector<int> order;
    if (isTee(player.PlayerTee)) order.push_back(player.PlayerTee);
    for (int t = LadiesTee; t <= ProTee; ++t)
        if (t != player.PlayerTee) order.push_back(t);
    std::vector<int> tees;
    for (int tee : order) {
        CalcValues v;
        setRoundRatingAndSlope(v, store, round.RoundCourse, tee);
        if (!unusableCourseReason(v, store, round.RoundCourse, tee).empty()) continue;
        v.RoundSlot = static_cast<int16_t>(r);
        ComputeRoundDifferential(v, store, p);
        if (v.RoundDifferential == round.RoundDiff) tees.push_back(tee);
    }
    return tees;
}

WorksheetRound roundOf(const Store& store, int p, int r, int tee, bool teeFound) {
    const RoundRecord& rd = store.player(p).round[r];
    WorksheetRound w;
    w.slot = r;
    w.month = rd.RoundMonth;
    w.day = rd.RoundDay;
    w.year = rd.RoundYear;
    w.course = rd.RoundCourse;
    if (rd.RoundCourse >= 1 && rd.RoundCourse <= MaxCourses)
        w.courseInitials = store.courses.CourseField[rd.RoundCourse][field::Initials];
    w.tee = tee;
    w.teeFound = teeFound;
    w.out = rd.HoleScore[OutSlot];
    w.in = rd.HoleScore[InSlot];
    w.gross = w.out + w.in;
    for (std::size_t h = 1; h <= 18; ++h)
        w.holes[h - 1] = rd.HoleScore[h];
    CalcValues v;
    setRoundRatingAndSlope(v, store, rd.RoundCourse, tee);
    w.rating = v.RoundRating;
    w.slope = v.RoundSlope;
    w.differential = rd.RoundDiff;
    w.indexAfter = rd.RoundIndex;
    if (store.settings.StrokeOption > stored(StrokeControl::None)) {
        float h = comparisonCourseHandicap(store, p, r - 1);
        for (int hole = 1; hole <= 18; ++hole) {
            int score = w.holes[hole - 1];
            double maximum = strokeControlMaximum(store.settings, store.courses, rd.RoundCourse, h, hole);
            if (score > 0 && score == roundWhole(maximum)) w.atMaximum.push_back({hole, score});
        }
    }
    return w;
}

// The tee a round is shown from: the first that gives its differential, else the player's own.
int shownTee(const std::vector<int>& tees, const PlayerRecord& player) {
    return tees.empty() ? player.PlayerTee : tees.front();
}

std::string ruleWords(const Settings& s, const IndexSteps& steps, int held) {
    const int n = steps.considered, used = steps.roundsUsed;
    if (steps.casual) {
        std::string factor = formatPattern(steps.factor, "0.00");
        if (n == 1) return "casual: the only round, multiplier " + factor;
        return "casual: " + plainNumber(used) + " of the " + plainNumber(n) + " most recent, multiplier " +
               factor;
    }
    std::string prefix = effectiveMethod(s) == HandicapMethod::ToPar ? "to par: " : "";
    std::string schedule = "best " + plainNumber(used) + " of " + roundsWord(n) + " by the standard schedule";
    switch (roundsSelection(s)) {
    case RoundsSelection::LastN: {
        int most = effectiveRoundsToUse(s);
        if (held >= most) return prefix + "the " + plainNumber(most) + " most recent";
        return prefix + (n == 1 ? "the only round" : "all " + roundsWord(n)) + " (the rules take the " +
               plainNumber(most) + " most recent)";
    }
    case RoundsSelection::AllUntilNine:
        if (n >= 9) return prefix + schedule;
        return prefix + (n == 1 ? "the only round" : "all " + roundsWord(n)) + " until 9 are held";
    case RoundsSelection::BestPercentage: {
        double share = n == 1 ? 1 : std::floor(s.PercentRounds / 100.0 * n);
        std::string bound = share < 1 ? ", at least one" : share > n ? ", at most all" : "";
        return prefix + "best " + plainNumber(used) + " of " + roundsWord(n) + ", " +
               plainNumber(s.PercentRounds) + " percent" + bound;
    }
    default:
        return prefix + schedule;
    }
}

std::string limitLine(const Settings& s, const IndexSteps& steps, int tee) {
    if (!steps.maximum) {
        if (handicapLimit(s) != HandicapLimit::StandardLimits && handicapLimit(s) != HandicapLimit::Custom)
            return "Limit: none (the rules set no limit)";
        return "Limit: none from the " + teeName(tee);
    }
    std::string which =
        handicapLimit(s) == HandicapLimit::StandardLimits ? "the standard limit" : "the league's limit";
    std::string most = tenths(static_cast<float>(*steps.maximum));
    if (steps.index != steps.truncated)
        return "Limit: " + tenths(steps.truncated) + " is above " + most + ", " + which + " from the " +
               teeName(tee) + ": " + most;
    return "Limit: " + most + " from the " + teeName(tee) + " (" + which + "), not reached";
}

std::vector<std::string> arithmetic(const IndexSteps& steps) {
    const auto used = static_cast<std::size_t>(steps.roundsUsed);
    std::string considered = "Differentials considered, lowest first:";
    std::string sum;
    for (int i = 1; i <= steps.considered; ++i)
        considered += " " + tenths(steps.d[i]);
    for (std::size_t i = 1; i <= used; ++i)
        sum += (i > 1 ? " + " : "") + tenths(steps.d[i]);
    if (used > 1) sum += " = " + tenths(steps.sum);

    // The panel shows the average to two decimals; the arithmetic goes on with all of it.
    std::string shown = formatPattern(steps.average, "0.00");
    bool exact = leadingNumber(shown) == leadingNumber(generalNumber(steps.average));
    std::string average = exact ? shown : generalNumber(steps.average);
    std::string averageLine = "Average: " + tenths(steps.sum) + " / " + plainNumber(steps.roundsUsed) +
                              " = " + average + (exact ? "" : " (Avg. = " + shown + ")");
    std::string factor = steps.casual ? formatPattern(steps.factor, "0.00") : generalNumber(steps.factor);
    return {considered,
            "Rounds used: the lowest " + plainNumber(steps.roundsUsed) + " of " +
                plainNumber(steps.considered),
            "Sum: " + sum,
            averageLine,
            "Multiplier: " + average + " x " + factor + " = " + generalNumber(steps.product),
            "Cut to a tenth, not rounded: " + tenths(steps.truncated)};
}

// Whether the index after slot k may have been worked out from rounds that
// were dropped since: the player holds 20 and the method counts every one.
bool mayNeedDroppedRounds(const Store& store, int p, int k) {
    const Settings& s = store.settings;
    if (store.player(p).RoundCount < MaxRounds || k >= MaxRounds) return false;
    if (effectiveMethod(s) == HandicapMethod::Casual && k >= 6) return false;
    if (effectiveMethod(s) != HandicapMethod::Casual && roundsSelection(s) == RoundsSelection::LastN &&
        k >= effectiveRoundsToUse(s))
        return false;
    return true;
}

void addCourseHandicaps(Worksheet& sheet, const Store& store) {
    if (!sheet.index) return;
    std::vector<int> courses;
    for (const WorksheetRound& r : sheet.rounds)
        if (r.course >= 1 && r.course <= MaxCourses &&
            std::find(courses.begin(), courses.end(), r.course) == courses.end())
            courses.push_back(r.course);
    for (int c : courses)
        for (int tee = LadiesTee; tee <= ProTee; ++tee) {
            CalcValues v;
            setRoundRatingAndSlope(v, store, c, tee);
            if (v.RoundSlope == 0.0f) continue;
            const auto& fields = store.courses.CourseField[c];
            // The World Handicap System adds the rating less par.
            float courseHcp = courseHandicapFor(*sheet.index, v.RoundSlope);
            if (whsMethod(store.settings))
                courseHcp = static_cast<float>(
                    whsCourseHandicap(store, c, tee, whs::toTenths(*sheet.index)).value_or(0));
            sheet.courseHandicaps.push_back(
                {c, fields[field::Name], fields[field::Initials], tee, v.RoundSlope, courseHcp});
        }
}

std::string asOfText(const Date& d) {
    return twoDigits(d.month) + "/" + twoDigits(d.day) + "/" + plainNumber(d.year);
}

// The World Handicap System's worksheet: the work over the rounds up to the
// newest on or before the date; the lowest differentials of the most recent
// (at most 20) are the ones used.
void fillWhs(Worksheet& sheet, const Store& store, int p, int k) {
    const PlayerRecord& player = store.player(p);
    std::vector<WhsRoundInput> held = heldWhsRounds(store, p);
    std::erase_if(held, [k](const WhsRoundInput& r) { return r.slot > k; });
    WhsPlayerWork work = workWhs(store, held, player.PlayerTee, player.RoundCount >= MaxRounds);
    const WhsRoundWork* newest = work.rounds.empty() ? nullptr : &work.rounds.back();
    if (newest && newest->indexAfter) sheet.index = toSingle(*newest->indexAfter / 10.0);
    sheet.computedIndex = sheet.index;

    std::vector<int> adjusted;
    for (const WhsRoundWork& w : work.rounds)
        adjusted.push_back(w.adjustedDifferential);
    const int n = static_cast<int>(adjusted.size());
    std::optional<whs::IndexTableRow> row = whs::indexTable(n);
    std::vector<int> order(adjusted.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    // Lowest first; of equal differentials the most recent counts.
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const int da = adjusted[a], db = adjusted[b];
        return da != db ? da < db : a > b;
    });
    const bool indexed = newest && newest->indexAfter;
    const int used = row && indexed ? row->used : 0;
    sheet.rule = row && indexed
                     ? "World Handicap System: lowest " + plainNumber(used) + " of the " + plainNumber(n) +
                           " most recent differentials"
                     : "World Handicap System: fewer than 54 holes posted or 3 differentials, no index yet";
    for (const WhsRoundWork& w : work.rounds) {
        std::vector<int> found = teesGivingDifferential(store, p, w.slot);
        WorksheetRound round = roundOf(store, p, w.slot, w.tee, !found.empty() || w.tee == player.PlayerTee);
        // What this method worked the round against (a nine's own rating and
        // slope), and the holes at its net double bogey maximum.
        round.rating = static_cast<float>(w.ratingHundredths / 100.0);
        round.slope = static_cast<float>(w.slope);
        round.atMaximum.clear();
        for (int h = 1; h <= 18; ++h)
            if (w.maximums[h] > 0 && w.holes[h] == w.maximums[h])
                round.atMaximum.push_back({h, w.maximums[h]});
        for (int i = 0; i < used && i < n; ++i)
            round.used = round.used || work.rounds[order[i]].slot == w.slot;
        sheet.rounds.push_back(std::move(round));
    }
    if (newest) {
        sheet.steps = newest->indexLines;
        sheet.steps.insert(sheet.steps.end(), work.handicapLines.begin(), work.handicapLines.end());
        sheet.panel = whsPanel(work, newest->slot);
    }
    sheet.steps.push_back(std::string("Index ") + WhsIndexNote + ".");
    sheet.whs = std::move(work);
    addCourseHandicaps(sheet, store);
}

} // namespace

std::string isoDate(int month, int day, int year) {
    int full = year < 100 ? fullYear(year) : year;
    return plainNumber(full) + "-" + twoDigits(month) + "-" + twoDigits(day);
}

std::string roundDateText(int month, int day, int year) {
    return twoDigits(month) + "/" + twoDigits(day) + "/" + twoDigits(year % 100);
}

namespace {

// The sheet of a player without a round on or before the as-of date.
void noRoundHeld(Worksheet& sheet, const PlayerRecord& player, const Date& asOf, int count) {
    sheet.rule = "no round on or before " + asOfText(asOf);
    sheet.steps.push_back("No round of " + player.PlayerName + " on or before " + asOfText(asOf) +
                          " is held.");
    if (count == MaxRounds)
        sheet.steps.push_back("Older rounds are no longer held (the league keeps the last 20).");
}

// Round r as the sheet shows it: the newest (slot k) from the tee its index
// was found with, the others from the tee that gives their differential.
WorksheetRound shownRound(const Store& store, int p, int r, int k, int limitTee, bool newestTeeFound) {
    if (r == k) return roundOf(store, p, r, limitTee, newestTeeFound);
    std::vector<int> found = teesGivingDifferential(store, p, r);
    return roundOf(store, p, r, shownTee(found, store.player(p)), !found.empty());
}

std::string storedWithTheRoundOf(const RoundRecord& newest) {
    return roundDateText(newest.RoundMonth, newest.RoundDay, newest.RoundYear);
}

} // namespace

Worksheet buildWorksheet(const Store& store, int p, const Date& asOf) {
    Worksheet sheet;
    sheet.asOf = asOf;
    sheet.method = stored(effectiveMethod(store.settings));
    if (p < 1 || p > MaxPlayers) return sheet;
    const PlayerRecord& player = store.player(p);
    sheet.player = player.PlayerName;
    const int count = std::clamp<int>(player.RoundCount, 0, MaxRounds);
    for (int r = 1; r <= count; ++r) {
        const RoundRecord& rd = player.round[r];
        if (dateKey(rd) > dateKeyOf(asOf)) continue;
        sheet.newestSlot = r;
    }
    const int k = sheet.newestSlot;
    for (int r = 1; r <= k; ++r) {
        const RoundRecord& rd = player.round[r];
        sheet.history.push_back({rd.RoundMonth, rd.RoundDay, rd.RoundYear, rd.RoundIndex});
    }
    if (k == 0) {
        noRoundHeld(sheet, player, asOf, count);
        return sheet;
    }
    if (whsMethod(store.settings)) {
        fillWhs(sheet, store, p, k);
        return sheet;
    }
    const RoundRecord& newest = player.round[k];
    const float storedIndex = newest.RoundIndex;

    // The limit went by the tee the newest round was played from; of the tees
    // its differential allows, the one that gives the stored index.
    std::vector<int> tees = teesGivingDifferential(store, p, k);
    int limitTee = shownTee(tees, player);
    IndexSteps steps = handicapIndexSteps(store, p, k, limitTee);
    for (std::size_t i = 1; i < tees.size() && steps.index != storedIndex; ++i) {
        IndexSteps other = handicapIndexSteps(store, p, k, tees[i]);
        if (other.index == storedIndex) {
            steps = std::move(other);
            limitTee = tees[i];
        }
    }
    sheet.computedIndex = steps.index;
    sheet.panel = steps.panel;

    if (steps.index != storedIndex && mayNeedDroppedRounds(store, p, k)) {
        sheet.roundsMissing = true;
        sheet.index = storedIndex;
        sheet.rule = "rounds it needs are no longer held";
        for (int r = 1; r <= k; ++r)
            sheet.rounds.push_back(shownRound(store, p, r, k, limitTee, !tees.empty()));
        sheet.steps = {
            "Rounds this index was worked out from are no longer held (the league keeps the last 20).",
            "Index stored with the round of " + storedWithTheRoundOf(newest) + ": " + tenths(storedIndex)};
        addCourseHandicaps(sheet, store);
        return sheet;
    }

    sheet.index = steps.index;
    sheet.rule = ruleWords(store.settings, steps, k);
    std::vector<int> slots(steps.slot.begin() + 1, steps.slot.begin() + 1 + steps.considered);
    std::sort(slots.begin(), slots.end());
    for (int r : slots) {
        WorksheetRound round = shownRound(store, p, r, k, limitTee, !tees.empty());
        for (int i = 1; i <= steps.roundsUsed; ++i)
            round.used = round.used || steps.slot[i] == r;
        sheet.rounds.push_back(std::move(round));
    }
    sheet.steps = arithmetic(steps);
    sheet.steps.push_back(limitLine(store.settings, steps, limitTee));
    sheet.steps.push_back("Handicap index: " + tenths(steps.index));
    if (steps.index != storedIndex)
        sheet.steps.push_back("The index stored with the round of " + storedWithTheRoundOf(newest) + " is " +
                              tenths(storedIndex) +
                              ": it was worked out under other rules or before a round was changed.");
    addCourseHandicaps(sheet, store);
    return sheet;
}

namespace {

std::string rightAligned(const std::string& text, std::size_t width) {
    std::size_t n = charCount(text);
    return n >= width ? text : std::string(width - n, ' ') + text;
}
std::string leftAligned(const std::string& text, std::size_t width) {
    std::size_t n = charCount(text);
    return n >= width ? text : text + std::string(width - n, ' ');
}

// A line longer than a printed page is wide goes on in the lines below,
// indented by `indent` (by four more than the line itself when not given).
constexpr std::size_t PageChars = 96;
void addWrapped(std::vector<std::string>& lines, std::string line, std::size_t indent = 0) {
    const std::size_t own =
        line.find_first_not_of(' ') == std::string::npos ? 0 : line.find_first_not_of(' ');
    if (indent == 0) indent = own + 4;
    while (charCount(line) > PageChars) {
        std::size_t cut = line.rfind(' ', PageChars);
        if (cut == std::string::npos || cut <= indent) break;
        lines.push_back(line.substr(0, cut));
        line = std::string(indent, ' ') + line.substr(cut + 1);
    }
    lines.push_back(std::move(line));
}

// The hole numbers, three or more in a row as a range: "1-3 5 6 18".
std::string holeList(const std::vector<WorksheetRound::AtMaximum>& holes) {
    std::string text;
    for (std::size_t i = 0; i < holes.size();) {
        std::size_t j = i;
        while (j + 1 < holes.size() && holes[j + 1].hole == holes[j].hole + 1)
            ++j;
        if (j >= i + 2) {
            text += " " + plainNumber(holes[i].hole) + "-" + plainNumber(holes[j].hole);
            i = j + 1;
        } else {
            text += " " + plainNumber(holes[i].hole);
            ++i;
        }
    }
    return text;
}

// The round columns, then the holes at the stroke-control maximum (the
// maximum is the score the round holds).
constexpr std::size_t CapsColumn = 68;
std::string tableHeading() {
    return "Used " + leftAligned("Date", 9) + leftAligned("Course", 7) + leftAligned("Tee", 6) +
           rightAligned("Out", 4) + rightAligned("In", 4) + rightAligned("Gross", 6) +
           rightAligned("Rating", 7) + rightAligned("Slope", 6) + rightAligned("Diff", 6) +
           rightAligned("Index", 6) + "  Holes at maximum";
}

void addTableRow(std::vector<std::string>& lines, const WorksheetRound& r) {
    std::string row = std::string(r.used ? "  *  " : "     ") + roundDateText(r.month, r.day, r.year) + " " +
                      leftAligned(r.courseInitials, 6) + " " +
                      leftAligned(shortTee(r.tee) + (r.teeFound ? "" : "?"), 6) +
                      rightAligned(plainNumber(r.out), 4) + rightAligned(plainNumber(r.in), 4) +
                      rightAligned(plainNumber(r.gross), 6) + rightAligned(tenths(r.rating), 7) +
                      rightAligned(generalNumber(r.slope), 6) + rightAligned(tenths(r.differential), 6) +
                      rightAligned(tenths(r.indexAfter), 6);
    if (!r.atMaximum.empty()) row = leftAligned(row, CapsColumn - 1);
    addWrapped(lines, row + holeList(r.atMaximum), CapsColumn);
}

} // namespace

std::vector<std::string> worksheetLines(const Worksheet& sheet) {
    std::vector<std::string> lines{"Handicap Worksheet: " + sheet.player + ", as of " + asOfText(sheet.asOf),
                                   "Method: " + methodName(sheet.method), "Rule: " + sheet.rule, ""};
    if (!sheet.rounds.empty()) {
        lines.push_back(tableHeading());
        bool capped = false, teeMissing = false;
        for (const WorksheetRound& r : sheet.rounds) {
            addTableRow(lines, r);
            capped = capped || !r.atMaximum.empty();
            teeMissing = teeMissing || !r.teeFound;
        }
        lines.push_back("Tee: the one whose rating and slope give the stored differential.");
        if (teeMissing) lines.push_back("?: no tee gives it now; the course's ratings have changed since.");
        if (capped)
            lines.push_back(std::string("Holes at maximum: the holes at the ") +
                            (sheet.whs ? "net double bogey" : "stroke-control") +
                            " maximum; the scores typed are not kept.");
        lines.push_back("");
    }
    if (sheet.whs) {
        for (const WhsRoundWork& w : sheet.whs->rounds) {
            for (std::size_t i = 0; i < w.lines.size(); ++i)
                addWrapped(lines, (i == 0 ? "" : "  ") + w.lines[i]);
            lines.push_back("");
        }
    }
    for (const std::string& step : sheet.steps)
        addWrapped(lines, step);
    if (!sheet.history.empty()) {
        lines.push_back("");
        lines.push_back("Index after each round held:");
        std::string line;
        for (std::size_t i = 0; i < sheet.history.size(); ++i) {
            const WorksheetHistory& h = sheet.history[i];
            line += "  " + roundDateText(h.month, h.day, h.year) + rightAligned(tenths(h.index), 6);
            if (i % 5 == 4 || i + 1 == sheet.history.size()) {
                lines.push_back(line);
                line.clear();
            }
        }
    }
    if (!sheet.courseHandicaps.empty()) {
        lines.push_back("");
        lines.push_back("Course handicaps from the index " + tenths(*sheet.index) + ":");
        std::string line;
        for (std::size_t i = 0; i < sheet.courseHandicaps.size(); ++i) {
            const WorksheetCourseHandicap& c = sheet.courseHandicaps[i];
            bool first = i == 0 || sheet.courseHandicaps[i - 1].course != c.course;
            if (first) line = "  " + leftAligned(c.initials, 4) + c.name + ":";
            line += std::string(first ? " " : ", ") + teeName(c.tee) + " " + generalNumber(c.courseHandicap);
            if (i + 1 == sheet.courseHandicaps.size() || sheet.courseHandicaps[i + 1].course != c.course)
                addWrapped(lines, line);
        }
    }
    return lines;
}

std::vector<std::vector<std::string>> worksheetCsvRows(const Worksheet& sheet) {
    std::vector<std::vector<std::string>> rows{
        {"date", "course", "tee", "out", "in", "gross", "differential", "used", "index_after"}};
    for (const WorksheetRound& r : sheet.rounds)
        rows.push_back({isoDate(r.month, r.day, r.year), r.courseInitials, plainNumber(r.tee),
                        plainNumber(r.out), plainNumber(r.in), plainNumber(r.gross),
                        formatPattern(r.differential, "0.0"), r.used ? "yes" : "no",
                        formatPattern(r.indexAfter, "0.0")});
    return rows;
}

void printWorksheets(ReportPrinter& printer, const Store& store, const std::vector<int>& players,
                     const Date& asOf, const Date& today) {
    printer.setDocumentName("Handicap worksheets");
    auto pageTop = [&] {
        SelectReportPrinter(printer);
        printer.setFontName(store.settings.FontName);
        printer.setFontSize(9);
        printer.setBold(false);
        printer.print(std::string(74, ' ') + "Tallyrock   " + dashedDate(today));
        printer.print("");
    };
    for (std::size_t i = 0; i < players.size(); ++i) {
        if (i > 0) printer.newPage();
        pageTop();
        for (const std::string& line : worksheetLines(buildWorksheet(store, players[i], asOf))) {
            if (printer.currentY() + printer.textHeight() > printer.pageHeight()) {
                printer.newPage();
                pageTop();
            }
            printer.print(line.empty() ? " " : line);
        }
    }
    printer.endDoc();
}

} // namespace tallyrock
