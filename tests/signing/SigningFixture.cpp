#include "signing/SigningFixture.h"

#include "signing/FirmaArchivo.h"

namespace torva::test {

ossl::PKey SigningFixture::key_;
ossl::PKey SigningFixture::otherKey_;
ossl::Cert SigningFixture::cert_;

std::string samplePedimento() {
    return "500|1|1234|3420|0|\r\n"
           "501|1234|4001234|3420|1|A1|XAXX010101000|" +
           std::string(kCurp) +
           "|\r\n"
           "201|4001234|COMPAÑÍA \xD1\xC1|\r\n"  // Windows-1252 bytes stay as they are
           "801|m1234001.123|1|4|\r\n";
}

void SigningFixture::SetUpTestSuite() {
    key_ = makeRsaKey();
    otherKey_ = makeRsaKey();
    cert_ = makeCertificate(key_.get(), -1, 365);
}

void SigningFixture::TearDownTestSuite() {
    key_.reset();
    otherKey_.reset();
    cert_.reset();
}

void SigningFixture::SetUp() {
    keyPath = dir.file("agente.key");
    cerPath = dir.file("agente.cer");
    file = dir.file("m1234001.123");
    writeKey(key_.get(), keyPath, kPassPhrase, KeyForm::EncryptedDer);
    writeCertificate(cert_.get(), cerPath, CertForm::Der);
    writeBytes(file, samplePedimento());
    config.set(slot::kKeyFile, keyPath);
    config.set(slot::kCertFile, cerPath);
    config.set(slot::kKeyPassword, kPassPhrase);
    config.setFlag(slot::kSign, true);
}

FirmaResult SigningFixture::sign(std::uint8_t tipo) {
    std::string path = file;
    return FirmaArchivo(path, tipo, config, library, dialogs);
}

int SigningFixture::verifyTool(const std::string& f, const std::string& cer) const {
    return run(std::string(TORVA_VERIFY_TOOL) + " '" + f + "' '" + cer + "'");
}

}  // namespace torva::test
