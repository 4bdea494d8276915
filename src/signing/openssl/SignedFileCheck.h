#pragma once

#include <string>
#include <vector>

// Checks a signed validation file against a certificate.
namespace torva {

namespace verifica {
inline constexpr int kValida = 0;
inline constexpr int kArchivoIlegible = 1;
inline constexpr int kCertificadoIlegible = 2;
inline constexpr int kSinFirmas = 3;
inline constexpr int kOtroCertificado = 4;  // serial number differs
inline constexpr int kCurpAjena = 5;        // the CURP is not in the content
inline constexpr int kFirmaInvalida = 6;
}  // namespace verifica

struct ResultadoVerificacion {
    int code = verifica::kValida;  // the first failure found
    // For people: the certificate's number and subject, then one line per
    // closing record saying what was checked.
    std::vector<std::string> lines;
};

// Every closing record must carry the certificate's number, a CURP named in
// the content and a signature of the content that the certificate's public
// key verifies: the certificate's holder signed on behalf of that CURP. The
// CURP is not checked to be the holder's (the broker signs for every CURP
// the file names with one key). The certificate's dates are not checked: a signature stays
// valid after its certificate expires.
ResultadoVerificacion verificaArchivoFirmado(const std::string& path, const std::string& cer);

}  // namespace torva
