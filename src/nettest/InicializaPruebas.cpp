#include "nettest/InicializaPruebas.h"

namespace torva {

void InicializaPruebas(PruebasContext& ctx) {
    ctx.pruebas.setCmdPruebasCaption(kCaptionIniciarPrueba);
    ctx.pruebas.setCheck1(true);
    if (ctx.ping1) {
        ctx.ping1->setSynchronous(true);
        ctx.ping1->setRepeating(false);
        ctx.ping1->setReplyTimeout(2000);
        ctx.ping1->setDontFragment(false);
    }
    ctx.pruebas.setSendLabel("0");
    ctx.pruebas.setRecvLabel("0");
    ctx.pruebas.setLossLabel("0%");
}

}  // namespace torva
