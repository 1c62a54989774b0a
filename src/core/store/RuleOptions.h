#pragma once
// The handicap rules' options by name. The settings keep them as the numbers
// the files store (Settings.h); these enumerations name those numbers, so a
// rule reads `strokeControl(s) == StrokeControl::MaxPerHole`, not a number.
// A stored value outside the named ones stays what it is and equals none of them.

#include "Settings.h"

#include <cstdint>

namespace tallyrock {

// Whs: the World Handicap System (2024).
enum class HandicapMethod : int16_t { Standard = 1, ToPar = 2, Casual = 3, Whs = 4 };
enum class RoundsSelection : int16_t {
    StandardSchedule = 1,
    AllUntilNine = 2,
    BestPercentage = 3,
    LastN = 4,
};
enum class HandicapLimit : int16_t { None = 1, StandardLimits = 2, Custom = 3 };
enum class StrokeControl : int16_t { None = 1, StandardSchedule = 2, StrokesAbovePar = 3, MaxPerHole = 4 };
enum class NineHoleScoring : int16_t { DoubleScore = 1, HalveRating = 2, RatingsAsEntered = 3 };

// The number a file stores for an option.
template <typename Option> constexpr int16_t stored(Option option) {
    return static_cast<int16_t>(option);
}

constexpr RoundsSelection roundsSelection(const Settings& s) {
    return static_cast<RoundsSelection>(s.RoundsOption);
}
constexpr HandicapLimit handicapLimit(const Settings& s) {
    return static_cast<HandicapLimit>(s.HcpLimitOption);
}
constexpr StrokeControl strokeControl(const Settings& s) {
    return static_cast<StrokeControl>(s.StrokeOption);
}

// The tees by number; the number also picks the tee's rating and slope of a course.
inline constexpr int LadiesTee = 1;
inline constexpr int MensTee = 2;
inline constexpr int ProTee = 3;
constexpr bool isTee(int tee) {
    return tee >= LadiesTee && tee <= ProTee;
}

} // namespace tallyrock
