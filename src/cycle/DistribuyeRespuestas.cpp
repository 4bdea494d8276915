#include "cycle/DistribuyeRespuestas.h"

#include <algorithm>
#include <optional>

#include "cycle/MismaCarpeta.h"
#include "names/FileNames.h"
#include "platform/FileSystem.h"
#include "platform/FolderIndex.h"

namespace torva {
namespace {

bool es(char c, char lower) {
    return c == lower || c == lower - 'a' + 'A';
}

bool esLetra(std::string_view letter, char lower) {
    return letter.size() == 1 && es(letter[0], lower);
}

// A name a response can have: no folder part, no control character.
bool nombreSeguro(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && !tieneControl(name) &&
           name.find_first_of("/\\:") == std::string_view::npos;
}

}  // namespace

bool respuestaVaARuta(std::string_view n, std::string_view s) {
    if (n.empty()) {
        return false;
    }
    if (es(n[0], 'r')) {
        const bool conSegunda = n.size() > 1 && (es(n[1], 'a') || es(n[1], 'b'));
        return conSegunda ? !esLetra(s, 'b') : !esLetra(s, 'e');
    }
    if (es(n[0], 'a')) {
        const bool punto = n.size() > 8 && n[8] == '.';
        return punto ? esLetra(s, 'e') : esLetra(s, 'f');
    }
    return true;
}

void DistribuyeRespuestas(CycleContext& ctx) {
    const Lists& lists = ctx.lists;
    const std::vector<std::string>& sendLetters = lists.get(ListId::ArchivosE);
    const std::vector<std::string>& responseLetters = lists.get(ListId::ArchivosR);
    const std::vector<std::string>& routes = lists.get(ListId::ReciboLocal);
    const std::vector<std::string>& received = lists.get(ListId::Recibidos);
    const std::string& receive = ctx.config.get(slot::kReceiveDir);
    const std::size_t count = std::min({sendLetters.size(), responseLetters.size(), routes.size()});
    std::optional<FolderIndex> receiveIndex;
    for (std::size_t j = 0; j < count; ++j) {
        const std::string& letter = responseLetters[j];
        if (letter.empty() || mismaCarpeta(routes[j], receive)) {
            continue;
        }
        std::optional<FolderIndex> routeIndex;
        for (const std::string& entry : received) {
            if (!entry.starts_with(letter)) {
                continue;
            }
            const std::string name = entry.substr(0, entry.find(" - "));
            if (!nombreSeguro(name) || !respuestaVaARuta(name, sendLetters[j])) {
                continue;
            }
            if (!receiveIndex) {
                receiveIndex.emplace(resolvePath(receive));
            }
            if (!receiveIndex->contains(name)) {
                continue;  // moved or purged
            }
            if (!routeIndex) {
                routeIndex.emplace(resolvePath(routes[j]));
            }
            if (copyFileKeepTimeExact(receiveIndex->pathOf(name), routeIndex->pathOf(name))) {
                ctx.captions.set(Caption::Evento,
                                 "ERROR, no se pudo copiar " + name + " a " + routes[j]);
                continue;
            }
            routeIndex->added(name);
        }
    }
}

}  // namespace torva
