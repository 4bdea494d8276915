#pragma once

#include <string>

#include "profiles/ProfileContext.h"

// The cycle length: the slider `SldControl` and its minute and second boxes.
namespace torva {

// Leaving either box: two numbers, minutes 0..5 and seconds 0..60, set the
// slider (a length outside 10..300 seconds is clamped into the range and the
// boxes show it); anything else rewrites the boxes from the slider.
void AplicaLapso(const ProfileContext& ctx, const std::string& minutes, const std::string& seconds);

// The operator scrolled `SldControl`: the cycle takes the new length and the
// countdown progress bar `ProgressBar1` starts again at 1.
void SldControl_Scroll(const ProfileContext& ctx, int seconds);

}  // namespace torva
