// Built with -ffp-contract=off (see CMakeLists.txt): a fused multiply-add would
// skip a rounding the stored handicaps depend on. Each rounded step is its own
// float assignment.
#include "HandicapCalculation.h"

#include "store/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tallyrock {

namespace {

bool validPlayer(int p) {
    return p >= 1 && p <= MaxPlayers;
}
bool validSlot(int r) {
    return r >= 1 && r <= MaxRounds;
}

RoundRecord& roundOf(Store& store, int p, int r) {
    return store.player(p).round[static_cast<std::size_t>(r)];
}
const RoundRecord& roundOf(const Store& store, int p, int r) {
    return store.player(p).round[static_cast<std::size_t>(r)];
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

HoleScores EQadjust(const Store& store, const HoleScores& holes) {
    const Settings& s = store.settings;
    int p = store.CurrentPlayer;
    // Course handicap of the comparison round: the one before the edited slot,
    // or the player's latest; 40 when there is none.
    float h = 40;
    if (validPlayer(p)) {
        int r = store.EditSlot >= 1 ? store.EditSlot - 1 : store.player(p).RoundCount;
        if (validSlot(r)) h = roundOf(store, p, r).RoundCourseHcp;
    }
    double base = 0;
    if (h > 9 && h < 20) base = 7;
    if (h > 19 && h < 30) base = 8;
    if (h > 29 && h < 40) base = 9;
    if (h >= 40) base = 10;

    HoleScores capped = holes;
    for (int i = 1; i <= 18; ++i) {
        double par = store.courses.numeric(store.CurrentCourse, field::holePar(i));
        double maximum = base;
        if (h < 10) maximum = par + 2;
        if (strokeControl(s) == StrokeControl::StrokesAbovePar) maximum = par + s.StrokesAbovePar;
        if (strokeControl(s) == StrokeControl::MaxPerHole) maximum = s.MaxStrokesPerHole;
        auto& score = capped[static_cast<std::size_t>(i)];
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
    const Casual& row = table[static_cast<std::size_t>(std::min<int>(v.RoundsConsidered, 6) - 1)];
    v.RoundsUsed = row.used;
    v.CasualFactor = row.factor;
}

namespace {

// The differentials considered, 1..count: the player's rounds oldest first, or
// the newest first when only the latest ones count.
struct Considered {
    std::array<float, MaxRounds + 1> d{};
    int count = 0;
};

Considered selectRounds(const PlayerRecord& player, int n, bool casual, bool lastN, int roundsToUse) {
    auto diff = [&player](int r) { return player.round[static_cast<std::size_t>(r)].RoundDiff; };
    Considered c;
    if (!casual || n < 7) {
        for (int i = 1; i <= n; ++i)
            c.d[static_cast<std::size_t>(i)] = diff(i);
    } else {
        for (int i = 1; i <= 6; ++i)
            c.d[static_cast<std::size_t>(i)] = diff(n + 1 - i);
        n = 6;
    }
    if (!casual && lastN && n > roundsToUse) {
        for (int i = 1; i <= roundsToUse; ++i)
            c.d[static_cast<std::size_t>(i)] = diff(n + 1 - i);
        n = roundsToUse;
    }
    c.count = n;
    return c;
}

// RoundsUsed for n rounds considered: the schedule, changed by the rounds
// option, or the casual method's count (which also sets CasualFactor).
void countRoundsUsed(CalcValues& v, const Settings& s, int n, bool casual) {
    const RoundsSelection option = roundsSelection(s);
    const int roundsToUse = effectiveRoundsToUse(s);
    v.RoundsUsed = standardRoundsUsed[static_cast<std::size_t>(n)];
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
float indexFromAverage(float avg, float factor) {
    float x = avg * factor;
    float tenths = x * 10.0f;
    float whole = x < 0 ? std::trunc(tenths) : std::floor(tenths);
    return whole / 10.0f;
}

} // namespace

bool usesCourseRating(HandicapMethod method) {
    return method == HandicapMethod::Standard || method == HandicapMethod::Whs;
}

float limitIndex(float index, const Settings& s, int tee) {
    if (handicapLimit(s) == HandicapLimit::StandardLimits) {
        if (tee == MensTee && static_cast<double>(index) > 36.4) index = static_cast<float>(36.4);
        if (tee == LadiesTee && static_cast<double>(index) > 40.4) index = static_cast<float>(40.4);
    }
    if (handicapLimit(s) == HandicapLimit::Custom) {
        if (tee == MensTee && index > s.MensHcpMax) index = s.MensHcpMax;
        if (tee == LadiesTee && index > s.WomensHcpMax) index = s.WomensHcpMax;
    }
    return index;
}

void ComputeHandicapIndex(CalcValues& v, Store& store, int p, int tee, std::vector<std::string>& panel) {
    if (!validPlayer(p) || !validSlot(v.RoundSlot)) return;
    const Settings& s = store.settings;
    const bool casual = effectiveMethod(s) == HandicapMethod::Casual;
    const bool lastN = roundsSelection(s) == RoundsSelection::LastN;
    PlayerRecord& player = store.player(p);

    v.RoundsUsed = 0;
    v.RoundsHeld = 0;
    if (casual || lastN) v.RoundsHeld = v.RoundSlot;

    Considered considered = selectRounds(player, v.RoundSlot, casual, lastN, effectiveRoundsToUse(s));
    const int n = considered.count;
    std::array<float, MaxRounds + 1>& d = considered.d;
    v.RoundsConsidered = static_cast<int16_t>(n);
    std::sort(d.begin() + 1, d.begin() + 1 + n);

    panel.clear();
    panel.push_back(player.PlayerName);
    panel.push_back("differentials");
    for (int i = 1; i <= n; ++i)
        panel.push_back(generalNumber(d[static_cast<std::size_t>(i)]));

    countRoundsUsed(v, s, n, casual);

    if (!casual && s.IndexFactor != 0.96f)
        panel.push_back("HCP factor " + formatPattern(s.IndexFactor, "0.00"));
    if (casual) panel.push_back("HCP factor " + formatPattern(v.CasualFactor, "0.00"));

    float sum = 0;
    for (int i = 1; i <= v.RoundsUsed; ++i)
        sum += d[static_cast<std::size_t>(i)];

    if (casual)
        panel.push_back("Rounds Considered = " + plainNumber(n));
    else
        panel.push_back("total rounds = " + plainNumber(lastN ? v.RoundsHeld : n));
    panel.push_back("# of rounds used = " + plainNumber(v.RoundsUsed));

    float avg = sum / static_cast<float>(v.RoundsUsed);
    panel.push_back("Avg. = " + formatPattern(avg, "0.00"));

    float index = limitIndex(indexFromAverage(avg, casual ? v.CasualFactor : s.IndexFactor), s, tee);

    player.round[static_cast<std::size_t>(v.RoundSlot)].RoundIndex = index;
    panel.push_back("Hcp index = " + generalNumber(index));
}

void storeCourseHandicap(const CalcValues& v, Store& store, int p) {
    if (!validPlayer(p) || !validSlot(v.RoundSlot)) return;
    RoundRecord& rd = roundOf(store, p, v.RoundSlot);
    float product = rd.RoundIndex * v.RoundSlope;
    float quotient = product / 113.0f;
    // The half is added in double precision, as the differential's is.
    rd.RoundCourseHcp = toSingle(std::floor(static_cast<double>(quotient) + 0.5));
}

} // namespace tallyrock
