#pragma once

#include <cstdint>
#include <string>

#include "platform/OperatorDialogs.h"
#include "signing/SigningLibrary.h"
#include "state/ConfigRecord.h"

namespace torva {

// Signs the file at path in place with the key, certificate and pass phrase of
// slots 13, 14 and 15. Returns firma::kFirmado only when the file was signed; otherwise the
// operator has been told (or the search's own code is returned) and the file
// must not be uploaded. path takes the rewrite the library may make.
FirmaResult FirmaArchivo(std::string& path, std::uint8_t& tipoDocumento, const ConfigRecord& config,
                         SigningLibrary& library, OperatorDialogs& dialogs);

// The operator's text for a failure code of `_GeneraFirmaDigitalG@12`.
std::string mensajeFirma(FirmaCode code, const std::string& path);

}  // namespace torva
