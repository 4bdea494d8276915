#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>

#include "platform/FileSystem.h"
#include "signing/FirmaArchivo.h"
#include "signing/openssl/OpenSslSigningLibrary.h"
#include "signing/openssl/Signature.h"
#include "signing/openssl/SignedFileCheck.h"
#include "signing/SignedFile.h"
#include "signing/SigningCodes.h"
#include "signing/SigningFixture.h"

namespace torva::test {
namespace {

using OpenSslLibrary = SigningFixture;

std::size_t entries(const std::string& dir) {
    std::error_code ec;
    return listDirectory(dir, ec).size();
}

TEST_F(OpenSslLibrary, SignsInPlaceAndTheSignatureVerifies) {
    ASSERT_EQ(sign(), firma::kFirmado);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.busyDepth, 0);

    const std::string bytes = readBytes(file);
    const ArchivoFirmado signedFile = separaFirmas(bytes);
    EXPECT_EQ(signedFile.contenido, samplePedimento());
    ASSERT_EQ(signedFile.firmas.size(), 1u);
    EXPECT_EQ(signedFile.firmas[0].curp, kCurp);
    EXPECT_EQ(signedFile.firmas[0].certificado, "1092");  // serial 4242
    EXPECT_EQ(entries(dir.path()), 3u);                   // no temporary file left

    // The verification command, as a person runs it; its words name what it
    // checked: this certificate signed on behalf of the CURP.
    EXPECT_EQ(verifyTool(file, cerPath), 0);
    EXPECT_EQ(verificaArchivoFirmado(file, cerPath).lines,
              (std::vector<std::string>{
                  "certificate 1092, subject "
                  "serialNumber=GODE561231HDFRRN09,CN=AGENTE ADUANAL DE PRUEBA",
                  std::string(kCurp) +
                      ": certificate 1092 signed the content on behalf of this CURP, which the "
                      "file names (whether the CURP is the certificate holder's is not "
                      "checked)"}));
    const std::string otherCer = dir.file("otro.cer");
    writeCertificate(makeCertificate(otherKey_.get(), -1, 30, 4242).get(), otherCer, CertForm::Pem);
    EXPECT_EQ(verifyTool(file, otherCer), 1);  // same number, other key
    EXPECT_EQ(verificaArchivoFirmado(file, otherCer).code, verifica::kFirmaInvalida);

    // The openssl command line checks the same signature over the same bytes.
    writeBytes(dir.file("content.bin"), signedFile.contenido);
    writeBytes(dir.file("sig.bin"), *ossl::fromBase64(signedFile.firmas[0].firma));
    writePublicKeyPem(cert_.get(), dir.file("pub.pem"));
    const std::string dgst = std::string(TORVA_OPENSSL) + " dgst -sha256 -verify " +
                             dir.file("pub.pem") + " -signature " + dir.file("sig.bin") + " ";
    if (kHostCommands) {
        EXPECT_EQ(run(dgst + dir.file("content.bin")), 0);
    }

