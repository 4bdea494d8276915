#include "manual/EliminarBusqueda.h"

#include <algorithm>

#include "names/FileNames.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace torva {

std::vector<std::string> marcasDeLaPatente(const std::string& pendingDir, std::string_view patente,
                                           std::error_code& ec) {
    ec.clear();
    std::vector<std::string> names;
    if (!pathExists(pendingDir)) {
        return names;
    }
    for (DirEntry& entry : listDirectory(pendingDir, ec)) {
        // The patente sits where the search reads it, so an e-name with "."
        // as 9th character is matched on characters 2 to 5, as the search
        // and the pending list do.
        if (!entry.isDirectory && cumplePatente(parseName(entry.name), patente)) {
            names.push_back(std::move(entry.name));
        }
    }
    std::sort(names.begin(), names.end(), ordenNtfs);
    return names;
}

Cancelacion borraMarca(const std::string& pendingDir, const std::string& name) {
    const std::string path = joinPath(pendingDir, name);
    if (!isRegularFile(path)) {
        return Cancelacion::YaNoExiste;
    }
    return removeFile(path) ? Cancelacion::NoSeBorro : Cancelacion::Cancelada;
}

void informaCancelacion(OperatorDialogs& dialogs, const std::string& pendingDir,
                        const std::string& name, Cancelacion resultado) {
    switch (resultado) {
        case Cancelacion::Cancelada:
            dialogs.message(kAppTitle, "La busqueda del archivo " + name + " ha sido cancelada",
                            DialogIcon::None, DialogButtons::Ok);
            return;
        case Cancelacion::YaNoExiste:
            showCritical(dialogs, "El archivo " + name + " ya no está en " + pendingDir +
                                      ": su respuesta ya llegó o alguien más lo borró. No hay "
                                      "busqueda que cancelar; la lista se actualiza.");
            return;
        case Cancelacion::NoSeBorro:
            showCritical(dialogs, "Error. No se pudo borrar el archivo " +
                                      joinPath(pendingDir, name) +
                                      ". La busqueda de su respuesta continúa.");
            return;
    }
}

}  // namespace torva
