#include "state/Gauges.h"

#include <algorithm>

namespace torva {

void Gauges::setProgress(float value) {
    progress_ = value;
    notify([](MainObserver& o) { o.gaugesChanged(); });
}

void Gauges::setCycleSeconds(int seconds) {
    cycleSeconds_ = std::clamp(seconds, kMinCycleSeconds, kMaxCycleSeconds);
    minutesText_ = std::to_string(cycleSeconds_ >= 60 ? cycleSeconds_ / 60 : 0);
    secondsText_ = std::to_string(cycleSeconds_ >= 60 ? cycleSeconds_ % 60 : cycleSeconds_);
    notify([](MainObserver& o) { o.gaugesChanged(); });
}

}  // namespace torva
