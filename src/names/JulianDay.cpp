#include "names/JulianDay.h"

namespace torva {

int Get_Juliano(const Clock& clock) {
    return dayOfYear(clock.now());
}

}  // namespace torva
