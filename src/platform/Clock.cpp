#include "platform/Clock.h"

#include <ctime>

namespace torva {

LocalDateTime toLocalDateTime(std::chrono::system_clock::time_point time) {
    const std::time_t t = std::chrono::system_clock::to_time_t(time);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

LocalDateTime SystemClock::now() const {
    return toLocalDateTime(std::chrono::system_clock::now());
}

void SettableClock::advanceSeconds(int seconds) {
    LocalDateTime& t = now_;
    long total = ((t.hour * 60L) + t.minute) * 60L + t.second + seconds;
    int dayShift = 0;
    while (total >= 86400) {
        total -= 86400;
        ++dayShift;
    }
    while (total < 0) {
        total += 86400;
        --dayShift;
    }
    t.hour = static_cast<int>(total / 3600);
    t.minute = static_cast<int>(total / 60 % 60);
    t.second = static_cast<int>(total % 60);
    for (; dayShift > 0; --dayShift) {
        if (++t.day > daysInMonth(t.year, t.month)) {
            t.day = 1;
            if (++t.month > 12) {
                t.month = 1;
                ++t.year;
            }
        }
    }
    for (; dayShift < 0; ++dayShift) {
        if (--t.day < 1) {
            if (--t.month < 1) {
                t.month = 12;
                --t.year;
            }
            t.day = daysInMonth(t.year, t.month);
        }
    }
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

int dayOfYear(const LocalDateTime& t) {
    int day = t.day;
    for (int m = 1; m < t.month; ++m) {
        day += daysInMonth(t.year, m);
    }
    return day;
}

}  // namespace torva
