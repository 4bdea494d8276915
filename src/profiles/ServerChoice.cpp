#include "profiles/ServerChoice.h"

#include <vector>

#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "profiles/ConfigChecks.h"
#include "profiles/ErrorText.h"

namespace torva {

void SeleccionaServidor(const ProfileContext& ctx, ServerOption option) {
    ctx.edit.setServer(option);
    ctx.config.set(slot::kHost,
                   ctx.config.get(option == ServerOption::Primario ? slot::kPrimaryServer
                                                                   : slot::kSecondaryServer));
}

void CambiaServidor(const ProfileContext& ctx) {
    const std::string& receive = ctx.config.get(slot::kReceiveDir);
    if (!ok(ValidaDir(receive))) {
        return;
    }
    const std::string path = joinPath(receive, "server.dat");
    if (!pathExists(path)) {
        return;
    }
    std::vector<std::string> lines;
    if (const auto ec = readAnsiLines(path, lines)) {
        // The service's instruction is unknown: keep the server and the file.
        ctx.captions.set(Caption::Evento, "No fue posible leer \"" + path + "\": " + errorText(ec) +
                                              "; se conserva el servidor actual");
        return;
    }
    // Only a first line whose value is exactly 1 selects the secondary server.
    if (!lines.empty() && isNumeric(lines[0]) && leadingNumber(lines[0]) == 1.0) {
        SeleccionaServidor(ctx, ServerOption::Secundario);
        ctx.captions.set(Caption::Evento, "Conexión a TORVA mediante el Servidor Secundario");
    } else {
        SeleccionaServidor(ctx, ServerOption::Primario);
        ctx.captions.set(Caption::Evento, "Conexión a TORVA mediante el Servidor Primario");
    }
    if (const auto ec = removeFile(path)) {
        ctx.captions.set(Caption::Evento,
                         "No fue posible borrar \"" + path + "\": " + errorText(ec));
    }
}

}  // namespace torva
