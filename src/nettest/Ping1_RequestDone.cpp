#include "nettest/Ping1_RequestDone.h"

#include <cmath>
#include <string>

#include "nettest/CalificaEnlace.h"

namespace torva {

void Ping1_RequestDone(PruebasContext& ctx) {
    if (!ctx.ping1) {
        return;
    }
    const int sent = ctx.ping1->RequestsSent();
    const int received = ctx.ping1->RepliesReceived();
    // The count first, so the rating reads this request's numbers.
    ctx.pruebas.setSendLabel(std::to_string(sent));
    if (sent >= 2) {
        const double loss = 100.0 - received * 100.0 / sent;
        ctx.pruebas.setLossLabel(std::to_string(std::lround(loss)) + "%");
        CalificaEnlace(ctx.pruebas);
    }
}

}  // namespace torva
