#include "WhsEngine.h"

#include "store/NumberText.h"

#include <algorithm>
#include <cmath>

namespace tallyrock {

using whs::Fraction;
using whs::tenthsText;

bool hasHandicap(float stored) {
    return stored > NoHandicap / 2;
}

bool whsMethod(const Settings& settings) {
    return effectiveMethod(settings) == HandicapMethod::Whs;
}

std::string handicapText(float stored, const char* pattern) {
    return hasHandicap(stored) ? formatPattern(stored, pattern) : NoHandicapText;
}

std::string generalHandicap(float stored) {
    return hasHandicap(stored) ? generalNumber(stored) : NoHandicapText;
}

namespace {

std::string courseText(const Store& store, int course) {
    std::string name = course >= 1 && course <= MaxCourses ? store.courses.name(course) : std::string{};
    return name.empty() ? "course number " + plainNumber(course) : "the course " + name;
}

std::string dateText(int month, int day, int year) {
    auto two = [](int v) { return (v < 10 ? "0" : "") + plainNumber(v); };
    return two(month) + "/" + two(day) + "/" + two(year);
}

int32_t dateKeyOf(const WhsRoundInput& r) {
    return fullYear(r.year) * 10000 + r.month * 100 + r.day;
}

long long dayOf(const WhsRoundInput& r) {
    return whs::dayNumber(fullYear(r.year), r.month, r.day);
}

// Two decimals of an unrounded value, for the steps in words.
std::string twoDecimals(double value) {
    return formatPattern(value, "0.00");
}

std::string holeList(const whs::HoleValues& values, bool front, bool back) {
    std::string text;
    for (int h = 1; h <= 18; ++h) {
        bool inPlay = h <= 9 ? front : back;
        text += (text.empty() ? "" : " ") + (inPlay ? plainNumber(values[h]) : "-");
    }
    return text;
}

// What a round is worked against: the tee's 18 holes, or the nine played.
struct Basis {
    bool nine = false, front = false;
    int par = 0, rating = 0, slope = 0; // rating in hundredths
    bool halved = false;
    whs::HoleValues pars{};
    whs::StrokeIndexes si{};
    bool hasSi = false;
};

// Totals on both nines: what an 18-hole round's basis is looked up with.
HoleScores eighteenHoles() {
    HoleScores eighteen{};
    eighteen[OutSlot] = eighteen[InSlot] = 1;
    return eighteen;
}

Basis basisOf(const Store& store, int course, int tee, const HoleScores& holes) {
    Basis b;
    const CourseTable& c = store.courses;
    for (int h = 1; h <= 18; ++h)
        b.pars[h] = static_cast<int>(roundWhole(c.numeric(course, field::holePar(h))));
    int out = holes[OutSlot], in = holes[InSlot];
    b.nine = out == 0 || in == 0;
    b.front = in == 0;
    int rating = isTee(tee) ? whs::toHundredths(c.numeric(course, field::rating(tee))) : 0;
    int slope = isTee(tee) ? static_cast<int>(roundWhole(c.numeric(course, field::slope(tee)))) : 0;
    const TeeHoles* th = store.whs.tee(course, tee);
    if (th && th->hasStrokeIndexes()) {
        for (std::size_t h = 1; h <= 18; ++h)
            b.si[h] = th->StrokeIndex[h];
        b.hasSi = whs::validStrokeIndexes(b.si);
    }
    if (!b.nine) {
        b.par = static_cast<int>(roundWhole(c.numeric(course, field::TotalPar)));
        b.rating = rating;
        b.slope = slope;
        return b;
    }
    for (int h = b.front ? 1 : 10, last = h + 8; h <= last; ++h)
        b.par += b.pars[h];
    float nineRating = th ? (b.front ? th->FrontRating : th->BackRating) : 0.0f;
    float nineSlope = th ? (b.front ? th->FrontSlope : th->BackSlope) : 0.0f;
    if (nineRating > 0 && nineSlope > 0) {
        b.rating = whs::toHundredths(nineRating);
        b.slope = static_cast<int>(std::lround(nineSlope));
    } else {
        b.halved = true;
        b.rating = static_cast<int>(whs::divHalfUp(rating, 2));
        b.slope = slope;
    }
    return b;
}

// The index the expected nine-hole differential is taken for: the index
// before the round, or the highest index while there is none.
int nineIndex(const std::optional<int>& indexBefore) {
    return indexBefore.value_or(whs::MaxIndexTenths);
}

Fraction differentialOf(const Basis& b, int gross, int pcc, const std::optional<int>& indexBefore,
                        const Settings& s, std::optional<Fraction>* expected = nullptr) {
    if (b.slope <= 0) return {0, 1};
    if (!b.nine) return whs::scoreDifferential(gross, b.rating, b.slope, pcc);
    Fraction e = whs::expectedNineDifferential(nineIndex(indexBefore), s.WhsNineFactor, s.WhsNineBase);
    if (expected) *expected = e;
    return whs::nineHoleDifferential(gross, b.rating, b.slope, pcc, e);
}

// The course handicap on the basis: of half the index on a nine.
Fraction courseHandicapOn(const Basis& b, int indexTenths) {
    return b.nine ? whs::nineHoleCourseHandicap(indexTenths, b.slope, b.rating, b.par)
                  : whs::courseHandicap(indexTenths, b.slope, b.rating, b.par);
}

// The course handicap's sum in words, from the index it is taken of.
std::string courseHandicapSum(int indexTenths, const Basis& b, const Fraction& exact, int rounded) {
    return tenthsText(indexTenths) + " x " + plainNumber(b.slope) + " / 113 + (" +
           whs::hundredthsText(b.rating) + " - " + plainNumber(b.par) + ") = " + twoDecimals(exact.value()) +
           ", rounded " + plainNumber(rounded);
}

std::string teeText(int tee) {
    return teeName(tee);
}

void describeRound(WhsRoundWork& w, const WhsRoundInput& in, const Basis& b, const Store& store,
                   const Settings& s) {
    std::vector<std::string>& L = w.lines;
    L.push_back("Round of " + dateText(in.month, in.day, in.year) + " at " + courseText(store, in.course) +
                ", " + teeText(w.tee) + (b.nine ? (b.front ? ", front nine" : ", back nine") : "") +
                ": rating " + whs::hundredthsText(b.rating) + ", slope " + plainNumber(b.slope) + ", par " +
                plainNumber(b.par));
    if (b.halved) L.push_back("No nine-hole rating given: half the 18-hole rating and the 18-hole slope");
    if (!w.indexBefore)
        L.push_back("Index before the round: none yet (NH)");
    else
        L.push_back("Index before the round: " + tenthsText(*w.indexBefore) +
                    (w.indexBeforeApproximate ? " (its own: the round before is no longer held)" : ""));
    if (w.courseHandicap) {
        int index = b.nine ? whs::halfIndexTenths(*w.indexBefore) : *w.indexBefore;
        L.push_back(std::string("Course handicap: ") + (b.nine ? "half the index " : "") +
                    courseHandicapSum(index, b, *w.courseHandicapExact, *w.courseHandicap));
    } else {
        L.push_back("Course handicap: none without an index; every hole's maximum is par + 5");
    }
    if (!b.hasSi) L.push_back("No stroke indexes for this tee: no strokes received, no hole maximum");
    if (b.hasSi && w.courseHandicap)
        L.push_back("Strokes received: " + holeList(w.strokes, !b.nine || b.front, !b.nine || !b.front));
    if (b.hasSi)
        L.push_back(std::string("Hole maximums (") + (w.indexBefore ? "net double bogey" : "par + 5") +
                    "): " + holeList(w.maximums, !b.nine || b.front, !b.nine || !b.front));
    for (int h : w.cappedHoles)
        L.push_back("Hole " + plainNumber(h) + ": " + plainNumber(in.holes[h]) + " counted as " +
                    plainNumber(w.holes[h]));
    L.push_back("Adjusted gross score: " + plainNumber(w.adjustedGross) + "; PCC " + plainNumber(w.pcc));
    std::string formula = "113 / " + plainNumber(b.slope) + " x (" + plainNumber(w.adjustedGross) + " - " +
                          whs::hundredthsText(b.rating) + " - " + plainNumber(w.pcc) +
                          (b.nine ? " / 2)" : ")");
    if (b.nine) {
        Fraction nine = whs::nineHoleDifferential(w.adjustedGross, b.rating, b.slope, w.pcc, {0, 1});
        L.push_back("Nine holes: " + formula + " = " + twoDecimals(nine.value() / 10));
        L.push_back("Expected nine-hole differential: " + formatPattern(s.WhsNineFactor / 100.0, "0.00") +
                    " x " + tenthsText(nineIndex(w.indexBefore)) + " + " + tenthsText(s.WhsNineBase) + " = " +
                    twoDecimals(w.expectedNine->value() / 10) +
                    " (an approximation: the handicap authorities do not publish theirs)");
        L.push_back("Differential: " + twoDecimals(w.differentialExact.value() / 10) + ", rounded " +
                    tenthsText(w.differential));
    } else {
        L.push_back("Differential: " + formula + " = " + twoDecimals(w.differentialExact.value() / 10) +
                    ", rounded " + tenthsText(w.differential));
    }
    if (w.esr != 0)
        L.push_back("Exceptional score: " + tenthsText(*w.indexBefore - w.differential) +
                    " below the index before: " + tenthsText(w.esr) +
                    " on each of the 20 most recent differentials, this one included");
}

struct IndexResult {
    std::optional<int> index;
    bool soft = false, hard = false;
    std::optional<int> low;
    bool lowNeedsOlder = false;
    std::vector<std::string> lines;
};

// The index after round k (0-based) from the rounds worked so far.
IndexResult indexAfter(const std::vector<WhsRoundWork>& work, const std::vector<WhsRoundInput>& rounds,
                       std::size_t k, bool olderDropped, const Settings& s) {
    IndexResult r;
    const WhsRoundWork& now = work[k];
    if (now.holesPosted < whs::HolesForIndex && !olderDropped) {
        r.lines.push_back("Holes posted: " + plainNumber(now.holesPosted) + "; no index before 54 holes: NH");
        return r;
    }
    std::size_t first = k + 1 > whs::MostDifferentials ? k + 1 - whs::MostDifferentials : 0;
    std::vector<int> adjusted;
    std::string listed;
    for (std::size_t j = first; j <= k; ++j) {
        int d = work[j].differential;
        for (std::size_t m = j; m <= k; ++m)
            d += work[m].esr;
        adjusted.push_back(d);
        listed += (listed.empty() ? "" : " ") + tenthsText(d);
    }
    auto computed = whs::indexFromDifferentials(adjusted);
    if (!computed) {
        r.lines.push_back("Fewer than 3 differentials held: no index can be computed from them");
        return r;
    }
    r.lines.push_back("Differentials (" + plainNumber(computed->count) +
                      " most recent, after exceptional score reductions): " + listed);
    std::string lowest;
    for (int d : computed->lowest)
        lowest += (lowest.empty() ? "" : " ") + tenthsText(d);
    std::string line = "Lowest " + plainNumber(computed->row.used) + ": " + lowest;
    if (computed->row.used > 1)
        line += ", average " + twoDecimals(computed->average.value() / 10) + ", rounded " +
                tenthsText(computed->averageTenths);
    if (computed->row.adjustmentTenths != 0)
        line += ", " + tenthsText(computed->row.adjustmentTenths) + " for " + plainNumber(computed->count) +
                " differentials";
    r.lines.push_back(line + " = " + tenthsText(computed->indexTenths));
    int index = computed->indexTenths;

    if (computed->count == whs::MostDifferentials) {
        long long today = dayOf(rounds[k]);
        for (std::size_t m = 0; m < k; ++m) {
            long long day = dayOf(rounds[m]);
            if (day >= today - 365 && day < today && work[m].indexAfter &&
                (!r.low || *work[m].indexAfter < *r.low))
                r.low = work[m].indexAfter;
        }
        r.lowNeedsOlder = olderDropped && dayOf(rounds[0]) >= today - 365;
        if (r.low) {
            r.lines.push_back("Low index: " + tenthsText(*r.low) + ", the lowest in the 365 days before " +
                              dateText(rounds[k].month, rounds[k].day, rounds[k].year) +
                              (r.lowNeedsOlder ? " as far as the rounds held reach" : ""));
            whs::CappedIndex capped = whs::applyCaps(index, *r.low);
            r.soft = capped.softCap;
            r.hard = capped.hardCap;
            if (r.soft)
                r.lines.push_back("Soft cap: " + tenthsText(index - *r.low) +
                                  " above the low index, halved beyond 3.0: " + tenthsText(*r.low) +
                                  " + 3.0 + " + tenthsText(index - *r.low - 30) + " / 2 = " +
                                  tenthsText(*r.low + 30 + whs::divHalfUp(index - *r.low - 30, 2)));
            if (r.hard)
                r.lines.push_back("Hard cap: at most 5.0 above the low index: " +
                                  tenthsText(capped.indexTenths));
            index = capped.indexTenths;
        } else if (r.lowNeedsOlder) {
            r.lines.push_back("Low index: older rounds would be needed; no cap applied");
        }
    }
    if (index > whs::MaxIndexTenths) {
        index = whs::MaxIndexTenths;
        r.lines.push_back("At most 54.0");
    }
    float limited = limitIndex(static_cast<float>(index / 10.0), s, rounds[k].tee);
    if (whs::toTenths(limited) < index) {
        index = whs::toTenths(limited);
        r.lines.push_back("League limit for the " + teeName(rounds[k].tee) + ": " + tenthsText(index));
    }
    r.index = index;
    return r;
}

} // namespace

std::string whsCourseReason(const Store& store, int course, int tee) {
    const TeeHoles* th = store.whs.tee(course, tee);
    if (th && th->hasStrokeIndexes()) return {};
    return courseText(store, course) + " has no stroke indexes for the " + teeName(tee);
}

Message whsCourseMessage(const std::string& reason) {
    return {"Tallyrock",
            joinLines({"This round cannot be recorded:", reason + ".",
                       "The World Handicap System needs them for the hole maximums."}),
            Icon::Exclamation};
}

std::vector<WhsRoundInput> heldWhsRounds(const Store& store, int p) {
    std::vector<WhsRoundInput> rounds;
    if (p < 1 || p > MaxPlayers) return rounds;
    const PlayerRecord& player = store.player(p);
    int n = std::clamp<int>(player.RoundCount, 0, MaxRounds);
    for (int r = 1; r <= n; ++r) {
        const RoundRecord& rd = player.round[r];
        WhsRoundInput in;
        in.slot = r;
        in.month = rd.RoundMonth;
        in.day = rd.RoundDay;
        in.year = rd.RoundYear;
        in.course = rd.RoundCourse;
        in.holes = rd.HoleScore;
        in.storedDifferential = rd.RoundDiff;
        in.storedIndex = rd.RoundIndex;
        in.tee = player.PlayerTee;
        // The tee played: the one that gives the stored differential.
        std::optional<int> before;
        const RoundRecord& previous = player.round[r - 1];
        if (r > 1 && hasHandicap(previous.RoundIndex)) before = whs::toTenths(previous.RoundIndex);
        // As the work takes it: the oldest round of a full record stands in for the one before it.
        if (r == 1 && n >= MaxRounds && hasHandicap(rd.RoundIndex)) before = whs::toTenths(rd.RoundIndex);
        int gross = rd.HoleScore[OutSlot] + rd.HoleScore[InSlot];
        int pcc = store.whs.pccOn(in.course, dateKeyOf(in));
        int stored = whs::toTenths(rd.RoundDiff);
        // A PCC set after the round was recorded is not in its stored differential.
        auto findTee = [&](int dayPcc) {
            for (int tee : {int{player.PlayerTee}, LadiesTee, MensTee, ProTee}) {
                Basis b = basisOf(store, in.course, tee, rd.HoleScore);
                if (b.slope > 0 &&
                    differentialOf(b, gross, dayPcc, before, store.settings).rounded() == stored) {
                    in.tee = tee;
                    return true;
                }
            }
            return false;
        };
        if (!findTee(pcc) && pcc != 0) findTee(0);
        rounds.push_back(in);
    }
    return rounds;
}

WhsPlayerWork workWhs(const Store& store, const std::vector<WhsRoundInput>& rounds, int defaultTee,
                      bool olderRoundsDropped) {
    const Settings& s = store.settings;
    WhsPlayerWork result;
    std::vector<WhsRoundWork>& work = result.rounds;
    int holesPosted = 0;
    for (std::size_t k = 0; k < rounds.size(); ++k) {
        const WhsRoundInput& in = rounds[k];
        WhsRoundWork w;
        w.slot = in.slot;
        w.tee = in.tee;
        w.rewritten = in.rewrite;
        if (k > 0) {
            w.indexBefore = work[k - 1].indexAfter;
        } else if (olderRoundsDropped && hasHandicap(in.storedIndex)) {
            w.indexBefore = whs::toTenths(in.storedIndex);
            w.indexBeforeApproximate = true;
        }
        Basis b = basisOf(store, in.course, in.tee, in.holes);
        w.nineHoles = b.nine;
        w.frontNine = b.front;
        w.par = b.par;
        w.ratingHundredths = b.rating;
        w.slope = b.slope;
        w.nineRatingHalved = b.halved;
        w.strokeIndexes = b.hasSi;
        if (w.indexBefore && b.slope > 0) {
            w.courseHandicapExact = courseHandicapOn(b, *w.indexBefore);
            w.courseHandicap = static_cast<int>(w.courseHandicapExact->rounded());
        }
        if (b.hasSi && w.courseHandicap)
            w.strokes = b.nine ? whs::nineHoleStrokes(*w.courseHandicap, b.si, b.front)
                               : whs::strokesReceived(*w.courseHandicap, b.si);
        w.holes = in.holes;
        for (int h = 1; h <= 18; ++h) {
            auto i = static_cast<std::size_t>(h);
            bool inPlay = !b.nine || (h <= 9) == b.front;
            if (!b.hasSi || !inPlay) continue;
            w.maximums[i] = whs::holeMaximum(b.pars[i], w.strokes[i], w.indexBefore.has_value());
            if (in.rewrite && w.holes[i] > w.maximums[i]) {
                w.holes[i] = static_cast<int16_t>(w.maximums[i]);
                w.cappedHoles.push_back(h);
            }
        }
        if (!w.cappedHoles.empty()) {
            // A nine whose holes were typed has the sum of its holes as its total.
            for (auto [total, firstHole] : {std::pair{OutSlot, 1}, std::pair{InSlot, 10}}) {
                int sum = 0;
                for (int h = firstHole; h < firstHole + 9; ++h)
                    sum += w.holes[h];
                if (sum != 0) w.holes[total] = static_cast<int16_t>(sum);
            }
        }
        w.adjustedGross = w.holes[OutSlot] + w.holes[InSlot];
        w.pcc = store.whs.pccOn(in.course, dateKeyOf(in));
        w.differentialExact = differentialOf(b, w.adjustedGross, w.pcc, w.indexBefore, s, &w.expectedNine);
        w.differential = in.rewrite && b.slope > 0 ? static_cast<int>(w.differentialExact.rounded())
                                                   : whs::toTenths(in.storedDifferential);
        if (w.indexBefore) w.esr = whs::exceptionalScoreReduction(w.differential, *w.indexBefore);
        holesPosted += b.nine ? 9 : 18;
        w.holesPosted = holesPosted;
        describeRound(w, in, b, store, s);
        work.push_back(w);

        IndexResult index = indexAfter(work, rounds, k, olderRoundsDropped, s);
        WhsRoundWork& done = work.back();
        done.indexLines = index.lines;
        done.softCap = index.soft;
        done.hardCap = index.hard;
        done.lowIndex = index.low;
        done.lowIndexNeedsOlderRounds = index.lowNeedsOlder;
        bool keepStored = !in.rewrite || (!index.index && olderRoundsDropped);
        if (keepStored) {
            done.indexAfter.reset();
            if (hasHandicap(in.storedIndex)) done.indexAfter = whs::toTenths(in.storedIndex);
            if (done.indexAfter != index.index)
                done.indexLines.push_back(
                    "Index stored with the round: " +
                    (done.indexAfter ? tenthsText(*done.indexAfter) : std::string("NH")));
        } else {
            done.indexAfter = index.index;
        }
        done.indexLines.push_back(
            "Handicap index: " + (done.indexAfter ? tenthsText(*done.indexAfter) : std::string("NH")) + " (" +
            WhsIndexNote + ")");
    }
    // Each differential with every reduction triggered by it or a later round.
    for (std::size_t j = 0; j < work.size(); ++j) {
        work[j].adjustedDifferential = work[j].differential;
        for (std::size_t m = j; m < work.size() && m < j + whs::MostDifferentials; ++m)
            work[j].adjustedDifferential += work[m].esr;
    }

    result.tee = defaultTee;
    if (!work.empty()) {
        const WhsRoundWork& newest = work.back();
        result.lowIndex = newest.lowIndex;
        result.lowIndexNeedsOlderRounds = newest.lowIndexNeedsOlderRounds;
        result.softCap = newest.softCap;
        result.hardCap = newest.hardCap;
        result.steps = newest.indexLines;
        result.course = rounds.back().course;
        Basis b = basisOf(store, result.course, defaultTee, eighteenHoles());
        if (newest.indexAfter && b.slope > 0) {
            result.courseHandicapExact = courseHandicapOn(b, *newest.indexAfter);
            result.courseHandicap = static_cast<int>(result.courseHandicapExact->rounded());
            result.playingHandicap =
                static_cast<int>(whs::playingHandicap(*result.courseHandicapExact, s.WhsAllowance));
            result.handicapLines.push_back("Course handicap from the " + teeName(defaultTee) + " of " +
                                           courseText(store, result.course) + ": " +
                                           courseHandicapSum(*newest.indexAfter, b,
                                                             *result.courseHandicapExact,
                                                             *result.courseHandicap));
            result.handicapLines.push_back(
                "Playing handicap: " + twoDecimals(result.courseHandicapExact->value()) + " x " +
                plainNumber(s.WhsAllowance) +
                " % = " + twoDecimals(result.courseHandicapExact->value() * s.WhsAllowance / 100) +
                ", rounded " + plainNumber(*result.playingHandicap));
        }
        result.steps.insert(result.steps.end(), result.handicapLines.begin(), result.handicapLines.end());
    }
    return result;
}

std::optional<int> whsCourseHandicap(const Store& store, int course, int tee, int indexTenths) {
    Basis b = basisOf(store, course, tee, eighteenHoles());
    if (b.slope <= 0) return std::nullopt;
    return static_cast<int>(courseHandicapOn(b, indexTenths).rounded());
}

WhsPlayerWork playerWhs(const Store& store, int p) {
    if (p < 1 || p > MaxPlayers) return {};
    const PlayerRecord& player = store.player(p);
    return workWhs(store, heldWhsRounds(store, p), player.PlayerTee, player.RoundCount >= MaxRounds);
}

void storeWhsWork(Store& store, int p, const WhsPlayerWork& work) {
    PlayerRecord& player = store.player(p);
    for (const WhsRoundWork& w : work.rounds) {
        if (!w.rewritten || w.slot < 1 || w.slot > MaxRounds) continue;
        RoundRecord& rd = player.round[w.slot];
        rd.HoleScore = w.holes;
        rd.RoundDiff = toSingle(w.differential / 10.0);
        rd.RoundIndex = w.indexAfter ? toSingle(*w.indexAfter / 10.0) : NoHandicap;
        rd.RoundCourseHcp = w.courseHandicap ? static_cast<float>(*w.courseHandicap) : NoHandicap;
    }
}

std::vector<std::string> whsPanel(const WhsPlayerWork& work, int slot) {
    std::vector<std::string> panel;
    for (const WhsRoundWork& w : work.rounds)
        if (w.slot == slot) {
            panel = w.lines;
            panel.insert(panel.end(), w.indexLines.begin(), w.indexLines.end());
        }
    // After the newest round: the handicaps it gives for the next.
    if (!work.rounds.empty() && work.rounds.back().slot == slot)
        panel.insert(panel.end(), work.handicapLines.begin(), work.handicapLines.end());
    return panel;
}

} // namespace tallyrock
