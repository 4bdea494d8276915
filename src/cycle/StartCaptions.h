#pragma once

#include "state/Captions.h"

namespace torva {

// Captions of `Start_Button` and `Menu_Start`: the state of the cycle.
inline constexpr const char* kCaptionIniciar = "&Iniciar";
inline constexpr const char* kCaptionDetener = "&Detener";

// The cycle runs: the button offers to stop it.
inline bool cycleRunning(const Captions& captions) {
    return captions.get(Caption::StartButton) == kCaptionDetener;
}

}  // namespace torva
