// Built with -ffp-contract=off (see CMakeLists.txt): a fused multiply-add would
// skip a rounding the stored handicaps depend on. Each rounded step is its own
// float assignment.
#include "HandicapCalculation.h"

#include "store/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace tallyrock {

namespace {

bool validPlayer(int p) {
    return p >= 1 && p <= MaxPlayers;
}
bool validSlot(int r) {
    return r >= 1 && r <= MaxRounds;
}

RoundRecord& roundOf(Store& store, int p, int r) {
    return store.player(p).round[r];
}
const RoundRecord& roundOf(const Store& store, int p, int r) {
    return store.player(p).round[r];
}

int16_t toInteger(long long value) {
    return static_cast<int16_t>(std::clamp<long long>(value, std::numeric_limits<int16_t>::min(),
                                                      std::numeric_limits<int16_t>::max()));
}

// The standard schedule: rounds used by rounds considered (0..20).
constexpr std::array<int16_t, MaxRounds + 1> standardRoundsUsed{0, 1, 1, 1, 1, 1, 1, 2, 2, 3, 3,
                                                                4, 4, 5, 5, 6, 6, 7, 8, 9, 10};

} // namespace

std::string teeName(int tee) {
    switch (tee) {
    case LadiesTee:
        return "Ladies Tee";
    case MensTee:
        return "Mens Tee";
    case ProTee:
        return "Pro Tee";
    default:
        return "tee " + plainNumber(tee);
    }
}

HandicapMethod effectiveMethod(const Settings& settings) {
    const int16_t lowest = stored(HandicapMethod::Standard), highest = stored(HandicapMethod::Whs);
    return static_cast<HandicapMethod>(std::clamp<int16_t>(settings.HcpMethod, lowest, highest));
}

int effectiveNineHoleOption(const Settings& settings) {
    const int option = settings.NineHoleOption;
    const bool chosen =
        option >= stored(NineHoleScoring::DoubleScore) && option <= stored(NineHoleScoring::RatingsAsEntered);
    return chosen ? option : stored(NineHoleScoring::DoubleScore);
}

NineHoleScoring nineHoleScoring(const Settings& settings) {
    return static_cast<NineHoleScoring>(effectiveNineHoleOption(settings));
}

int effectiveRoundsToUse(const Settings& settings) {
    return settings.RoundsToUse >= 1 && settings.RoundsToUse <= MaxRounds ? settings.RoundsToUse : 10;
}

void setRoundRatingAndSlope(CalcValues& v, const Store& store, int course, int tee) {
    bool teeValid = isTee(tee);
    v.RoundRating = teeValid ? toSingle(store.courses.numeric(course, field::rating(tee))) : 0.0f;
    v.RoundSlope = teeValid ? toSingle(store.courses.numeric(course, field::slope(tee))) : 0.0f;
    if (!usesCourseRating(effectiveMethod(store.settings))) {
        v.RoundRating = toSingle(store.courses.numeric(course, field::TotalPar));
        v.RoundSlope = 113.0f;
    }
}

std::string unusableCourseReason(const CalcValues& v, const Store& store, int course, int tee) {
    bool noSlope = v.RoundSlope == 0.0f;
    bool noRating = usesCourseRating(effectiveMethod(store.settings)) && v.RoundRating == 0.0f;
    if (!noSlope && !noRating) return {};
    std::string name = course >= 1 && course <= MaxCourses ? store.courses.name(course) : std::string{};
    std::string what = noSlope && noRating ? "no course rating and no slope"
                       : noSlope           ? "no slope"
                                           : "no course rating";
    std::string courseText = name.empty() ? "course number " + plainNumber(course) : "the course " + name;
    return courseText + " has " + what + " for the " + teeName(tee);
}

float comparisonCourseHandicap(const Store& store, int p, int slot) {
    if (validPlayer(p) && validSlot(slot)) return roundOf(store, p, slot).RoundCourseHcp;
    return 40;
}

double strokeControlMaximum(const Settings& s, const CourseTable& courses, int course, float h, int hole) {
    double base = 0;
    if (h > 9 && h < 20) base = 7;
    if (h > 19 && h < 30) base = 8;
    if (h > 29 && h < 40) base = 9;
    if (h >= 40) base = 10;
    double par = courses.numeric(course, field::holePar(hole));
    double maximum = base;
    if (h < 10) maximum = par + 2;
    if (strokeControl(s) == StrokeControl::StrokesAbovePar) maximum = par + s.StrokesAbovePar;
    if (strokeControl(s) == StrokeControl::MaxPerHole) maximum = s.MaxStrokesPerHole;
    return maximum;
}

HoleScores EQadjust(const Store& store, const HoleScores& holes) {
    int p = store.CurrentPlayer;
    // The comparison round: the one before the edited slot, or the player's latest.
    float h = 40;
    if (validPlayer(p))
        h = comparisonCourseHandicap(store, p,
                                     store.EditSlot >= 1 ? store.EditSlot - 1 : store.player(p).RoundCount);
    HoleScores capped = holes;
    for (int i = 1; i <= 18; ++i) {
        double maximum = strokeControlMaximum(store.settings, store.courses, store.CurrentCourse, h, i);
        auto& score = capped[i];
        if (score > maximum) score = toInteger(roundWhole(maximum));
    }
    return capped;
}

