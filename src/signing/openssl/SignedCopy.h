#pragma once

#include <string>
#include <vector>

#include "signing/openssl/Handles.h"
#include "signing/SignedFileScan.h"
#include "signing/SigningCodes.h"

namespace torva::ossl {

// A signer's key and certificate, checked to belong together.
struct Credencial {
    std::string curp;
    PKey key;
    Cert cert;
};

// Writes the signed file (layout in signing/SignedFile.h) in one more reading
// of the file, in pieces: its content goes to a temporary file beside it
// while its digest is taken, then the closing records follow and the copy is
// renamed over the file, keeping its permissions. The closing records the
// file already ends in (found by its scan) are left out when every one of
// them verifies with a signer's certificate; when one does not, the content
// would end in a line of closing-record form, and nothing is written.
// Every failure leaves the file as it was.
FirmaCode escribeFirmado(const std::string& path, const EscaneoArchivo& escaneo,
                         const std::vector<Credencial>& credenciales);

class CopiaAnticipada;
// The same from the copy the search began, for a file that ends in no
// closing records.
FirmaCode escribeFirmado(CopiaAnticipada& anticipada, const std::string& path,
                         const EscaneoArchivo& escaneo,
                         const std::vector<Credencial>& credenciales);

}  // namespace torva::ossl
