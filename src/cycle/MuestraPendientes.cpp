#include "cycle/MuestraPendientes.h"

#include "cycle/PatenteFiles.h"
#include "names/WorkDirs.h"
#include "platform/DateText.h"
#include "profiles/ConfigChecks.h"

namespace torva {

void MuestraPendientes(CycleContext& ctx) {
    const std::string directory = workDirs(ctx.config).pending;
    if (!ok(ValidaDir(directory))) {
        return;
    }
    std::error_code ec;
    const std::vector<std::string> names = filesOf(directory, ec);
    if (ec) {
        // The list keeps what it showed rather than claim nothing is pending.
        ctx.captions.set(Caption::Evento, "ERROR: No se pudo leer el directorio " + directory);
        return;
    }
    const std::string patente = ctx.config.patente();
    const std::string hour = formatTime(ctx.clock.now()).substr(0, 5) + " ";
    std::vector<std::string> entries;
    for (const std::string& name : names) {
        if (esDeLaPatente(name, patente)) {
            entries.push_back(name + " - " + hour + " En Espera");
        }
    }
    const bool none = entries.empty();
    if (none) {
        entries.emplace_back("No hay Archivos Pedientes");
    }
    ctx.lists.set(ListId::Pendientes, std::move(entries));
    ctx.lists.setBackground(ListId::Pendientes,
                            none ? ListBackground::Window : ListBackground::ToolTip);
}

}  // namespace torva
