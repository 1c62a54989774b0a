#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

// Every conversion here goes through <charconv>, which never looks at the
// process locale: the desktop program runs under the user's C locale, where
// printf and strtod would write and expect a decimal comma.

namespace tallyrock {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Shortest scientific text that reads back as the same value ("1.5e+01").
template <typename T> std::string shortestScientific(T value) {
    char buf[64];
    auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    return std::string(buf, result.ptr);
}

// The decimal exponent of the first significant digit of a decimal text that
// has one: "120" 2, "-0.05" -2, "1.5e300" 300.
long leadingExponent(std::string_view text) {
    std::size_t e = text.find_first_of("eE");
    std::string_view mantissa = text.substr(0, e);
    long written = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = text.substr(e + 1);
        if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
        if (std::from_chars(digits.data(), digits.data() + digits.size(), written).ec ==
            std::errc::result_out_of_range)
            written = digits.front() == '-' ? -(1L << 40) : 1L << 40;
    }
    std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    std::size_t first = mantissa.find_first_of("123456789");
    long position = first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
    return position + written;
}

// A complete decimal text (sign, digits, point, exponent) as a double, read as
// strtod reads it in the "C" locale: beyond the largest double it gives
// infinity, below the smallest it gives zero. Nothing when it is no number.
std::optional<double> decimalText(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1); // from_chars takes no plus sign
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) return std::nullopt;
    }
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size() || error == std::errc::invalid_argument) return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        double magnitude = leadingExponent(text) >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
        value = text.front() == '-' ? -magnitude : magnitude;
    }
    return value;
}

// A decimal number as sign, digits and the position of the decimal point.
struct Decimal {
    bool negative = false;
    std::string digits; // no leading zeros unless the value is zero
    int pointPos = 0;   // digits before the point (may be <= 0 or > size)
};

Decimal decimalFromScientific(const std::string& sci) {
    Decimal d;
    std::size_t i = 0;
    if (sci[i] == '-') {
        d.negative = true;
        ++i;
    }
    int intDigits = 0;
    for (; i < sci.size() && sci[i] != 'e'; ++i) {
        if (isDigit(sci[i])) {
            d.digits += sci[i];
            ++intDigits;
        } else if (sci[i] == '.') {
            break;
        }
    }
    for (; i < sci.size() && sci[i] != 'e'; ++i)
        if (isDigit(sci[i])) d.digits += sci[i];
    int exponent = 0;
    if (i < sci.size() && sci[i] == 'e') {
        std::size_t from = i + 1;
        if (from < sci.size() && sci[from] == '+') ++from;
        std::from_chars(sci.data() + from, sci.data() + sci.size(), exponent);
    }
    d.pointPos = intDigits + exponent;
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits == "0") {
        d.negative = false;
        d.pointPos = 1;
    }
    return d;
}

template <typename T> Decimal shortestDecimal(T value) {
    if (value == 0 || !std::isfinite(value)) return Decimal{false, "0", 1};
    return decimalFromScientific(shortestScientific(value));
}

// The seven significant digits with which a Single is written to the files
// (%.7e), so that 15.675 read from " 15.675 " rounds as 15.675, not 15.674999.
Decimal sevenDigitDecimal(float value) {
    if (value == 0 || !std::isfinite(value)) return Decimal{false, "0", 1};
    char buf[64];
    auto result =
        std::to_chars(buf, buf + sizeof buf, static_cast<double>(value), std::chars_format::scientific, 6);
    return decimalFromScientific(std::string(buf, result.ptr));
}

// Rounds a decimal to `decimals` places, half away from zero, on its digits.
Decimal roundDecimal(Decimal d, int decimals) {
    int keep = d.pointPos + decimals; // digits kept
    if (keep >= static_cast<int>(d.digits.size())) return d;
    if (keep < 0) return Decimal{false, "0", 1};
    bool up = d.digits[keep] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        for (; i >= 0; --i) {
            char& c = d.digits[i];
            if (c == '9') {
                c = '0';
            } else {
                ++c;
                break;
            }
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.pointPos;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty()) return Decimal{false, "0", 1};
    return d;
}

double decimalValue(const Decimal& d) {
    std::string text = (d.negative ? "-0." : "0.") + d.digits + "e" + std::to_string(d.pointPos);
    return decimalText(text).value_or(0.0);
}

// Digit at position k counted from the point (k >= 0: integer digits from the
// right, 0 = units; k < 0: fraction digits).
char digitAt(const Decimal& d, int k) {
    int index = d.pointPos - 1 - k;
    if (index < 0 || index >= static_cast<int>(d.digits.size())) return '0';
    return d.digits[index];
}

