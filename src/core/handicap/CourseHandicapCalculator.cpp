#include "CourseHandicapCalculator.h"

#include "store/NumberText.h"

#include <cmath>

namespace tallyrock {

double courseHandicap(double index, double slope) {
    return std::floor(index * slope / 113.0 + 0.5);
}

CalculatorResult calculateCourseHandicap(const std::string& indexText, const std::string& slopeText) {
    if (indexText.empty()) return {"Enter your Hcp Index", true};
    if (slopeText.empty()) return {"Enter the Slope Value", true};
    double result = courseHandicap(leadingNumber(indexText), leadingNumber(slopeText));
    if (!std::isfinite(result)) return {"Index or slope too large", true};
    return {"Course Handicap = " + formatPattern(result, "0"), false};
}

} // namespace tallyrock
