#include <gtest/gtest.h>

#include "cycle/EnviaArchivos.h"
#include "PassFixture.h"
#include "signing/openssl/OpenSslSigningLibrary.h"
#include "signing/Pki.h"
#include "signing/SignedFile.h"

namespace torva::test {

namespace {

const std::string kCurp = "GODE561231HDFRRN09";

// Two producing systems, each with its route folder: the pedimentos of "m"
// are signed, the "b" files are not.
TEST(RoutesPass, ASignedFileGoesBackToItsRouteAndIsNotCollectedAgain) {
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

    const std::string routeM = f.local.file("sistema-m");
    const std::string routeB = f.local.file("sistema-b");
    makeDirectory(routeM);
    makeDirectory(routeB);
    f.config.set(slot::kSendLetters, "m,b");
    f.config.set(slot::kRoutes, "1");
    f.lists.set(ListId::EnvioLocal, {routeM, routeB});
    f.lists.set(ListId::ArchivosE, {"m", "b"});
    const std::string pedimento = joinPath(routeM, "m1234001.123");
    writeBytes(pedimento, "500|1|1234|3420|0|\r\n501|1234|4001234|3420|1|A1|XAXX010101000|" +
                              kCurp + "|\r\n801|m1234001.123|1|4|999|\r\n");
    PassFixture::setTime(pedimento, 10);
    const std::string pago = joinPath(routeB, "b1234002.123");
    writeBytes(pago, "pago\r\n");
    PassFixture::setTime(pago, 20);
    const auto pagoTime = modificationTime(pago);

    EnviaArchivos(f.ctx);
    EXPECT_TRUE(f.dialogs.shown.empty());
    EXPECT_EQ(f.namesIn(f.remoteFile("REC")),
              (std::vector<std::string>{"b1234002.123", "m1234001.123"}));
    // The signed version is back in its route with the sent file's time.
    EXPECT_EQ(readBytes(pedimento), readBytes(f.remoteFile("REC/m1234001.123")));
    EXPECT_EQ(separaFirmas(readBytes(pedimento)).firmas.size(), 1u);
    EXPECT_EQ(modificationTime(pedimento), modificationTime(joinPath(f.send, "m1234001.123")));
    EXPECT_EQ(modificationTime(pago), pagoTime);

    // Nothing goes out again, also once the send folder's copies are gone.
    removeFile(joinPath(f.send, "m1234001.123"));
    removeFile(joinPath(f.send, "b1234002.123"));
    EnviaArchivos(f.ctx);
    EXPECT_TRUE(f.lists.get(ListId::SendFiles).empty());
    EXPECT_FALSE(pathExists(joinPath(f.send, "m1234001.123")));
}

}  // namespace
}  // namespace torva::test
