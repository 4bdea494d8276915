#pragma once

#include <chrono>

// Local date and time, read through an interface so that tests can set it.
namespace torva {

struct LocalDateTime {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

// The local date and time of a point in time.
LocalDateTime toLocalDateTime(std::chrono::system_clock::time_point time);

class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
};

class SystemClock final : public Clock {
  public:
    LocalDateTime now() const override;
};

class SettableClock final : public Clock {
  public:
    explicit SettableClock(LocalDateTime start = {}) : now_(start) {}
    LocalDateTime now() const override { return now_; }
    void set(const LocalDateTime& value) { now_ = value; }
    void advanceSeconds(int seconds);

  private:
    LocalDateTime now_;
};

bool isLeapYear(int year);
int daysInMonth(int year, int month);
// Day of the year, 1 on 1 January.
int dayOfYear(const LocalDateTime& t);

}  // namespace torva
