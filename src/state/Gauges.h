#pragma once

#include "state/Observed.h"

namespace torva {

// The countdown bar `ProgressBar1` and the cycle-length slider `SldControl`.
class Gauges : public Observed {
  public:
    static constexpr int kMinCycleSeconds = 10;
    static constexpr int kMaxCycleSeconds = 300;

    int progress() const { return progress_; }
    void setProgress(int value);

    int cycleSeconds() const { return cycleSeconds_; }
    // Clamped to the slider's range.
    void setCycleSeconds(int seconds);

  private:
    int progress_ = 0;
    int cycleSeconds_ = kMinCycleSeconds;
};

}  // namespace torva
