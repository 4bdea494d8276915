#include "cycle/RecogeRutasAdicionales.h"

#include <algorithm>
#include <optional>

#include "cycle/MismaCarpeta.h"
#include "names/FileNames.h"
#include "names/WorkDirs.h"
#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/FolderIndex.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace torva {
namespace {

// The wider patente test: at the name's place for the patente, or at its start.
bool cumplePatenteRuta(const std::string& ansiName, const NameParts& parts,
                       const std::string& patente, const std::string& ansiPatente) {
    return cumplePatente(parts, patente) ||
           (ansiName.size() >= 4 && ansiName.compare(0, 4, ansiPatente) == 0);
}

bool cumpleRuta(const std::string& name, const std::string& letter, const std::string& ansiName,
                const std::string& ansiPatente) {
    if (name.empty()) {
        return false;
    }
    const std::string first = name.substr(0, 1);
    return first == letter || asciiLower(first) == letter ||
           (ansiName.size() >= 4 && ansiName.compare(0, 4, ansiPatente) == 0);
}

}  // namespace

void RecogeRutasAdicionales(CycleContext& ctx, const SentRegistry& registry) {
    const std::vector<std::string>& routes = ctx.lists.get(ListId::EnvioLocal);
    const std::vector<std::string>& letters = ctx.lists.get(ListId::ArchivosE);
    const std::string& send = ctx.config.get(slot::kSendDir);
    const std::string patente = ctx.config.patente();
    const std::string ansiPatente = utf8ToAnsi(patente);
    const std::string& sendLetters = ctx.config.get(slot::kSendLetters);
    std::optional<FolderIndex> sendIndex;
    const std::size_t count = std::min(routes.size(), letters.size());
    for (std::size_t k = 0; k < count; ++k) {
        const std::string& route = routes[k];
        const std::string directory = resolvePath(route);
        if (!isDirectory(directory)) {
            continue;
        }
        const bool esEnvio = mismaCarpeta(route, send);
        std::error_code ec;
        const std::vector<DirEntry> entries = listDirectory(directory, ec);
        if (ec) {
            ctx.captions.set(Caption::Evento, "ERROR: No se pudo leer el directorio " + route);
        }
        for (const DirEntry& entry : entries) {
            const std::string& n = entry.name;
            if (entry.isDirectory || tieneControl(n)) {
                continue;
            }
            const NameParts parts = parseName(n);
            const std::string ansi = utf8ToAnsi(n);
            if (!cumpleDia(parts, ctx.julianDay) ||
                !cumplePatenteRuta(ansi, parts, patente, ansiPatente) ||
                !cumpleRuta(n, letters[k], ansi, ansiPatente) || !cumpleLetra(n, sendLetters)) {
                continue;
            }
            const std::string path = joinPath(directory, n);
            const auto modified = modificationTime(path);
            if (!modified || registry.holds(asciiLower(n), fileTimeText(*modified))) {
                continue;
            }
            if (esEnvio) {
                continue;  // the send folder itself: nothing to copy
            }
            if (!sendIndex) {
                sendIndex.emplace(resolvePath(send));
            }
            if (copyFileKeepTimeExact(path, sendIndex->pathOf(n))) {
                ctx.captions.set(Caption::Evento,
                                 "ERROR, no se pudo copiar " + path + " a " + send);
                continue;
            }
            sendIndex->added(n);
        }
    }
}

}  // namespace torva
