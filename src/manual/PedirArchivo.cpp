#include "manual/PedirArchivo.h"

#include <algorithm>
#include <cstdio>

#include "names/WorkDirs.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/Utf8.h"

namespace torva {
namespace {

bool soloDigitos(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool esLetraE(std::string_view item) {
    return !item.empty() && (item.front() == 'e' || item.front() == 'E');
}

// A name that stays inside the pending folder: no separator, drive mark or
// control character (the letters and the patente come from the settings).
bool nombreSimple(std::string_view name) {
    return !name.empty() && std::none_of(name.begin(), name.end(), [](char c) {
        return c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20;
    });
}

}  // namespace

std::vector<std::string> letrasSolicitables(std::string_view sendLetters) {
    std::vector<std::string> items;
    for (std::size_t i = 0; i < sendLetters.size();) {
        const std::size_t start = i;
        nextCodePoint(sendLetters, i);
        const std::string letter(sendLetters.substr(start, i - start));
        if (letter == ",") {
            continue;
        }
        if (letter == "e" || letter == "E") {
            items.push_back(letter + "a");
            items.push_back(letter + "b");
        } else {
            items.push_back(letter);
        }
    }
    return items;
}

int largoFolio(std::string_view item) {
    return item == "s" ? 6 : 3;
}

std::optional<std::string> revisaFolio(std::string_view item, std::string_view folio,
                                       std::string_view lower, std::string_view upper) {
    if (item == "s" && folio.size() != 6) {
        return kErrorSagarpa;
    }
    if (!soloDigitos(folio)) {
        return kErrorFolioNumerico;
    }
    if (folio < lower || folio > upper) {
        return kErrorFolioRango;
    }
    return std::nullopt;
}

std::string nombreSolicitado(std::string_view item, std::string_view patente,
                             std::string_view folio, int day) {
    char dia[16];
    std::snprintf(dia, sizeof dia, "%03d", day);
    std::string name(item);
    name += patente;
    name += folio;
    if (!esLetraE(item)) {
        name += '.';
    }
    return name + dia;
}

std::optional<Solicitud> revisaSolicitud(const ConfigRecord& config, const Captions& captions,
                                         OperatorDialogs& dialogs, std::string_view item,
                                         std::string_view folio) {
    if (const auto error = revisaFolio(item, folio, config.get(slot::kLowerFolio),
                                       config.get(slot::kUpperFolio))) {
        showCritical(dialogs, *error);
        return std::nullopt;
    }
    const auto day = parseInteger(captions.get(Caption::DiaJuliano));
    Solicitud solicitud{
        workDirs(config).pending,
        nombreSolicitado(item, config.patente(), folio, day ? static_cast<int>(*day) : 0)};
    if (!nombreSimple(solicitud.name)) {
        showCritical(dialogs, "Error. El nombre de archivo " + solicitud.name +
                                  " no es valido; revise las letras de envío y el usuario.");
        return std::nullopt;
    }
    return solicitud;
}

FalloMarca creaMarca(const Solicitud& solicitud) {
    if (makeDirectory(solicitud.pendingDir) || !isDirectory(solicitud.pendingDir)) {
        return FalloMarca::Carpeta;
    }
    if (writeFileAtomic(joinPath(solicitud.pendingDir, solicitud.name), {})) {
        return FalloMarca::Archivo;
    }
    return FalloMarca::Ninguno;
}

void informaMarca(OperatorDialogs& dialogs, const Solicitud& solicitud, FalloMarca fallo) {
    switch (fallo) {
        case FalloMarca::Ninguno:
            dialogs.message(kAppTitle,
                            "Se buscará respuesta del archivo " + solicitud.name +
                                ". Espere el siguiente ciclo para ver los resultados.",
                            DialogIcon::None, DialogButtons::Ok);
            return;
        case FalloMarca::Carpeta:
            showCritical(dialogs, "Error. No se pudo crear la carpeta " + solicitud.pendingDir +
                                      ". No se buscará respuesta del archivo " + solicitud.name +
                                      ".");
            return;
        case FalloMarca::Archivo:
            showCritical(dialogs, "Error. No se pudo crear el archivo " +
                                      joinPath(solicitud.pendingDir, solicitud.name) +
                                      ". No se buscará respuesta del archivo " + solicitud.name +
                                      ".");
            return;
    }
}

}  // namespace torva
