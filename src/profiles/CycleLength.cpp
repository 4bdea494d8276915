#include "profiles/CycleLength.h"

#include <cmath>

#include "platform/Text.h"

namespace torva {

void AplicaLapso(Gauges& gauges, const std::string& minutes, const std::string& seconds) {
    if (isNumeric(minutes) && isNumeric(seconds)) {
        const double m = leadingNumber(minutes);
        const double s = leadingNumber(seconds);
        if (m >= 0 && m <= 5 && s >= 0 && s <= 60) {
            gauges.setCycleSeconds(static_cast<int>(std::lround(m * 60 + s)));
            return;
        }
    }
    gauges.setCycleSeconds(gauges.cycleSeconds());
}

}  // namespace torva
