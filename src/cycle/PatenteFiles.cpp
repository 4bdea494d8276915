#include "cycle/PatenteFiles.h"

#include <algorithm>
#include <string_view>

#include "names/FileNames.h"
#include "platform/FileSystem.h"
#include "profiles/ConfigChecks.h"

namespace torva {

bool esDeLaPatente(const std::string& name, const std::string& patente) {
    return cumplePatente(parseName(name), patente);
}

std::vector<std::string> filesOf(const std::string& directory, std::error_code& ec) {
    ec.clear();
    std::vector<std::string> names;
    if (!isDirectory(directory)) {
        return names;
    }
    for (DirEntry& entry : listDirectory(directory, ec)) {
        if (!entry.isDirectory) {
            names.push_back(std::move(entry.name));
        }
    }
    std::sort(names.begin(), names.end(), ordenNtfs);
    return names;
}

std::optional<std::vector<std::string>> filesOfPatente(CycleContext& ctx,
                                                       const std::string& directory) {
    if (!ok(ValidaDir(directory))) {
        return std::nullopt;
    }
    std::error_code ec;
    std::vector<std::string> names = filesOf(directory, ec);
    if (ec) {
        ctx.captions.set(Caption::Evento, "ERROR: No se pudo leer el directorio " + directory);
        return std::nullopt;
    }
    const std::string patente = ctx.config.patente();
    std::erase_if(names, [&](const std::string& name) { return !esDeLaPatente(name, patente); });
    return names;
}

}  // namespace torva
