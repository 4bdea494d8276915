#include "cycle/PatenteFiles.h"

#include <algorithm>

#include "names/FileNames.h"
#include "platform/FileSystem.h"

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
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace torva
