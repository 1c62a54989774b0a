#include "Clock.h"

#include <ctime>

namespace tallyrock {

Date SystemClock::today() const {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_mon + 1, local.tm_mday, local.tm_year + 1900};
}

} // namespace tallyrock
