#pragma once
// Number text in one place: the data files' number form, the leading-number
// parse of typed text, and the display patterns the windows and reports use.
// None of it depends on the process locale: "." is the decimal point always.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tallyrock {

// File form of a whole number: " 5 ", "-3 ".
std::string fileNumber(int value);
// File form of a Single: shortest decimal with at most 7 significant digits,
// no leading zero, a leading space when not negative and a trailing space
// (" 12.3 ", " .5 ", "-1.2 ", " 18 ").
std::string fileNumber(float value);

// General form of a Single without the surrounding spaces, keeping the zero
// before the point: 12.3, 0.5, -0.4, 8. Negative zero shows as 0.
std::string generalNumber(float value);
// Plain form of a whole number with no leading blank: "12", "-3".
std::string plainNumber(long long value);

// The leading-number parse of typed text and text fields: leading blanks are
// skipped, reading stops at the first character that cannot continue a number,
// and empty or non-numeric text gives 0.
double leadingNumber(std::string_view text);

// A number field of a data file: leading spaces skipped, the token ends at the
// first comma, space or line end, and must be a complete number. Returns
// nothing for a token that is not a number (the reader then fails).
std::optional<double> fileFieldNumber(std::string_view line);
// The same for a 16-bit Integer field; a fraction is rounded to the nearest
// even whole number, as a conversion to Integer does. Nothing when out of range.
std::optional<int16_t> fileFieldInteger(std::string_view line);

// A number given in full, as the command-line tool takes its values: blanks
// around it are skipped and the rest must be one finite decimal number ("12",
// "-1.5", ".96"). Nothing for words, "nan", "inf", a number out of range or
// one with anything after it.
std::optional<double> completeNumber(std::string_view text);

// Rounds half away from zero on the value's shortest decimal text, to the
// given number of decimals.
double roundHalfAway(double value, int decimals);

// Display patterns: "0.00", "0.0", "#0.0", "##0.0", "###0.0", "#0.000", "#.00",
// "00.0", "00", "0" and the like: '0' is a digit always shown, '#' a digit shown
// only when significant. The value is rounded half away from zero.
std::string formatPattern(double value, std::string_view pattern);
// Same, for a Single: rounded on the seven significant digits it is written
// with (" 15.675 "), not on its binary value (15.674999...).
std::string formatPattern(float value, std::string_view pattern);

// A double as a Single, limited to the Single's range (out-of-range values
// would otherwise be undefined); NaN gives 0.
float toSingle(double value);

// Rounds to the nearest whole number, half away from zero (a typed value "rounded").
long long roundWhole(double value);

} // namespace tallyrock
