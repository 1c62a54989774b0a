#pragma once
// All courses, shared by every league, each held as 30 text fields.

#include "SlotTable.h"

#include <array>
#include <cstdint>
#include <string>

namespace tallyrock {

constexpr int MaxCourses = 200;
constexpr int CourseFields = 30;

namespace field {
constexpr int Name = 1, OutPar = 2, InPar = 3, TotalPar = 4, FirstHolePar = 5, Initials = 29, Unused = 30;
constexpr int rating(int tee) {
    return 22 + tee;
}
constexpr int slope(int tee) {
    return 25 + tee;
}
constexpr int holePar(int hole) {
    return 4 + hole;
}
} // namespace field

struct CourseTable {
    int16_t CourseCount = 0;
    SlotTable<std::array<std::string, CourseFields + 1>, MaxCourses> CourseField;

    const std::string& name(int c) const { return CourseField[c][field::Name]; }
    // A course is offered in lists only when its name is longer than one character.
    bool offered(int c) const;
    // Numeric value of a field by the leading-number parse; 0 for a course out of range.
    double numeric(int c, int f) const;
};

} // namespace tallyrock
