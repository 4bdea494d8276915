#include "profiles/CycleLength.h"

#include <cmath>

#include "platform/Text.h"

namespace torva {

void AplicaLapso(const ProfileContext& ctx, const std::string& minutes,
                 const std::string& seconds) {
    if (isNumeric(minutes) && isNumeric(seconds)) {
        const double m = leadingNumber(minutes);
        const double s = leadingNumber(seconds);
        if (m >= 0 && m <= 5 && s >= 0 && s <= 60) {
            ctx.gauges.setCycleSeconds(static_cast<int>(std::lround(m * 60 + s)));
            return;
        }
    }
    ctx.gauges.setCycleSeconds(ctx.gauges.cycleSeconds());
}

void SldControl_Scroll(const ProfileContext& ctx, int seconds) {
    ctx.gauges.setCycleSeconds(seconds);
    ctx.gauges.setProgress(1);
}

}  // namespace torva
