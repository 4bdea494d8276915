#pragma once

#include <cstdint>
#include <string>

#include "signing/RegistroFirma.h"
#include "signing/SigningCodes.h"

// The signing library as `FirmaArchivo` sees it: two entry points, each with
// the file path, the document type and the six signer records, each returning
// a code of signing/SigningCodes.h.
namespace torva {

class SigningLibrary {
  public:
    virtual ~SigningLibrary() = default;

    // `_BuscaCurpsG@12`: writes the CURPs of the file's signers into the
    // records' CURP fields. May rewrite path (for example to the name the
    // file really has); the caller then uses the rewritten path.
    virtual FirmaCode BuscaCurpsG(std::string& path, std::uint8_t tipoDocumento,
                                  RegistrosFirma& registros) = 0;

    // `_GeneraFirmaDigitalG@12`: signs the file in place with the key data of
    // the records. May rewrite path as the search does.
    virtual FirmaCode GeneraFirmaDigitalG(std::string& path, std::uint8_t tipoDocumento,
                                          RegistrosFirma& registros) = 0;
};

}  // namespace torva
