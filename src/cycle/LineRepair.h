#pragma once

#include <string>
#include <string_view>
#include <system_error>

#include "platform/FileSystem.h"
#include "platform/OperatorDialogs.h"
#include "state/ConfigRecord.h"

// The line repair a pedimento file ("m" names) gets before it is signed.
namespace torva {

// `AjustaRegistros`' result: 0 when the file was repaired.
enum class [[nodiscard]] AjusteCode : int{};

namespace ajuste {
inline constexpr AjusteCode kOk{0};
inline constexpr AjusteCode kSinRespaldo{1};   // the copy P + "b" could not be made
inline constexpr AjusteCode kSinLectura{2};    // the copy could not be read
inline constexpr AjusteCode kSinEscritura{3};  // the repaired file could not be written
// The file was repaired; only the copy P + "b" could not be removed.
inline constexpr AjusteCode kRespaldoSinBorrar{4};
}  // namespace ajuste

constexpr bool ok(AjusteCode code) {
    return code == ajuste::kOk;
}

// The repaired bytes: lines (ended by CR or CR LF) split at inner LFs, pieces
// shorter than the rules allow dropped, the 801 record cut after its fourth
// field with the prevalidator key as its fifth, every line ended by CR LF.
// When the first line is not H or H + 8 characters long, a piece without a
// break continues on the next line. Bytes are copied, never re-encoded.
std::string ajustaContenido(std::string_view bytes, double headerLength);

// `AjustaRegistros`: rewrites the file at path in place, through the backup
// copy path + "b", with H from slot 17 ("24" first when the slot is not a
// number). A read-only backup left by an earlier failure is replaced. On any
// failure the file keeps its original content, the backup is removed and the
// operator is told; a backup that cannot be removed is reported with its path.
// Returns a code of ajuste::. remove is the file removal, which tests make fail.
AjusteCode AjustaRegistros(const std::string& path, ConfigRecord& config, OperatorDialogs& dialogs,
                           std::error_code (*remove)(const std::string&) = removeFile);

}  // namespace torva
