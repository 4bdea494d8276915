#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

#include "platform/Clock.h"
#include "platform/DateText.h"
#include "platform/Text.h"

namespace torva {
namespace {

TEST(Clock, DayOfYearAcrossLeapYears) {
    EXPECT_EQ(dayOfYear({2026, 1, 1}), 1);
    EXPECT_EQ(dayOfYear({2026, 12, 31}), 365);
    EXPECT_EQ(dayOfYear({2024, 12, 31}), 366);
    EXPECT_EQ(dayOfYear({2024, 3, 1}), 61);
    EXPECT_EQ(dayOfYear({2100, 3, 1}), 60);  // not a leap year
}

TEST(Clock, SettableClockCrossesMidnightAndNewYear) {
    SettableClock clock({2024, 12, 31, 23, 59, 59});
    clock.advanceSeconds(2);
    EXPECT_EQ(clock.now(), (LocalDateTime{2025, 1, 1, 0, 0, 1}));
    clock.advanceSeconds(-2);
    EXPECT_EQ(clock.now(), (LocalDateTime{2024, 12, 31, 23, 59, 59}));
}

TEST(Clock, SystemClockGivesTheLocalTimeOfTheCRuntime) {
    // time() may read a coarse clock a tick behind the precise one, so the
    // second is taken from the precise clock before and after.
    const auto preciseSecond = [] {
        return std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    };
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::time_t t = preciseSecond();
        const std::tm local = *std::localtime(&t);
        const LocalDateTime now = SystemClock().now();
        if (preciseSecond() != t) {
            continue;  // a second went by: try again
        }
        EXPECT_EQ(now, (LocalDateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                      local.tm_hour, local.tm_min, local.tm_sec}));
        return;
    }
}

TEST(DateText, FormatsTheDateLabelAndTimes) {
    EXPECT_EQ(formatLongDate({2026, 12, 9}), "9 dic 2026");
    EXPECT_EQ(formatLongDate({2026, 1, 31}), "31 ene 2026");
    EXPECT_EQ(formatTime({2026, 1, 1, 7, 5, 3}), "07:05:03");
}

TEST(Text, NumbersAsTheServiceFilesWriteThem) {
    EXPECT_EQ(leadingNumber("30"), 30);
    EXPECT_EQ(leadingNumber(" 1x"), 1);
    EXPECT_EQ(leadingNumber("abc"), 0);
    EXPECT_EQ(leadingNumber("1.0"), 1);
    EXPECT_TRUE(isNumeric(" 24 "));
    EXPECT_FALSE(isNumeric("24a"));
    EXPECT_FALSE(isNumeric(""));
    EXPECT_EQ(parseInteger("1986"), 1986);
    EXPECT_FALSE(parseInteger("19a"));
    EXPECT_EQ(rightChars("User1234", 4), "1234");
    EXPECT_EQ(rightChars("12", 4), "12");
}

}  // namespace
}  // namespace torva
