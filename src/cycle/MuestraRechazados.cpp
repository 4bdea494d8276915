#include "cycle/MuestraRechazados.h"

#include "cycle/PatenteFiles.h"
#include "names/WorkDirs.h"

namespace torva {

void MuestraRechazados(CycleContext& ctx) {
    auto names = filesOfPatente(ctx, workDirs(ctx.config).rejected);
    if (!names) {
        return;
    }
    for (std::string& name : *names) {
        name += " - RECHAZADO";
    }
    ctx.lists.set(ListId::Rechazados, std::move(*names));
}

}  // namespace torva
