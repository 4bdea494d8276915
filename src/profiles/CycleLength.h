#pragma once

#include <string>

#include "state/Gauges.h"

// The cycle length: the slider `SldControl` and its minute and second boxes.
namespace torva {

// Leaving either box: two numbers, minutes 0..5 and seconds 0..60, set the
// slider (a length outside 10..300 seconds is clamped into the range and the
// boxes show it); anything else rewrites the boxes from the slider.
void AplicaLapso(Gauges& gauges, const std::string& minutes, const std::string& seconds);

}  // namespace torva
