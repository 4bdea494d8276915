#pragma once

#include <gtest/gtest.h>

#include <string>

#include "signing/openssl/OpenSslSigningLibrary.h"
#include "signing/Pki.h"
#include "state/ConfigRecord.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace torva::test {

inline constexpr const char* kCurp = "GODE561231HDFRRN09";
inline constexpr const char* kPassPhrase = "Secreta#2024";

// A pedimento file naming one signer, with one 201 record and its 801 record.
std::string samplePedimento();

// A broker's key and certificate in a temporary folder, the configuration
// pointing at them, and a file to sign.
class SigningFixture : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // FirmaArchivo with the OpenSSL library on the fixture's file.
    FirmaResult sign(std::uint8_t tipo = 0);
    // torva-verify's exit status for the file and a certificate.
    int verifyTool(const std::string& file, const std::string& cer) const;
    // The exit status of the README's openssl recipe, its lines run as they
    // stand there under a UTF-8 locale, for signer k of n of the file.
    int readmeRecipe(const std::string& file, int n, int k) const;

    static ossl::PKey key_;
    static ossl::PKey otherKey_;
    static ossl::Cert cert_;

    TempDir dir;
    std::string keyPath, cerPath, file;
    ConfigRecord config;
    OpenSslSigningLibrary library;
    ScriptedDialogs dialogs;
};

}  // namespace torva::test
