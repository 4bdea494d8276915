#include "profiles/ServerChoice.h"

#include <vector>

#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "profiles/ConfigChecks.h"

namespace torva {

void SeleccionaServidor(ConfigRecord& config, EditState& edit, ServerOption option) {
    edit.setServer(option);
    config.set(slot::kHost, config.get(option == ServerOption::Primario ? slot::kPrimaryServer
                                                                        : slot::kSecondaryServer));
}

void CambiaServidor(ConfigRecord& config, EditState& edit, Captions& captions) {
    const std::string& receive = config.get(slot::kReceiveDir);
    if (!ok(ValidaDir(receive))) {
        return;
    }
    const std::string path = joinPath(receive, "server.dat");
    if (!isRegularFile(path)) {
        return;
    }
    std::vector<std::string> lines;
    const bool readable = !readAnsiLines(path, lines);
    // Only a first line whose value is exactly 1 selects the secondary server.
    if (readable && !lines.empty() && isNumeric(lines[0]) && leadingNumber(lines[0]) == 1.0) {
        SeleccionaServidor(config, edit, ServerOption::Secundario);
        captions.set(Caption::Evento, "Conexión a TORVA mediante el Servidor Secundario");
    } else {
        SeleccionaServidor(config, edit, ServerOption::Primario);
        captions.set(Caption::Evento, "Conexión a TORVA mediante el Servidor Primario");
    }
    if (const auto ec = removeFile(path)) {
        captions.set(Caption::Evento, "No fue posible borrar \"" + path + "\": " + ec.message());
    }
}

}  // namespace torva
