#pragma once

#include <string>

#include "state/Observed.h"

namespace torva {

// The countdown bar `ProgressBar1`, the cycle-length slider `SldControl` and
// its minute and second boxes.
class Gauges : public Observed {
  public:
    static constexpr int kMinCycleSeconds = 10;
    static constexpr int kMaxCycleSeconds = 300;

    // The bar's value, fractional like the countdown's steps; shown truncated.
    float progress() const { return progress_; }
    void setProgress(float value);

    int cycleSeconds() const { return cycleSeconds_; }
    // Clamped to the slider's range; the minute and second boxes follow.
    void setCycleSeconds(int seconds);

    // Texts of `TxtMinSldControl` and `TxtSegSldControl`.
    const std::string& minutesText() const { return minutesText_; }
    const std::string& secondsText() const { return secondsText_; }

  private:
    float progress_ = 0;
    int cycleSeconds_ = kMinCycleSeconds;
    std::string minutesText_ = "0";
    std::string secondsText_ = "10";
};

}  // namespace torva
