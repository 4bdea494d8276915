#pragma once

#include <string>
#include <vector>

#include "platform/OperatorDialogs.h"
#include "state/ConfigRecord.h"
#include "state/EditState.h"
#include "state/Lists.h"

// Checks of the configuration that build the letter and route lists the
// cycle works from. Each check tells the operator itself and returns a code.
namespace torva {

inline constexpr int kRevisaArchivosTipoOk = 1;
inline constexpr int kRevisaArchivosTipoError = 0;
inline constexpr int kRevisaOk = 0;  // RevisaRutas, RevisaDir
inline constexpr int kRevisaError = 1;

// One entry per character that is not a comma; commas are counted.
struct SplitLetters {
    std::vector<std::string> letters;
    int commas = 0;
};
SplitLetters splitLetters(const std::string& text);

// 1 when the path is a valid local directory (a drive letter on Windows, "/"
// on POSIX), else 0.
int ValidaDir(const std::string& path);

// The parts the checks touch.
struct CheckView {
    ConfigRecord& config;
    Lists& lists;
    EditState& edit;
    OperatorDialogs& dialogs;
};

// Rebuilds `LstArchivosE` and `LstArchivosR` from slots 10 and 11: 1 when they
// pair up.
int RevisaArchivosTipo(CheckView view);

// Which pair of lists a route check fills.
struct RouteLists {
    ListId routes;     // LstEnvioLocal or LstReciboLocal
    ListId letters;    // LstArchivosE or LstArchivosR
    const char* name;  // the route list's tool tip, used in messages
};
inline constexpr RouteLists kSendRoutes{ListId::EnvioLocal, ListId::ArchivosE,
                                        "Rutas de Envio Local"};
inline constexpr RouteLists kReceiveRoutes{ListId::ReciboLocal, ListId::ArchivosR,
                                           "Rutas de Recibo Local"};

int RevisaRutas(CheckView view, const std::string& CadRuta, const std::string& CadArchivos,
                const RouteLists& target);

// Removes a trailing separator from slots 3 and 4, then checks that both
// name existing local directories.
int RevisaDir(CheckView view);

}  // namespace torva
