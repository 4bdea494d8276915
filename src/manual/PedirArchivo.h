#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/OperatorDialogs.h"
#include "state/Captions.h"
#include "state/ConfigRecord.h"

namespace torva {

inline constexpr const char* kErrorSagarpa =
    "Error. El número de archivo de Sagarpa solicitado no es valido, debe capturar el número de "
    "OISA seguido del número de folio del archivo.";
inline constexpr const char* kErrorFolioNumerico =
    "Error. El folio del Archivo debe ser un valor numérico.";
inline constexpr const char* kErrorFolioRango =
    "Error. El folio Solicitado con esta dentro del rango de folios autorizados.";

// The items of `CboLetra`: every character of the send letters but the
// commas, in order and with repeats; "e" and "E" give two items each, the
// letter followed by "a" and by "b".
std::vector<std::string> letrasSolicitables(std::string_view sendLetters);

// The length limit of `TxtFolio`: 6 for the item "s" (OISA number and
// folio), 3 for any other.
int largoFolio(std::string_view item);

// The checks of a request in their order: the text of the first that fails,
// nothing when all pass. Digits only count as a folio; the range is compared
// as text, character by character.
std::optional<std::string> revisaFolio(std::string_view item, std::string_view folio,
                                       std::string_view lower, std::string_view upper);

// item + patente + folio + the day in 3 digits, with "." before the day
// unless the item begins with "e" or "E": m1234045.007, ea1234045007.
std::string nombreSolicitado(std::string_view item, std::string_view patente,
                             std::string_view folio, int day);

// A request that passed its checks: the empty marker to put in the pending
// folder.
struct Solicitud {
    std::string pendingDir;
    std::string name;
};

// What kept a marker from being created.
enum class FalloMarca { Ninguno, Carpeta, Archivo };

// The checks of `CmdAceptar`, each failure in its error box; the request
// when they pass. The day is the one `DiaJuliano` shows.
std::optional<Solicitud> revisaSolicitud(const ConfigRecord& config, const Captions& captions,
                                         OperatorDialogs& dialogs, std::string_view item,
                                         std::string_view folio);

// Creates the pending folder when missing, then the marker with no content;
// an existing marker is emptied.
FalloMarca creaMarca(const Solicitud& solicitud);

// The box that follows the write: the notice that the response will be
// looked for, or the error that kept the marker from being made.
void informaMarca(OperatorDialogs& dialogs, const Solicitud& solicitud, FalloMarca fallo);

}  // namespace torva
