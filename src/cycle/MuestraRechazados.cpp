#include "cycle/MuestraRechazados.h"

#include "cycle/PatenteFiles.h"
#include "names/WorkDirs.h"
#include "profiles/ConfigChecks.h"

namespace torva {

void MuestraRechazados(CycleContext& ctx) {
    const std::string directory = workDirs(ctx.config).rejected;
    if (!ok(ValidaDir(directory))) {
        return;
    }
    std::error_code ec;
    const std::vector<std::string> names = filesOf(directory, ec);
    if (ec) {
        ctx.captions.set(Caption::Evento, "ERROR: No se pudo leer el directorio " + directory);
        return;
    }
    const std::string patente = ctx.config.patente();
    std::vector<std::string> entries;
    for (const std::string& name : names) {
        if (esDeLaPatente(name, patente)) {
            entries.push_back(name + " - RECHAZADO");
        }
    }
    ctx.lists.set(ListId::Rechazados, std::move(entries));
}

}  // namespace torva
