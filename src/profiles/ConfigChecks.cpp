#include "profiles/ConfigChecks.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "profiles/Panels.h"

namespace torva {
namespace {

const std::string kRoutesError =
    "ERROR: Es imposible continuar, en la configuración de Rutas Adicionales, ";

int countCommas(const std::string& text) {
    int commas = 0;
    for (char c : text) {
        commas += c == ',';
    }
    return commas;
}

// Cuts the routes text at its commas; a comma that is the last character
// belongs to the last route.
std::vector<std::string> cutRoutes(const std::string& text) {
    std::vector<std::string> routes;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool last = i + 1 == text.size();
        if (text[i] == ',' && !last) {
            routes.push_back(current);
            current.clear();
            continue;
        }
        current += text[i];
        if (last) {
            routes.push_back(current);
        }
    }
    return routes;
}

}  // namespace

SplitLetters splitLetters(const std::string& text) {
    SplitLetters split;
    for (char c : text) {
        if (c == ',') {
            ++split.commas;
        } else {
            split.letters.emplace_back(1, c);
        }
    }
    return split;
}

DirCode ValidaDir(const std::string& path) {
    return isValidLocalDirectory(path) ? DirCode::Valid : DirCode::Invalid;
}

TiposCode RevisaArchivosTipo(const ProfileContext& ctx) {
    const SplitLetters send = splitLetters(ctx.config.get(slot::kSendLetters));
    const SplitLetters receive = splitLetters(ctx.config.get(slot::kReceiveLetters));
    ctx.lists.set(ListId::ArchivosE, send.letters);
    ctx.lists.set(ListId::ArchivosR, receive.letters);
    if (send.letters.size() == receive.letters.size() && send.commas == receive.commas) {
        return kRevisaArchivosTipoOk;
    }
    showCritical(ctx.dialogs,
                 "ERROR: Es imposible continuar, en la configuración de tipos de Archivos, no "
                 "coinciden el numero de los tipos de archivos de Envio y Recibo");
    return kRevisaArchivosTipoError;
}

RevisaCode RevisaRutas(const ProfileContext& ctx, const std::string& CadRuta,
                       const std::string& CadArchivos, const RouteLists& target) {
    ctx.lists.clear(target.routes);
    const SplitLetters letters = splitLetters(CadArchivos);
    ctx.lists.set(target.letters, letters.letters);
    if (countCommas(CadRuta) != letters.commas) {
        showCritical(ctx.dialogs, kRoutesError + "no coinciden el numero de " + target.name +
                                      " con los tipos de archivos");
        CmdRutas(ctx);
        return kRevisaError;
    }

    bool empty = false;
    bool invalid = false;
    std::vector<std::string> found;
    for (const std::string& route : cutRoutes(CadRuta)) {
        if (route.empty()) {
            empty = true;
        } else if (!ok(ValidaDir(route)) || !pathExists(route)) {
            invalid = true;
        } else {
            found.push_back(route);
        }
    }
    ctx.lists.set(target.routes, found);
    if (!empty && !invalid) {
        return kRevisaOk;
    }
    if (empty) {
        showCritical(ctx.dialogs,
                     kRoutesError + "al menos una de las " + target.name + " esta vacia");
    }
    if (invalid) {
        showCritical(ctx.dialogs,
                     kRoutesError + "al menos una de las " + target.name + " no es valida");
    }
    ctx.lists.clear(target.routes);
    ctx.lists.clear(target.letters);
    CmdRutas(ctx);
    return kRevisaError;
}

RevisaCode RevisaDir(const ProfileContext& ctx) {
    for (int i : {slot::kSendDir, slot::kReceiveDir}) {
        const std::string& dir = ctx.config.get(i);
        if (endsWithSeparator(dir)) {
            ctx.config.set(i, dir.substr(0, dir.size() - 1));
        }
    }
    const std::string& send = ctx.config.get(slot::kSendDir);
    const std::string& receive = ctx.config.get(slot::kReceiveDir);
    if (!ok(ValidaDir(send)) || !ok(ValidaDir(receive)) || !pathExists(send) ||
        !pathExists(receive)) {
        showCritical(
            ctx.dialogs,
            "ERROR: es imposible continuar, en la Configuración del Sistema, uno o ambos "
            "directorios locales no existen, esta mal escrita la ruta o han sido borrados, para "
            "poder continuar deberá proporcionar rutas con directorios validos. Nota: modificar "
            "los directorios locales puede hacer que se ejecute la depuración del sistema, si "
            "tiene archivos pendientes serán borrados y sus archivos de respuesta del día serán "
            "movidos al directorio de respaldo.");
        return kRevisaError;
    }
    return kRevisaOk;
}

}  // namespace torva
