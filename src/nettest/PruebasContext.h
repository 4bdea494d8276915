#pragma once

#include "nettest/IcmpEcho.h"
#include "nettest/PruebasState.h"
#include "platform/OperatorDialogs.h"
#include "state/Captions.h"
#include "state/ConfigRecord.h"
#include "state/CycleState.h"

namespace torva {

// What the connectivity tests work on: the connection tab, the comment
// caption, the server in use, the cycle's lock and the echo component.
struct PruebasContext {
    PruebasState& pruebas;
    Captions& captions;
    const ConfigRecord& config;
    const CycleState& cycle;
    OperatorDialogs& dialogs;
    // None until the window wires one in.
    IcmpEcho* ping1 = nullptr;

    void comenta(const std::string& text, ColorComentario color) {
        captions.set(Caption::LblComentario, text);
        pruebas.setColorComentario(color);
    }
};

}  // namespace torva
