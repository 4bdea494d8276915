#pragma once

#include <cstdint>
#include <string>

#include "state/Observed.h"

namespace torva {

// The scheduler's counters and the hidden fields the cycle reads: elapsed
// seconds, notice age, ticker count, the immediate-pass request
// `TxtActualizar` and the path of the pending listing `RemoteFileListBox`.
struct CycleState {
    // 0 while stopped and during a pass; 1 at the end of every pass.
    std::int16_t elapsedSeconds = 0;
    // Running ticks since the last notice fetch, never past 250.
    std::uint8_t noticeAge = 0;
    // Ticks since the notice ticker last moved.
    int tickerCount = 0;
    // "1" asks for a pass at the next running tick.
    std::string txtActualizar;
    // The folder `RemoteFileListBox` lists: the pending markers.
    std::string pendingListingPath;
    // True while a pass runs, also while it waits on a modal window.
    bool passInProgress = false;
};

}  // namespace torva
