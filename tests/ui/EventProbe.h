#pragma once

#include <algorithm>
#include <chrono>
#include <QTimer>

namespace torva::test {

// A timer that ticks while the GUI thread processes events, and the longest
// time it went without a tick.
class EventProbe {
  public:
    explicit EventProbe(int intervalMs) {
        timer_.setInterval(intervalMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const auto now = Steady::now();
            longestGap_ = std::max(longestGap_, std::chrono::duration<double>(now - last_).count());
            last_ = now;
            ++ticks_;
        });
        last_ = Steady::now();
        timer_.start();
    }
    void stop() { timer_.stop(); }
    int ticks() const { return ticks_; }
    double longestGap() const { return longestGap_; }  // seconds

  private:
    using Steady = std::chrono::steady_clock;
    QTimer timer_;
    Steady::time_point last_;
    double longestGap_ = 0;
    int ticks_ = 0;
};

}  // namespace torva::test
