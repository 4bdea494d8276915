#include "profiles/ServerChoice.h"

#include <vector>

#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "profiles/ConfigChecks.h"
#include "profiles/ErrorText.h"

namespace torva {

void SeleccionaServidor(ConfigRecord& config, EditState& edit, ServerOption option) {
    edit.setServer(option);
    config.set(slot::kHost, config.get(option == ServerOption::Primario ? slot::kPrimaryServer
                                                                        : slot::kSecondaryServer));
}

void CambiaServidor(ConfigRecord& config, EditState& edit, Captions& captions) {
    const std::string& receive = config.get(slot::kReceiveDir);
    if (ValidaDir(receive) != 1) {
        return;
    }
    const std::string path = joinPath(receive, "server.dat");
    if (!pathExists(path)) {
        return;
    }
    std::vector<std::string> lines;
    if (const auto ec = readAnsiLines(path, lines)) {
        // The service's instruction is unknown: keep the server and the file.
        captions.set(Caption::Evento, "No fue posible leer \"" + path + "\": " + errorText(ec) +
                                          "; se conserva el servidor actual");
        return;
    }
    // Only a first line whose value is exactly 1 selects the secondary server.
    if (!lines.empty() && isNumeric(lines[0]) && leadingNumber(lines[0]) == 1.0) {
        SeleccionaServidor(config, edit, ServerOption::Secundario);
        captions.set(Caption::Evento, "Conexión a TORVA mediante el Servidor Secundario");
    } else {
        SeleccionaServidor(config, edit, ServerOption::Primario);
        captions.set(Caption::Evento, "Conexión a TORVA mediante el Servidor Primario");
    }
    if (const auto ec = removeFile(path)) {
        captions.set(Caption::Evento, "No fue posible borrar \"" + path + "\": " + errorText(ec));
    }
}

}  // namespace torva
