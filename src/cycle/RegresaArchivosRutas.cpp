#include "cycle/RegresaArchivosRutas.h"

#include <algorithm>
#include <optional>

#include "cycle/MismaCarpeta.h"
#include "names/FileNames.h"
#include "platform/FileSystem.h"
#include "platform/FolderIndex.h"
#include "platform/Paths.h"

namespace torva {
namespace {

// The file name of a list entry, before the time.
std::string nombreDeEntrada(const std::string& entry) {
    const std::size_t separator = entry.find(" - ");
    return entry.substr(0, separator);
}

}  // namespace

void RegresaArchivosRutas(CycleContext& ctx) {
    const std::vector<std::string>& routes = ctx.lists.get(ListId::EnvioLocal);
    const std::vector<std::string>& letters = ctx.lists.get(ListId::ArchivosE);
    const std::vector<std::string>& sent = ctx.lists.get(ListId::Enviados);
    const std::string& send = ctx.config.get(slot::kSendDir);
    std::optional<FolderIndex> sendIndex;
    const std::size_t count = std::min(routes.size(), letters.size());
    for (std::size_t k = 0; k < count; ++k) {
        const std::string& letter = letters[k];
        if (letter.empty() || mismaCarpeta(routes[k], send)) {
            continue;
        }
        std::optional<FolderIndex> routeIndex;
        for (const std::string& entry : sent) {
            if (!entry.starts_with(letter)) {
                continue;
            }
            const std::string name = nombreDeEntrada(entry);
            if (name.empty() || tieneControl(name) ||
                name.find_first_of("/\\") != std::string::npos) {
                continue;
            }
            if (!routeIndex) {
                routeIndex.emplace(resolvePath(routes[k]));
            }
            if (!sendIndex) {
                sendIndex.emplace(resolvePath(send));
            }
            if (!routeIndex->contains(name) || !sendIndex->contains(name)) {
                continue;
            }
            const std::string from = sendIndex->pathOf(name);
            const std::string to = routeIndex->pathOf(name);
            const auto sentTime = modificationTime(from);
            const auto routeTime = modificationTime(to);
            if (!sentTime || !routeTime || *sentTime == *routeTime) {
                continue;
            }
            if (copyFileKeepTimeExact(from, to)) {
                ctx.captions.set(Caption::Evento,
                                 "ERROR, no se pudo copiar " + from + " a " + routes[k]);
            }
        }
    }
}

}  // namespace torva