void ComputeRoundDifferential(CalcValues& v, const Store& store, int p) {
    if (!validPlayer(p) || !validSlot(v.RoundSlot)) return;
    const RoundRecord& rd = roundOf(store, p, v.RoundSlot);
    int out = rd.HoleScore[OutSlot];
    int in = rd.HoleScore[InSlot];
    int gross = out + in;
    bool nineHoles = out == 0 || in == 0;
    const NineHoleScoring option = nineHoleScoring(store.settings);
    if (option == NineHoleScoring::DoubleScore && nineHoles) gross = 2 * gross;

    float grossSingle = static_cast<float>(gross);
    float rating = v.RoundRating;
    if (option == NineHoleScoring::HalveRating && nineHoles) rating = v.RoundRating / 2.0f;
    float above = grossSingle - rating;
    float scaled = above * 113.0f;
    float d = scaled / v.RoundSlope;
    // One decimal, half up: the product, the half and the floor in double precision.
    double tenths = std::floor(static_cast<double>(d) * 10.0 + 0.5);
    v.RoundDifferential = toSingle(tenths / 10.0);
}

void GetCasualSystemValues(CalcValues& v) {
    struct Casual {
        int16_t used;
        float factor;
    };
    // Rounds considered 1..5; 6 up to 21 use the last entry.
    static constexpr std::array<Casual, 6> table{
        {{1, 0.8f}, {2, 0.8f}, {2, 0.85f}, {2, 0.9f}, {3, 0.9f}, {4, 0.95f}}};
    if (v.RoundsConsidered < 1 || v.RoundsConsidered > 21) return;
    const Casual& row = table[std::min<int>(v.RoundsConsidered, 6) - 1];
    v.RoundsUsed = row.used;
    v.CasualFactor = row.factor;
}

namespace {

// The differentials considered, 1..count, each with its slot: the player's
// rounds oldest first, or the newest first when only the latest ones count.
struct Considered {
    std::array<float, MaxRounds + 1> d{};
    std::array<int16_t, MaxRounds + 1> slot{};
    int count = 0;
};

Considered selectRounds(const PlayerRecord& player, int n, bool casual, bool lastN, int roundsToUse) {
    Considered c;
    auto take = [&](int i, int r) {
        c.d[i] = player.round[r].RoundDiff;
        c.slot[i] = static_cast<int16_t>(r);
    };
    if (!casual || n < 7) {
        for (int i = 1; i <= n; ++i)
            take(i, i);
    } else {
        for (int i = 1; i <= 6; ++i)
            take(i, n + 1 - i);
        n = 6;
    }
    if (!casual && lastN && n > roundsToUse) {
        for (int i = 1; i <= roundsToUse; ++i)
            take(i, n + 1 - i);
        n = roundsToUse;
    }
    c.count = n;
    return c;
}

// Lowest differential first. Equal differentials are the same number, so which
// of them comes first changes no sum; the stable order keeps the marks of the
// rounds used the same from one run to the next.
void sortAscending(Considered& c) {
    std::array<std::size_t, MaxRounds> order{};
    const auto n = static_cast<std::size_t>(c.count);
    for (std::size_t i = 0; i < n; ++i)
        order[i] = i + 1;
    std::stable_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(n),
                     [&c](std::size_t a, std::size_t b) { return c.d[a] < c.d[b]; });
    Considered sorted = c;
    for (std::size_t i = 0; i < n; ++i) {
        sorted.d[i + 1] = c.d[order[i]];
        sorted.slot[i + 1] = c.slot[order[i]];
    }
    c = sorted;
}

// RoundsUsed for n rounds considered: the schedule, changed by the rounds
// option, or the casual method's count (which also sets CasualFactor).
void countRoundsUsed(CalcValues& v, const Settings& s, int n, bool casual) {
    const RoundsSelection option = roundsSelection(s);
    const int roundsToUse = effectiveRoundsToUse(s);
    v.RoundsUsed = standardRoundsUsed[n];
    if (option == RoundsSelection::AllUntilNine && n < 9) v.RoundsUsed = static_cast<int16_t>(n);
    if (option == RoundsSelection::BestPercentage) {
        if (n == 1) v.RoundsUsed = 1;
        if (n > 1) v.RoundsUsed = toInteger(static_cast<long long>(std::floor(s.PercentRounds / 100.0 * n)));
    }
    if (option == RoundsSelection::LastN)
        v.RoundsUsed = static_cast<int16_t>(n < roundsToUse ? n : roundsToUse);
    if (casual) GetCasualSystemValues(v);
    // A small percentage can leave no round to average, a large one more rounds
    // than there are: at least one, at most all.
    v.RoundsUsed = static_cast<int16_t>(std::clamp<int>(v.RoundsUsed, 1, n));
}

