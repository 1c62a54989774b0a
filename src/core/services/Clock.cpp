#include "Clock.h"

#include <cstdio>
#include <ctime>

namespace tallyrock {

Date SystemClock::today() const {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_mon + 1, local.tm_mday, local.tm_year + 1900};
}

std::string dashedDate(const Date& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d", date.month, date.day, date.year);
    return text;
}

} // namespace tallyrock
