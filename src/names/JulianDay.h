#pragma once

#include "platform/Clock.h"

namespace torva {

// Day of the year of the clock's date: 1 on 1 January, 366 on 31 December of
// a leap year.
int Get_Juliano(const Clock& clock);

}  // namespace torva
