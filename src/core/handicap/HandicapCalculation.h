#pragma once
// The handicap calculation: the rating and slope of a round, stroke control,
// the differential, the index with its calculation panel, and the course
// handicap. Every value is a Single and every step is rounded to single
// precision, except where a comment says double: the stored handicaps depend
// on it to the last bit.

#include "store/RuleOptions.h"
#include "store/Store.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tallyrock {

// Hole scores of a round as the score-entry window holds them: 1..18 the
// holes (0 = not played), 19 Out, 20 In. Index 0 is unused.
using HoleScores = std::array<int16_t, HoleSlots + 1>;

// The score-entry window's calculation values.
struct CalcValues {
    int16_t RoundSlot = 0;        // slot of the round
    int16_t RoundsHeld = 0;       // the player's rounds before only the latest are considered
    int16_t RoundsConsidered = 0; // differentials the index is computed from
    int16_t RoundsUsed = 0;       // lowest differentials averaged
    float CasualFactor = 0;
    float RoundRating = 0;
    float RoundSlope = 0;
    float RoundDifferential = 0;
};

// "Ladies Tee", "Mens Tee", "Pro Tee"; "tee N" for any other number.
std::string teeName(int tee);

// The handicap method in force: a value outside 1..4 counts as the nearest
// method, as the rules window shows it.
HandicapMethod effectiveMethod(const Settings& settings);
// The standard method and the World Handicap System work from the tee's
// rating and slope; the others from par and 113.
bool usesCourseRating(HandicapMethod method);
// The nine-hole option in force: a value outside 1..3 (0 until one is chosen,
// as a new install writes it) counts as 1, doubling nine-hole scores, the
// recommended option, which the rules window shows selected.
int effectiveNineHoleOption(const Settings& settings);
NineHoleScoring nineHoleScoring(const Settings& settings);
// N of the "each player's last N" option in force: a value outside 1..20 (0
// until one is chosen) counts as 10, as the rules window shows and corrects it.
int effectiveRoundsToUse(const Settings& settings);

// RoundRating and RoundSlope of a round on course c from tee t: the tee's
// rating and slope, or the course's total par and 113 under the to-par and
// casual methods. A tee outside 1..3 has neither (0).
void setRoundRatingAndSlope(CalcValues& v, const Store& store, int course, int tee);

// Why the rating and slope just set cannot give a differential (a slope of 0,
// or a rating of 0 under the standard method), naming the course and the tee;
// empty when they can.
std::string unusableCourseReason(const CalcValues& v, const Store& store, int course, int tee);

// The course handicap stroke control compares with: that of slot `slot` of
// player p, or 40 when there is no such round.
float comparisonCourseHandicap(const Store& store, int p, int slot);
// The most strokes stroke control leaves on `hole` of `course` for a player
// whose comparison course handicap is h (the option in force decides).
double strokeControlMaximum(const Settings& s, const CourseTable& courses, int course, float h, int hole);

// Stroke control: the hole scores capped for the current player on the
// current course, the comparison round chosen by EditSlot. Only the holes
// 1..18 change; the totals are left to the caller.
HoleScores EQadjust(const Store& store, const HoleScores& holes);

// Differential of the round in slot RoundSlot of player p into RoundDifferential.
void ComputeRoundDifferential(CalcValues& v, const Store& store, int p);

// The index calculation after the round in `slot` of player p, step by step,
// without storing anything: what ComputeHandicapIndex stores and shows.
struct IndexSteps {
    bool casual = false;
    int16_t roundsHeld = 0; // RoundsHeld
    int considered = 0;     // differentials the index is computed from
    // 1..considered: the differentials lowest first, and the slot of each.
    std::array<float, MaxRounds + 1> d{};
    std::array<int16_t, MaxRounds + 1> slot{};
    int16_t roundsUsed = 0; // the lowest ones averaged
    float factor = 0;       // IndexFactor, or CasualFactor under the casual method
    float sum = 0, average = 0;
    float product = 0;              // average x factor
    float truncated = 0;            // the product cut to a tenth
    std::optional<double> maximum;  // the limit for the tee, when one applies
    float index = 0;                // the truncated value within the limit
    std::vector<std::string> panel; // the calculation panel's lines
};
IndexSteps handicapIndexSteps(const Store& store, int p, int slot, int tee);

// The highest index the limit option allows from `tee`; none when unlimited.
std::optional<double> indexMaximum(const Settings& s, int tee);

// Handicap index of player p after the round in slot RoundSlot, stored in
// RoundIndex; `tee` is the tee the limits go by. Fills the calculation panel.
void ComputeHandicapIndex(CalcValues& v, Store& store, int p, int tee, std::vector<std::string>& panel);

// Rounds used and multiplier of the casual method, by RoundsConsidered (1..21).
void GetCasualSystemValues(CalcValues& v);

// Index x slope / 113, rounded half up, as the round's course handicap is.
float courseHandicapFor(float index, float slope);
// The index within the limit option's maximum for the tee.
float limitIndex(float index, const Settings& s, int tee);

// Course handicap of slot RoundSlot of player p from its index and RoundSlope.
void storeCourseHandicap(const CalcValues& v, Store& store, int p);

} // namespace tallyrock
