#pragma once

#include <string>

#include "form/MainWindowLogic.h"
#include "names/JulianDay.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace torva::test {

// A main window's state with a send and a receive folder, patente 1234 and
// letter "m", cycle length 30, at 10:07 on 9 December 2026.
struct CycleFixture {
    TempDir dir;
    ScriptedDialogs dialogs;
    SettableClock clock{{2026, 12, 9, 10, 7, 0}};
    MainPorts ports{dialogs, clock, {"pc", "127.0.0.1"}};
    MainState state;
    std::string send = dir.file("envio");
    std::string receive = dir.file("recibo");

    CycleFixture() {
        makeDirectory(send);
        makeDirectory(receive);
        ConfigRecord& c = state.config;
        c.set(slot::kUser, "usuario1234");
        c.set(slot::kSendDir, send);
        c.set(slot::kReceiveDir, receive);
        c.set(slot::kSendLetters, "m");
        c.set(slot::kReceiveLetters, "m");
        c.set(slot::kRoutes, "0");
        c.set(slot::kPurge, "0");
        state.gauges.setCycleSeconds(30);
        state.configDirectory = dir.path();
        state.julianDay = Get_Juliano(clock);
    }

    CycleContext ctx() { return cycleContext(state, ports); }
    void tick() { TmrControl_Timer(state, ports); }
    // Running and waiting, as a pass leaves the cycle.
    void runningAfterPass() {
        state.captions.set(Caption::StartButton, "&Detener");
        state.cycle.elapsedSeconds = 1;
        state.gauges.setProgress(1);
    }
    std::string caption(Caption c) const { return state.captions.get(c); }
    std::string in(const std::string& folder, const std::string& name) const {
        return joinPath(joinPath(send, folder), name);
    }
};

}  // namespace torva::test
