// torva-verify FILE CERTIFICATE
// Checks every closing signature record of a signed validation file against
// the broker's certificate (X.509, DER or PEM): that the certificate's key
// signed the content on behalf of the record's CURP, which the file names.
// Exit status 0 when all of them verify, 1 when one does not, 2 on wrong usage.
#include <cstdio>
#include <string>

#include "signing/openssl/SignedFileCheck.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FILE CERTIFICATE\n", argv[0]);
        return 2;
    }
    const torva::ResultadoVerificacion result = torva::verificaArchivoFirmado(argv[1], argv[2]);
    for (const std::string& line : result.lines) {
        std::printf("%s\n", line.c_str());
    }
    std::printf("%s\n", result.code == torva::verifica::kValida ? "OK" : "FAILED");
    return result.code == torva::verifica::kValida ? 0 : 1;
}
