#include <gtest/gtest.h>

#include "cycle/EnviaArchivos.h"
#include "cycle/PrevalidatorKey.h"
#include "PassFixture.h"
#include "signing/openssl/OpenSslSigningLibrary.h"
#include "signing/Pki.h"
#include "signing/SignedFile.h"

namespace torva::test {
namespace {

const std::string kCurp = "GODE561231HDFRRN09";

// A pedimento written with LF alone, as some systems leave them.
std::string pedimento(const std::string& name) {
    return "500|1|1234|3420|0|\n501|1234|4001234|3420|1|A1|XAXX010101000|" + kCurp +
           "|\n201|4001234|\n801|" + name + "|1|4|999|\n";
}

TEST(SignedPass, FilesAreRepairedAndSignedBeforeTheDayCheck) {
    PassFixture f;
    const ossl::PKey key = makeRsaKey();
    const ossl::Cert cert = makeCertificate(key.get(), -1, 365);
    writeKey(key.get(), f.local.file("agente.key"), "Secreta#2024", KeyForm::EncryptedDer);
    writeCertificate(cert.get(), f.local.file("agente.cer"), CertForm::Der);
    f.config.set(slot::kKeyFile, f.local.file("agente.key"));
    f.config.set(slot::kCertFile, f.local.file("agente.cer"));
    f.config.set(slot::kKeyPassword, "Secreta#2024");
    f.config.set(slot::kSign, "1");
    OpenSslSigningLibrary library;
    f.ctx.signer = &library;

    f.drop("m1234001.123", pedimento("m1234001.123"));
    f.drop("m1234002.122", pedimento("m1234002.122"));  // wrong day: signed, then refused
    f.drop("b1234003.123", "no type: never signed");

    EnviaArchivos(f.ctx);
    EXPECT_TRUE(f.dialogs.shown.empty()) << f.dialogs.texts()[0];
    const ArchivoFirmado sent = separaFirmas(readBytes(f.remoteFile("REC/m1234001.123")));
    EXPECT_EQ(sent.firmas.size(), 1u);
    EXPECT_NE(sent.contenido.find("\r\n801|m1234001.123|1|4|" + std::string(kClavePrevalidador) +
                                  "|\r\n"),
              std::string::npos);
    EXPECT_EQ(separaFirmas(readBytes(joinPath(f.rejected, "m1234002.122"))).firmas.size(), 1u);
    EXPECT_EQ(readBytes(f.remoteFile("REC/b1234003.123")), "no type: never signed");

    // Signed in place: the registry holds the signed file's time, so it stays sent.
    EnviaArchivos(f.ctx);
    EXPECT_TRUE(f.lists.get(ListId::SendFiles).empty());
}

TEST(SignedPass, AFileThatCannotBeSignedStaysForTheNextPass) {
    PassFixture f;
    f.config.set(slot::kKeyFile, f.local.file("no-such.key"));
    f.config.set(slot::kSign, "1");
    OpenSslSigningLibrary library;
    f.ctx.signer = &library;
    f.drop("m1234001.123", pedimento("m1234001.123"));

    EnviaArchivos(f.ctx);
    EXPECT_EQ(f.dialogs.shown.size(), 1u);  // FirmaArchivo tells why
    EXPECT_TRUE(f.namesIn(f.remoteFile("REC")).empty());
    EXPECT_FALSE(pathExists(f.registryPath()));
    EnviaArchivos(f.ctx);
    EXPECT_EQ(f.dialogs.shown.size(), 2u);  // tried again
}

}  // namespace
}  // namespace torva::test
