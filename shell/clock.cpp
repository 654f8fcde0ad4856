#include "shell/clock.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace corvell {

LocalTime systemNow() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return LocalTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                     local.tm_hour,        local.tm_min,     local.tm_sec};
}

Clock fixedClock(LocalTime moment) {
    return [moment] { return moment; };
}

std::string dateText(const LocalTime& now) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d-%02d-%04d", now.month, now.day, now.year);
    return buffer;
}

std::string timeText(const LocalTime& now) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", now.hour, now.minute, now.second);
    return buffer;
}

}  // namespace corvell
