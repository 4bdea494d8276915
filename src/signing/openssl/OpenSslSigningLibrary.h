#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/FileSystem.h"
#include "signing/SigningLibrary.h"

namespace torva {

// The signing library on OpenSSL. The search names as signers the distinct
// fields in CURP form of the file; signing checks the document type, the key
// data of every signer, the certificate and the key, the single 201 record and
// that the signed file splits back into what was signed, then writes the
// signed file (layout in signing/SignedFile.h) to a temporary file beside it
// and renames that over the original, so a failure never changes the file.
//
// The file is read once: the search keeps its bytes for the signature that
// follows it, which takes them when the file has not changed in between.
class OpenSslSigningLibrary final : public SigningLibrary {
  public:
    FirmaCode BuscaCurpsG(std::string& path, std::uint8_t tipoDocumento,
                          RegistrosFirma& registros) override;
    FirmaCode GeneraFirmaDigitalG(std::string& path, std::uint8_t tipoDocumento,
                                  RegistrosFirma& registros) override;

  private:
    struct Leido {
        std::string path;
        std::uintmax_t size = 0;
        std::optional<FileTime> time;
        std::string bytes;
    };
    // The bytes the search read, when they are still the file's; else read it.
    static std::error_code leeArchivo(Leido leido, const std::string& path, std::string& bytes);

    Leido leido_;
};

// Document types this library signs.
bool tipoDocumentoValido(std::uint8_t tipoDocumento);

}  // namespace torva