    // One changed byte, and neither accepts it.
    std::string tampered = bytes;
    tampered[bytes.find("4001234")] = '5';
    writeBytes(file, tampered);
    EXPECT_EQ(verifyTool(file, cerPath), 1);
    writeBytes(dir.file("content.bin"), separaFirmas(tampered).contenido);
    if (kHostCommands) {
        EXPECT_EQ(run(dgst + dir.file("content.bin")), 1);
    }
}

TEST_F(OpenSslLibrary, EveryRefusalHasItsCodeAndLeavesTheFileAlone) {
    struct Case {
        const char* what;
        std::function<void()> arrange;
        FirmaCode code;
        std::uint8_t tipo = 0;
    };
    const auto certFor = [&](long from, long to) {
        writeCertificate(makeCertificate(key_.get(), from, to).get(), cerPath, CertForm::Der);
    };
    const Case cases[] = {
        {"wrong pass phrase", [&] { config.set(slot::kKeyPassword, "secreta#2024"); },
         firma::kContrasenaIncorrecta},
        {"empty pass phrase", [&] { config.set(slot::kKeyPassword, ""); },
         firma::kContrasenaIncorrecta},
        {"not a key", [&] { writeBytes(keyPath, "-----BEGIN CERTIFICATE-----\n"); },
         firma::kKeyCorrompido},
        {"garbage key", [&] { writeBytes(keyPath, std::string(600, '\x30')); },
         firma::kKeyCorrompido},
        {"key of another certificate",
         [&] { writeKey(otherKey_.get(), keyPath, kPassPhrase, KeyForm::EncryptedDer); },
         firma::kKeyNoCorresponde},
        {"no certificate", [&] { config.set(slot::kCertFile, dir.file("none.cer")); },
         firma::kCertificadoIlegible},
        {"garbage certificate", [&] { writeBytes(cerPath, "xx"); }, firma::kCertificadoIlegible},
        {"expired certificate", [&] { certFor(-60, -1); }, firma::kCertificadoVencido},
        {"certificate not valid yet", [&] { certFor(2, 60); }, firma::kCertificadoVencido},
        {"two 201 records",
         [&] { writeBytes(file, "500|1|\r\n201|a|" + std::string(kCurp) + "|\r\n201|b|\r\n"); },
         firma::kVariosRegistros201},
        {"unknown document type", [] {}, firma::kTipoNoValido, 5},
        {"no signer in the file", [&] { writeBytes(file, "500|1|\r\n801|x|\r\n"); },
         firma::kSinFirmantes},
        {"temporary file impossible", [&] { makeDirectory(temporaryPathFor(file)); },
         firma::kSinArchivoTemporal},
        // A key that exists at a path longer than the record's field.
        {"KEY path cut to its field",
         [&] {
             const std::string deep = dir.file(std::string(150, 'k'));
             makeDirectory(deep);
             const std::string longKey = deep + "/" + std::string(150, 'k') + ".key";
             writeKey(key_.get(), longKey, kPassPhrase, KeyForm::EncryptedDer);
             config.set(slot::kKeyFile, longKey);
         },
         firma::kDatosCortados},
    };
    for (const Case& c : cases) {
        SetUp();
        dialogs = ScriptedDialogs();
        c.arrange();
        const std::string before = readBytes(file);
        const std::size_t count = entries(dir.path());
        EXPECT_EQ(sign(c.tipo), firma::kRespuestaAceptar) << c.what;
        EXPECT_EQ(dialogs.texts(), std::vector<std::string>{mensajeFirma(c.code, file)}) << c.what;
        EXPECT_EQ(readBytes(file), before) << c.what;
        EXPECT_EQ(entries(dir.path()), count) << c.what;
        EXPECT_EQ(dialogs.busyDepth, 0);
    }
}

TEST_F(OpenSslLibrary, AcceptsPkcs8DerOrPemAndCertificatesInEitherForm) {
    struct Case {
        const char* what;
        std::function<void()> writeKeyFile;
        CertForm cert;
    };
    const Case cases[] = {
        {"encrypted DER",
         [&] { writeKey(key_.get(), keyPath, kPassPhrase, KeyForm::EncryptedDer); }, CertForm::Pem},
        {"encrypted PEM",
         [&] { writeKey(key_.get(), keyPath, kPassPhrase, KeyForm::EncryptedPem); }, CertForm::Der},
        {"plain DER", [&] { writeKey(key_.get(), keyPath, "", KeyForm::PlainDer); }, CertForm::Der},
        // The form the authority issues: PKCS#8 DER with 3DES, made by the command line
        // (under Wine by the library, the same form).
        {"3DES DER by openssl",
         [&] {
             if (!kHostCommands) {
                 writeKey(key_.get(), keyPath, kPassPhrase, KeyForm::TripleDesDer);
                 return;
             }
             writeKey(key_.get(), dir.file("plain.key"), "", KeyForm::PlainDer);
             ASSERT_EQ(
                 run(std::string(TORVA_OPENSSL) +
                     " pkcs8 -topk8 -inform DER -outform DER -v1 PBE-SHA1-3DES -in " +
                     dir.file("plain.key") + " -out " + keyPath + " -passout pass:" + kPassPhrase),
                 0);
         },
         CertForm::Der},
    };
    for (const Case& c : cases) {
        SetUp();
        c.writeKeyFile();
        writeCertificate(cert_.get(), cerPath, c.cert);
        EXPECT_EQ(sign(), firma::kFirmado) << c.what;
        EXPECT_EQ(verificaArchivoFirmado(file, cerPath).code, verifica::kValida) << c.what;
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(OpenSslLibrary, SigningAgainReplacesTheSignatureAndFindsTheFileByAnyCase) {
    std::string path = dir.file("M1234001.123");
    std::uint8_t tipo = 0;
    ASSERT_EQ(FirmaArchivo(path, tipo, config, library, dialogs), firma::kFirmado);
    // The search gave back a name of the file (on POSIX, the name it has).
    EXPECT_TRUE(std::filesystem::equivalent(toFsPath(path), toFsPath(file)));
    ASSERT_EQ(FirmaArchivo(path, tipo, config, library, dialogs), firma::kFirmado);
    const ArchivoFirmado signedFile = separaFirmas(readBytes(file));
    EXPECT_EQ(signedFile.contenido, samplePedimento());
    EXPECT_EQ(signedFile.firmas.size(), 1u);
    EXPECT_EQ(verifyTool(file, cerPath), 0);
}

// The search keeps the bytes it read for the signature; a file changed in
// between is read again, so what is signed is what the file holds.
TEST_F(OpenSslLibrary, AFileChangedBetweenSearchAndSignatureIsReadAgain) {
    RegistrosFirma records{};
    std::string path = file;
    ASSERT_EQ(library.BuscaCurpsG(path, 0, records), firma::kOk);
    escribeCampo(records[0], CampoFirma::ArchivoKey, keyPath + '\0');
    escribeCampo(records[0], CampoFirma::ArchivoCer, cerPath + '\0');
    escribeCampo(records[0], CampoFirma::Contrasena, std::string(kPassPhrase) + '\0');

    std::string changed = samplePedimento();  // same size, other bytes
    changed[changed.find("3420")] = '9';
    writeBytes(file, changed);
    const auto later = std::filesystem::last_write_time(toFsPath(file)) + std::chrono::seconds(2);
    std::filesystem::last_write_time(toFsPath(file), later);

    ASSERT_EQ(library.GeneraFirmaDigitalG(path, 0, records), firma::kOk);
    EXPECT_EQ(separaFirmas(readBytes(file)).contenido, changed);
    EXPECT_EQ(verifyTool(file, cerPath), 0);
}

// The search begins the signed copy; a search that no signature follows, or
// one refused, leaves no temporary file and the file as it was.
TEST_F(OpenSslLibrary, ASearchWithoutItsSignatureLeavesNoTemporaryFile) {
    RegistrosFirma records{};
    std::string path = file;
    {
        OpenSslSigningLibrary alone;
        ASSERT_EQ(alone.BuscaCurpsG(path, 0, records), firma::kOk);
    }
    EXPECT_EQ(entries(dir.path()), 3u);

    ASSERT_EQ(library.BuscaCurpsG(path, 0, records), firma::kOk);
    ASSERT_EQ(library.BuscaCurpsG(path, 0, records), firma::kOk);  // searched again
    escribeCampo(records[0], CampoFirma::ArchivoKey, keyPath + '\0');
    escribeCampo(records[0], CampoFirma::ArchivoCer, cerPath + '\0');
    escribeCampo(records[0], CampoFirma::Contrasena, std::string("otra") + '\0');
    EXPECT_EQ(library.GeneraFirmaDigitalG(path, 0, records), firma::kContrasenaIncorrecta);
    EXPECT_EQ(entries(dir.path()), 3u);
    EXPECT_EQ(readBytes(file), samplePedimento());
}

}  // namespace
}  // namespace torva::test
