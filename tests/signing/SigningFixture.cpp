#include "signing/SigningFixture.h"

#include <sstream>
#include <stdexcept>

#include "platform/FileSystem.h"
#include "signing/FirmaArchivo.h"

namespace torva::test {

ossl::PKey SigningFixture::key_;
ossl::PKey SigningFixture::otherKey_;
ossl::Cert SigningFixture::cert_;

namespace {

// The indented lines of the README that begin with "export LC_ALL=C", with
// the line that sets f, cer, n and k given as assignments.
std::string recipeFromReadme(const std::string& assignments) {
    std::istringstream readme(readBytes(std::string(TORVA_SOURCE_DIR) + "/README.md"));
    std::string script;
    bool inRecipe = false;
    for (std::string line; std::getline(readme, line);) {
        if (line == "    export LC_ALL=C") {
            inRecipe = true;
        } else if (inRecipe && line.rfind("    ", 0) != 0) {
            break;
        }
        if (inRecipe) {
            script += (line.rfind("    f=", 0) == 0 ? assignments : line.substr(4)) + "\n";
        }
    }
    if (script.find(assignments) == std::string::npos) {
        throw std::runtime_error("no verification recipe in README.md");
    }
    return script;
}

}  // namespace

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

int SigningFixture::readmeRecipe(const std::string& f, int n, int k) const {
    const std::string work = dir.file("recipe");
    makeDirectory(work);
    const std::string script = dir.file("recipe.sh");
    writeBytes(script, recipeFromReadme("f='" + f + "' cer='" + cerPath +
                                        "' n=" + std::to_string(n) + " k=" + std::to_string(k)));
    // The openssl command the build found first, then the system's tools.
    const std::string path = fromFsPath(toFsPath(TORVA_OPENSSL).parent_path()) + ":/usr/bin:/bin";
    return run("cd '" + work + "' && env -i PATH=" + path + " LANG=C.UTF-8 bash -e -o pipefail '" +
               script + "'");
}

int SigningFixture::verifyTool(const std::string& f, const std::string& cer) const {
    return runProgram(TORVA_VERIFY_TOOL, {f, cer});
}

}  // namespace torva::test
