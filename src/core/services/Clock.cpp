#include "Clock.h"

#include <charconv>
#include <ctime>

namespace tallyrock {

Date SystemClock::today() const {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_mon + 1, local.tm_mday, local.tm_year + 1900};
}

namespace {
// A whole number with leading zeros up to `width` characters, as %0*d writes it.
std::string zeroPadded(int value, std::size_t width) {
    char digits[16];
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    std::string text(digits, std::to_chars(digits, digits + sizeof digits, magnitude).ptr);
    std::size_t sign = value < 0 ? 1 : 0;
    if (text.size() + sign < width) text.insert(0, width - text.size() - sign, '0');
    return value < 0 ? "-" + text : text;
}
} // namespace

std::string dashedDate(const Date& date) {
    return zeroPadded(date.month, 2) + "-" + zeroPadded(date.day, 2) + "-" + zeroPadded(date.year, 4);
}

} // namespace tallyrock
