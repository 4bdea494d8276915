#include "cycle/AvanzaAvisos.h"

namespace torva {

void AvanzaAvisos(CycleContext& ctx) {
    const std::vector<std::string>& notices = ctx.lists.get(ListId::Mensajes);
    const int count = static_cast<int>(notices.size());
    int& index = ctx.cycle.noticeIndex;
    if (index >= 0 && index < count) {
        ctx.captions.set(Caption::LblDespliega, notices[static_cast<std::size_t>(index)]);
    }
    index = index >= 0 && index < count - 1 ? index + 1 : 0;
    ctx.cycle.setTickerAlert(ctx.captions.get(Caption::LblDespliega).starts_with("**"));
}

}  // namespace torva
