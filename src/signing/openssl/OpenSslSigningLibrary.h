#pragma once

#include "signing/SigningLibrary.h"

namespace torva {

// The signing library on OpenSSL. The search names as signers the distinct
// fields in CURP form of the file; signing checks the document type, the key
// data of every signer, the single 201 record, the certificate and the key,
// then writes the signed file (layout in signing/SignedFile.h) to a
// temporary file beside it and renames that over the original, so a failure
// never changes the file.
class OpenSslSigningLibrary final : public SigningLibrary {
  public:
    FirmaCode BuscaCurpsG(std::string& path, std::uint8_t tipoDocumento,
                          RegistrosFirma& registros) override;
    FirmaCode GeneraFirmaDigitalG(std::string& path, std::uint8_t tipoDocumento,
                                  RegistrosFirma& registros) override;
};

// Document types this library signs.
bool tipoDocumentoValido(std::uint8_t tipoDocumento);

}  // namespace torva