std::string applyPattern(const Decimal& rounded, std::string_view pattern) {
    auto point = pattern.find('.');
    std::string_view intPart = pattern.substr(0, point);
    std::string_view fracPart =
        point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);
    int fracDigits = static_cast<int>(fracPart.size());
    int minInt = 0;
    for (char c : intPart)
        if (c == '0') ++minInt;
    int intLen = std::max(rounded.pointPos, 0);
    std::string out;
    int shownInt = std::max(intLen, minInt);
    for (int k = shownInt - 1; k >= 0; --k)
        out += digitAt(rounded, k);
    if (point != std::string_view::npos) {
        out += '.';
        for (int k = 1; k <= fracDigits; ++k)
            out += digitAt(rounded, -k);
    }
    bool allZero = true;
    for (char c : out)
        if (isDigit(c) && c != '0') allZero = false;
    if (rounded.negative && !allZero) out.insert(out.begin(), '-');
    return out;
}

int patternDecimals(std::string_view pattern) {
    auto point = pattern.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
}

// The %.7G text of a value in the files' style: "12.3", "0.5" -> ".5", "1E+07".
std::string sevenDigitText(float value) {
    if (value == 0 || std::isnan(value)) return "0";
    char buf[64];
    auto result =
        std::to_chars(buf, buf + sizeof buf, static_cast<double>(value), std::chars_format::general, 7);
    std::string s(buf, result.ptr);
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    // General form drops trailing zeros, as %G does without '#'.
    if (s.rfind("0.", 0) == 0)
        s.erase(0, 1);
    else if (s.rfind("-0.", 0) == 0)
        s.erase(1, 1);
    return s;
}

} // namespace

std::string fileNumber(int value) {
    std::string digits = std::to_string(value);
    return (value < 0 ? digits : " " + digits) + " ";
}

std::string fileNumber(float value) {
    std::string text = sevenDigitText(value);
    return (text[0] == '-' ? text : " " + text) + " ";
}

std::string plainNumber(long long value) {
    return std::to_string(value);
}

std::string generalNumber(float value) {
    std::string text = sevenDigitText(value);
    if (text[0] == '.') return "0" + text;
    if (text.rfind("-.", 0) == 0) return "-0" + text.substr(1);
    return text;
}

double leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) number += text[i++];
    bool seenPoint = false, seenDigit = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (isDigit(c)) {
            number += c;
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            number += c;
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit) return 0.0;
    // An exponent continues the number only when it is complete ("1E5", "2.5e-3").
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) exponent += text[j++];
        std::size_t firstDigit = j;
        while (j < text.size() && isDigit(text[j]))
            exponent += text[j++];
        if (j > firstDigit) number += exponent;
    }
    double value = decimalText(number).value_or(0.0);
    if (!std::isfinite(value)) return 0.0;
    return value;
}

std::optional<double> fileFieldNumber(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    std::size_t end = i;
    while (end < line.size() && line[end] != ',' && line[end] != ' ' && line[end] != '\t')
        ++end;
    std::string_view token = line.substr(i, end - i);
    if (token.empty()) return std::nullopt;
    // Most fields are short whole numbers: read them straight (exact below 2^53).
    std::string_view digits = token.front() == '-' ? token.substr(1) : token;
    if (!digits.empty() && digits.size() <= 15 && std::all_of(digits.begin(), digits.end(), isDigit)) {
        double whole = 0;
        for (char c : digits)
            whole = whole * 10 + (c - '0');
        return token.front() == '-' ? -whole : whole;
    }
    for (char c : token)
        if (!isDigit(c) && c != '.' && c != '-' && c != '+' && c != 'e' && c != 'E') return std::nullopt;
    std::optional<double> value = decimalText(token);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

std::optional<int16_t> fileFieldInteger(std::string_view line) {
    auto value = fileFieldNumber(line);
    if (!value) return std::nullopt;
    double rounded = std::nearbyint(*value); // default rounding mode: half to even
    if (rounded < std::numeric_limits<int16_t>::min() || rounded > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

std::optional<double> completeNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    // A field of a data file ends at a comma or a blank; here nothing may follow.
    if (text.find_first_of(", \t") != std::string_view::npos) return std::nullopt;
    return fileFieldNumber(text);
}

double roundHalfAway(double value, int decimals) {
    return decimalValue(roundDecimal(shortestDecimal(value), decimals));
}

float toSingle(double value) {
    if (std::isnan(value)) return 0.0f;
    constexpr double high = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -high, high));
}

long long roundWhole(double value) {
    if (!std::isfinite(value)) return 0;
    double r = roundHalfAway(value, 0);
    if (r > 9e18 || r < -9e18) return 0;
    return static_cast<long long>(r);
}

std::string formatPattern(double value, std::string_view pattern) {
    return applyPattern(roundDecimal(shortestDecimal(value), patternDecimals(pattern)), pattern);
}

std::string formatPattern(float value, std::string_view pattern) {
    return applyPattern(roundDecimal(sevenDigitDecimal(value), patternDecimals(pattern)), pattern);
}

} // namespace tallyrock
