#pragma once

#include "cycle/CycleContext.h"

namespace torva {

// Starts the cycle when the button reads "&Iniciar": connects, fetches the
// notices, uploads the configuration and runs the first pass. Otherwise
// stops it and disconnects.
void Start_Button_Click(CycleContext& ctx);

// The menu command does the same.
inline void Menu_Start_Click(CycleContext& ctx) {
    Start_Button_Click(ctx);
}

}  // namespace torva