// The index from the average: times the factor, cut (not rounded) to one
// decimal toward zero.
struct Cut {
    float product, index;
};
Cut indexFromAverage(float avg, float factor) {
    float x = avg * factor;
    float tenths = x * 10.0f;
    float whole = x < 0 ? std::trunc(tenths) : std::floor(tenths);
    return {x, whole / 10.0f};
}

} // namespace

bool usesCourseRating(HandicapMethod method) {
    return method == HandicapMethod::Standard || method == HandicapMethod::Whs;
}

// The index within the limit option's maximum for the tee; the standard
// limits are compared as doubles.
float limitIndex(float index, const Settings& s, int tee) {
    std::optional<double> maximum = indexMaximum(s, tee);
    if (maximum && static_cast<double>(index) > *maximum) index = static_cast<float>(*maximum);
    return index;
}

std::optional<double> indexMaximum(const Settings& s, int tee) {
    if (handicapLimit(s) == HandicapLimit::StandardLimits) {
        if (tee == MensTee) return 36.4;
        if (tee == LadiesTee) return 40.4;
    }
    if (handicapLimit(s) == HandicapLimit::Custom) {
        if (tee == MensTee) return s.MensHcpMax;
        if (tee == LadiesTee) return s.WomensHcpMax;
    }
    return std::nullopt;
}

IndexSteps handicapIndexSteps(const Store& store, int p, int slot, int tee) {
    IndexSteps steps;
    if (!validPlayer(p) || !validSlot(slot)) return steps;
    const Settings& s = store.settings;
    const bool casual = effectiveMethod(s) == HandicapMethod::Casual;
    const bool lastN = roundsSelection(s) == RoundsSelection::LastN;
    const PlayerRecord& player = store.player(p);
    steps.casual = casual;
    if (casual || lastN) steps.roundsHeld = static_cast<int16_t>(slot);

    Considered considered = selectRounds(player, slot, casual, lastN, effectiveRoundsToUse(s));
    sortAscending(considered);
    const int n = considered.count;
    steps.considered = n;
    steps.d = considered.d;
    steps.slot = considered.slot;

    std::vector<std::string>& panel = steps.panel;
    panel.push_back(player.PlayerName);
    panel.push_back("differentials");
    for (int i = 1; i <= n; ++i)
        panel.push_back(generalNumber(steps.d[i]));

    CalcValues v;
    v.RoundsConsidered = static_cast<int16_t>(n);
    countRoundsUsed(v, s, n, casual);
    steps.roundsUsed = v.RoundsUsed;
    steps.factor = casual ? v.CasualFactor : s.IndexFactor;

    if (!casual && s.IndexFactor != 0.96f)
        panel.push_back("HCP factor " + formatPattern(s.IndexFactor, "0.00"));
    if (casual) panel.push_back("HCP factor " + formatPattern(v.CasualFactor, "0.00"));

    float sum = 0;
    for (int i = 1; i <= v.RoundsUsed; ++i)
        sum += steps.d[i];
    steps.sum = sum;

    if (casual)
        panel.push_back("Rounds Considered = " + plainNumber(n));
    else
        panel.push_back("total rounds = " + plainNumber(lastN ? steps.roundsHeld : n));
    panel.push_back("# of rounds used = " + plainNumber(v.RoundsUsed));

    float avg = sum / static_cast<float>(v.RoundsUsed);
    steps.average = avg;
    panel.push_back("Avg. = " + formatPattern(avg, "0.00"));

    Cut cut = indexFromAverage(avg, steps.factor);
    steps.product = cut.product;
    steps.truncated = cut.index;
    steps.maximum = indexMaximum(s, tee);
    steps.index = limitIndex(cut.index, s, tee);
    panel.push_back("Hcp index = " + generalNumber(steps.index));
    return steps;
}

void ComputeHandicapIndex(CalcValues& v, Store& store, int p, int tee, std::vector<std::string>& panel) {
    if (!validPlayer(p) || !validSlot(v.RoundSlot)) return;
    IndexSteps steps = handicapIndexSteps(store, p, v.RoundSlot, tee);
    v.RoundsHeld = steps.roundsHeld;
    v.RoundsConsidered = static_cast<int16_t>(steps.considered);
    v.RoundsUsed = steps.roundsUsed;
    if (steps.casual) v.CasualFactor = steps.factor;
    store.player(p).round[v.RoundSlot].RoundIndex = steps.index;
    panel = std::move(steps.panel);
}

float courseHandicapFor(float index, float slope) {
    float product = index * slope;
    float quotient = product / 113.0f;
    // The half is added in double precision, as the differential's is.
    return toSingle(std::floor(static_cast<double>(quotient) + 0.5));
}

void storeCourseHandicap(const CalcValues& v, Store& store, int p) {
    if (!validPlayer(p) || !validSlot(v.RoundSlot)) return;
    RoundRecord& rd = roundOf(store, p, v.RoundSlot);
    rd.RoundCourseHcp = courseHandicapFor(rd.RoundIndex, v.RoundSlope);
}

} // namespace tallyrock
