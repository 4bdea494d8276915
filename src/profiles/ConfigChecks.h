#pragma once

#include <string>
#include <vector>

#include "profiles/ProfileContext.h"
#include "state/Lists.h"

// Checks of the configuration that build the letter and route lists the
// cycle works from. Each check tells the operator itself and returns a code.
namespace torva {

// RevisaArchivosTipo's result: 1 when the letter lists pair up.
enum class [[nodiscard]] TiposCode : int{Error = 0, Ok = 1};
// RevisaRutas' and RevisaDir's result: 0 when the routes or folders are usable.
enum class [[nodiscard]] RevisaCode : int{Ok = 0, Error = 1};
// ValidaDir's result: 1 for a valid local directory.
enum class [[nodiscard]] DirCode : int{Invalid = 0, Valid = 1};

inline constexpr TiposCode kRevisaArchivosTipoOk = TiposCode::Ok;
inline constexpr TiposCode kRevisaArchivosTipoError = TiposCode::Error;
inline constexpr RevisaCode kRevisaOk = RevisaCode::Ok;
inline constexpr RevisaCode kRevisaError = RevisaCode::Error;

constexpr bool ok(TiposCode code) {
    return code == TiposCode::Ok;
}
constexpr bool ok(RevisaCode code) {
    return code == RevisaCode::Ok;
}
constexpr bool ok(DirCode code) {
    return code == DirCode::Valid;
}

// One entry per character that is not a comma; commas are counted.
struct SplitLetters {
    std::vector<std::string> letters;
    int commas = 0;
};
SplitLetters splitLetters(const std::string& text);

// Valid when the path is a valid local directory (a drive letter on Windows,
// "/" on POSIX).
DirCode ValidaDir(const std::string& path);

// Rebuilds `LstArchivosE` and `LstArchivosR` from slots 10 and 11: 1 when they
// pair up.
TiposCode RevisaArchivosTipo(const ProfileContext& ctx);

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

RevisaCode RevisaRutas(const ProfileContext& ctx, const std::string& CadRuta,
                       const std::string& CadArchivos, const RouteLists& target);

// Removes a trailing separator from slots 3 and 4, then checks that both
// name existing local directories.
RevisaCode RevisaDir(const ProfileContext& ctx);

}  // namespace torva
