#pragma once
// Setting what the World Handicap System needs of a course: the stroke index
// of each hole and the ratings and slopes of each nine, per tee; the PCC of a
// course on a date. Each change is checked, then written through a ChangeSet.

#include "store/Message.h"
#include "store/Store.h"

#include <array>
#include <string>

namespace tallyrock {

// Ratings of a nine: 10.0 to 60.0 in tenths; slopes as the 18 holes' (55..155).
inline constexpr double LowestNineRating = 10.0, HighestNineRating = 60.0;
inline constexpr int LowestPcc = -1, HighestPcc = 3;

// Stroke indexes 1..18 of the holes (index 0 unused), each number once.
Failure setStrokeIndexes(Store& store, int course, int tee, const std::array<int16_t, 19>& strokeIndex);
Failure setNineRatings(Store& store, int course, int tee, double frontRating, double frontSlope,
                       double backRating, double backSlope);
// PCC -1..3 of the course on the date (two-digit year); 0 removes it.
Failure setPcc(Store& store, int course, int month, int day, int year, int value);
// The PCC of the course on the date (two-digit year): 0 when none is set.
int pccOn(const Store& store, int course, int month, int day, int year);
// Drops everything kept for the course (it is being deleted; its slot may be reused).
Failure dropCourseWhsData(Store& store, int course);

// The course window's rows for one tee, as text.
struct TeeHolesForm {
    std::array<std::string, 19> strokeIndex{};                  // 1..18; all empty: none
    std::string frontRating, frontSlope, backRating, backSlope; // empty: not given
};
using TeeHolesForms = std::array<TeeHolesForm, 4>; // tees 1..3

TeeHolesForms teeHolesForms(const Store& store, int course);
// The refusal of rows that cannot be stored, naming the tee; nothing when they can.
Failure checkTeeHolesForms(const TeeHolesForms& forms);
// Stores the rows of the three tees for the course (checked first).
Failure saveTeeHolesForms(Store& store, int course, const TeeHolesForms& forms);

// Refusals, for the command-line tool and the windows alike.
Message strokeIndexRefusal(const std::string& teeText);
Message nineRatingRefusal(const std::string& teeText);
Message pccRefusal();
Message noSuchCourse();

} // namespace tallyrock
