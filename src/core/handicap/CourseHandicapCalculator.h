#pragma once
// The course handicap calculator: an index and a slope give the course handicap.

#include <string>

namespace tallyrock {

// Int(index x slope / 113 + 0.5) in double precision, Int being the floor.
double courseHandicap(double index, double slope);

struct CalculatorResult {
    std::string text;  // the result line, or the prompt for the empty box
    bool beep = false; // a box was empty, or the values too large for a result
};

// The calculate button: the boxes' texts, read with the leading-number parse.
CalculatorResult calculateCourseHandicap(const std::string& indexText, const std::string& slopeText);

} // namespace tallyrock
