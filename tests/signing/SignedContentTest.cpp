#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "signing/FirmaArchivo.h"
#include "signing/SignedFile.h"
#include "signing/SigningCodes.h"
#include "signing/SigningFixture.h"

namespace torva::test {
namespace {

using namespace std::string_literals;
using SignedContent = SigningFixture;

const std::string kCurps[] = {kCurp,
                              "PEPJ800101MDFRRNA1",
                              "AAAA000000HAAAAAA0",
                              "BBBB111111MBBBBBB1",
                              "CCCC222222XCCCCCC2",
                              "DDDD333333HDDDDDD3",
                              "EEEE444444MEEEEEE4"};

TEST_F(SignedContent, FilesNamingUpToSixSignersAreSignedOncePerCurp) {
    for (const std::size_t count : {2u, 6u, 7u}) {
        SetUp();
        dialogs = ScriptedDialogs();
        std::string content = "500|1|1234|3420|0|\r\n";
        for (std::size_t i = 0; i < count; ++i) {
            content += "501|1234|400123" + std::to_string(i) + "|" + kCurps[i] + "|\r\n";
        }
        writeBytes(file, content + "201|4001234|\r\n");
        EXPECT_EQ(sign(), firma::kFirmado) << count;
        EXPECT_EQ(dialogs.texts(), std::vector<std::string>{}) << count;

        const ArchivoFirmado signedFile = separaFirmas(readBytes(file));
        const std::size_t signers = std::min<std::size_t>(count, 6);
        ASSERT_EQ(signedFile.firmas.size(), signers) << count;
        for (std::size_t i = 0; i < signers; ++i) {
            EXPECT_EQ(signedFile.firmas[i].curp, kCurps[i]);
        }
        EXPECT_EQ(verifyTool(file, cerPath), 0) << count;
    }
}

TEST_F(SignedContent, AContentEndingInAClosingRecordOfItsOwnIsRefused) {
    struct Case {
        const char* what;
        std::string bytes;
    };
    // A file signed once, then changed: its closing record no longer verifies.
    ASSERT_EQ(sign(), firma::kFirmado);
    std::string changed = readBytes(file);
    changed[changed.find("4001234")] = '5';
    const Case cases[] = {
        {"last line without its end", samplePedimento() + "FEA|a|b|c|"},
        {"last line with CR LF", samplePedimento() + "FEA|" + kCurp + "|1092|QUJD|\r\n"},
        {"after a lone CR", "500|1|\r501|" + std::string(kCurp) + "|\rFEA|x|1092|QUJD|"},
        {"naming the only CURP", "500|1|\r\nFEA|" + std::string(kCurp) + "|1092|QUJD|\r\n"},
        {"a signature that no longer verifies", changed},
    };
    for (const Case& c : cases) {
        dialogs = ScriptedDialogs();
        writeBytes(file, c.bytes);
        EXPECT_EQ(sign(), firma::kRespuestaAceptar) << c.what;
        EXPECT_EQ(dialogs.texts(),
                  std::vector<std::string>{mensajeFirma(firma::kRegistroFeaAjeno, file)})
            << c.what;
        EXPECT_EQ(readBytes(file), c.bytes) << c.what;
    }
}

TEST_F(SignedContent, ThePassPhraseIsTriedAsUtf8AndAsWindows1252) {
    struct Case {
        const char* what;
        std::string keyPassPhrase;  // the bytes the key was encrypted with
        std::string typed;          // the configuration's text, UTF-8
        FirmaResult result;
    };
    const Case cases[] = {
        {"set by a Windows tool",
         "Contrase\xF1"
         "a#2024",
         "Contraseña#2024", firma::kFirmado},
        {"set as UTF-8", "Contraseña#2024", "Contraseña#2024", firma::kFirmado},
        {"wrong in both forms",
         "Contrase\xF1"
         "a#2024",
         "Contrasena#2024", firma::kRespuestaAceptar},
    };
    for (const Case& c : cases) {
        SetUp();
        dialogs = ScriptedDialogs();
        writeKey(key_.get(), keyPath, c.keyPassPhrase, KeyForm::EncryptedDer);
        config.set(slot::kKeyPassword, c.typed);
        EXPECT_EQ(sign(), c.result) << c.what;
        if (!ok(c.result)) {
            EXPECT_EQ(dialogs.texts(),
                      std::vector<std::string>{mensajeFirma(firma::kContrasenaIncorrecta, file)});
        }
    }
}

TEST_F(SignedContent, TheReadmeRecipeVerifiesAnyContentOneSignerAtATime) {
    struct Case {
        const char* what;
        std::string bytes;
        int signers;
    };
    const std::string curp2 = kCurps[1];
    const Case cases[] = {
        {"Windows-1252 accents, two signers",
         "500|1|1234|\r\n501|" + std::string(kCurp) +
             "|COMPA\xD1\xCD"
             "A ADUANAL \xC1\xC9\xCD\xD3\xDA \xE9\xF1|\r\n502|" +
             curp2 + "|\r\n201|4001234|\r\n",
         2},
        {"CR-only line ends, last line without one",
         "500|1|1234|\r501|" + std::string(kCurp) + "|\r201|4001234|\r801|m1234001.123|", 1},
        {"NUL bytes", "500|\0\0|1234|\r\n501|"s + kCurp + "|\0\xFF|\r\n"s, 1},
    };
    for (const Case& c : cases) {
        writeBytes(file, c.bytes);
        ASSERT_EQ(sign(), firma::kFirmado) << c.what;
        EXPECT_EQ(verifyTool(file, cerPath), 0) << c.what;
        for (int k = 1; kHostCommands && k <= c.signers; ++k) {
            EXPECT_EQ(readmeRecipe(file, c.signers, k), 0) << c.what << ", signer " << k;
        }
    }
    if (!kHostCommands) {
        return;
    }
    // The recipe is no rubber stamp: one changed byte of content fails it.
    std::string tampered = readBytes(file);
    tampered[1] = 'X';
    writeBytes(file, tampered);
    EXPECT_EQ(readmeRecipe(file, 1, 1), 1);
}

// Random content, always the same: whatever the library reports as signed
// verifies with torva-verify and the README recipe, and signing it again
// gives the same bytes; whatever it refuses is left as it was.
TEST_F(SignedContent, EveryFileReportedSignedVerifies) {
    const std::string pieces[] = {kCurp,
                                  kCurps[1],
                                  "|",
                                  "\r",
                                  "\n",
                                  "\r\n",
                                  std::string(1, '\0'),
                                  "\xD1\xC1",
                                  "FEA|",
                                  "FEA|a|b|c|",
                                  "FEA|" + std::string(kCurp) + "|1092|QUJD|\r\n",
                                  "201|",
                                  "500|1|1234|",
                                  "801|m1234001.123|1|"};
    const std::vector<std::string> refusals = {mensajeFirma(firma::kSinFirmantes, file),
                                               mensajeFirma(firma::kVariosRegistros201, file),
                                               mensajeFirma(firma::kRegistroFeaAjeno, file)};
    std::mt19937 random(20261210);
    const auto below = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    int signedFiles = 0;
    int refused = 0;
    for (int round = 0; round < 60; ++round) {
        std::string content;
        for (std::size_t i = below(20); i > 0; --i) {
            content += below(4) == 0 ? std::string(1, static_cast<char>(below(256)))
                                     : pieces[below(std::size(pieces))];
        }
        if (below(4) != 0) {
            content.insert(below(content.size() + 1), "|" + std::string(kCurp) + "|");
        }
        dialogs = ScriptedDialogs();
        writeBytes(file, content);
        const FirmaResult result = sign();
        if (!ok(result)) {
            ++refused;
            EXPECT_EQ(readBytes(file), content) << round;
            ASSERT_EQ(dialogs.texts().size(), 1u) << round;
            EXPECT_NE(std::find(refusals.begin(), refusals.end(), dialogs.texts()[0]),
                      refusals.end())
                << round << ": " << dialogs.texts()[0];
            continue;
        }
        ++signedFiles;
        const std::string bytes = readBytes(file);
        const int signers = static_cast<int>(separaFirmas(bytes).firmas.size());
        ASSERT_GT(signers, 0) << round;
        EXPECT_EQ(verifyTool(file, cerPath), 0) << round;
        if (kHostCommands) {
            EXPECT_EQ(readmeRecipe(file, signers, 1 + round % signers), 0) << round;
        }
        EXPECT_EQ(sign(), firma::kFirmado) << round;
        EXPECT_EQ(readBytes(file), bytes) << round;
    }
    EXPECT_GT(signedFiles, 30);
    EXPECT_GT(refused, 5);
}

}  // namespace
}  // namespace torva::test
