#include "cycle/MuestraPendientes.h"

#include "cycle/PatenteFiles.h"
#include "names/WorkDirs.h"
#include "platform/DateText.h"

namespace torva {

void MuestraPendientes(CycleContext& ctx) {
    auto entries = filesOfPatente(ctx, workDirs(ctx.config).pending);
    if (!entries) {
        return;
    }
    const std::string hour = formatTime(ctx.clock.now()).substr(0, 5) + " ";
    for (std::string& name : *entries) {
        name += " - " + hour + " En Espera";
    }
    const bool none = entries->empty();
    if (none) {
        entries->emplace_back("No hay Archivos Pedientes");
    }
    ctx.lists.set(ListId::Pendientes, std::move(*entries));
    ctx.lists.setBackground(ListId::Pendientes,
                            none ? ListBackground::Window : ListBackground::ToolTip);
}

}  // namespace torva
