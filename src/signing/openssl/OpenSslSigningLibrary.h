#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/FileSystem.h"
#include "signing/SignedFileScan.h"
#include "signing/SigningLibrary.h"

namespace torva {

namespace ossl {
class CopiaAnticipada;
}

// The signing library on OpenSSL. The search names as signers the distinct
// fields in CURP form of the file; signing checks the document type, the key
// data of every signer, the certificate and the key, the single 201 record and
// that the signed file splits back into what was signed, then writes the
// signed file (layout in signing/SignedFile.h) to a temporary file beside it
// and renames that over the original, so a failure never changes the file.
//
// The file is never held whole: the search reads it once in pieces for its
// CURPs, its 201 records and the closing records it ends in, and keeps what
// it found for the signature that follows it (which scans it again when it
// changed in between). While it reads, the signed copy is begun: the pieces
// go to the temporary file and to the digest on threads of their own, and a
// signature that follows on the unchanged file only adds the closing records.
// Otherwise (a file that changed, or that ends in closing records to check)
// the signature reads the file once more, copying it while it takes its
// digest.
class OpenSslSigningLibrary final : public SigningLibrary {
  public:
    FirmaCode BuscaCurpsG(std::string& path, std::uint8_t tipoDocumento,
                          RegistrosFirma& registros) override;
    FirmaCode GeneraFirmaDigitalG(std::string& path, std::uint8_t tipoDocumento,
                                  RegistrosFirma& registros) override;

    OpenSslSigningLibrary();
    ~OpenSslSigningLibrary() override;

  private:
    struct Leido {
        std::string path;
        std::optional<FileTime> time;
        EscaneoArchivo escaneo;
        std::unique_ptr<ossl::CopiaAnticipada> anticipada;
    };
    // Whether the file is still the one the search read.
    static bool vigente(const Leido& leido, const std::string& path);

    Leido leido_;
};

// Document types this library signs.
bool tipoDocumentoValido(std::uint8_t tipoDocumento);

}  // namespace torva
