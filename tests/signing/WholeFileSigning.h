#pragma once

#include <string>
#include <string_view>

#include "signing/openssl/Handles.h"
#include "signing/SigningCodes.h"

namespace torva::test {

struct FirmaEnMemoria {
    FirmaCode code = firma::kOk;
    std::string bytes;  // the file after the signature (as it was on a refusal)
};

// The signature made with the whole file in memory, every CURP of the file
// signing with the one key and certificate: what signing in pieces must
// write, byte for byte.
FirmaEnMemoria firmaEnMemoria(std::string_view bytes, EVP_PKEY* key, X509* cert);

}  // namespace torva::test
