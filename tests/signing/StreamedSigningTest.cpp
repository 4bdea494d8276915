#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "signing/RegistroFirma.h"
#include "signing/SignedFile.h"
#include "signing/SignedFileScan.h"
#include "signing/SigningCodes.h"
#include "signing/SigningFixture.h"
#include "signing/WholeFileSigning.h"

namespace torva::test {
namespace {

using namespace std::string_literals;

const std::string kFea = "FEA|GODE561231HDFRRN09|1092|QUJD|";
const std::string kCurps[] = {kCurp,
                              "PEPJ800101MDFRRNA1",
                              "AAAA000000HAAAAAA0",
                              "BBBB111111MBBBBBB1",
                              "CCCC222222XCCCCCC2",
                              "DDDD333333HDDDDDD3",
                              "EEEE444444MEEEEEE4"};

std::string replaceAll(std::string s, const std::string& from, const std::string& to) {
    for (std::size_t at = s.find(from); at != std::string::npos;
         at = s.find(from, at + to.size())) {
        s.replace(at, from.size(), to);
    }
    return s;
}

std::string namingSigners(std::size_t count) {
    std::string content = "500|1|1234|3420|0|\r\n";
    for (std::size_t i = 0; i < count; ++i) {
        content += "501|1234|400123" + std::to_string(i) + "|" + kCurps[i] + "|\r\n";
    }
    return content + "201|4001234|\r\n";
}

// Filler lines up to about size bytes, so that what follows lands near a
// piece boundary of the reading.
std::string filler(std::size_t size) {
    std::string out;
    for (int i = 0; out.size() + 40 < size; ++i) {
        out += "551|" + std::to_string(i) + "|8471300100|PIEZA|USD|\r\n";
    }
    out += std::string(size - out.size() - 2, 'x') + "\r\n";
    return out;
}

TEST(SignedFileScan, FindsWhatTheWholeFileFunctionsFindInAnyPieces) {
    const std::string curp = kCurp;
    const std::vector<std::string> contents = {
        "",
        "\r\n",
        "\n\r",
        kFea,
        kFea + "\r\n",
        "\r\n" + kFea + "\r\n",
        "x\r" + kFea + "\r\n" + kFea + "\r\n",
        "x|" + curp + "\n" + kFea + "\r\n" + kFea + "\r\n" + kFea + "\r\n",
        kFea + "\r\n\r\n",
        kFea + "\n",
        kFea + "\r",
        kFea + "\r\nx",
        kFea + "\r\n" + kFea,
        kFea + "\r\nx\r\n" + kFea + "\r\n",
        "FEA|a|b|c|d|\r\n",
        "FEA|a|b|c\r\n",
        "FEAX|a|b|c|\r\n",
        "|FEA|a|b|\r\n",
        "FEA||||\r\n",
        "201\r\n201|\n2010|\r |201\r201",
        "|201|\r\n201|x\r\n",
        curp + "|" + curp + "|X" + curp + "|" + curp + "X\r\n" + kCurps[1],
        namingSigners(7),
        "a|" + std::string(100, 'y') + "|" + curp + "|\0|\xD1\r\n"s + kFea + "\r\n",
    };
    for (const std::string& bytes : contents) {
        const FirmasFinales finales = buscaFirmasFinales(bytes);
        for (const std::size_t piece : {1u, 2u, 3u, 7u, 18u, 19u, 65536u}) {
            const EscaneoArchivo scan = escaneaBytes(bytes, kRegistrosFirma, piece);
            SCOPED_TRACE(::testing::Message() << '"' << bytes << "\" in pieces of " << piece);
            EXPECT_EQ(scan.size, bytes.size());
            EXPECT_EQ(scan.curps, buscaCurps(bytes, kRegistrosFirma));
            EXPECT_EQ(scan.registros201, cuentaRegistros(bytes, "201"));
            EXPECT_EQ(scan.inicioFirmas, finales.inicio);
            EXPECT_EQ(scan.firmasFinales, finales.firmas.size());
            EXPECT_EQ(scan.terminaEnFeaSinFin,
                      !finDeLinea(bytes).empty() && terminaEnRegistroFea(bytes));
            EXPECT_EQ(scan.terminaEnSalto, !bytes.empty() && finDeLinea(bytes).empty());
        }
    }
}

class StreamedSigning : public SigningFixture {
  protected:
    // The search and the signature, every signer found given the key data.
    FirmaCode signInPieces() {
        RegistrosFirma records{};
        std::string path = file;
        if (const FirmaCode r = library.BuscaCurpsG(path, 0, records); r != firma::kOk) {
            return r;
        }
        for (RegistroFirma& r : records) {
            if (tieneCurp(r)) {
                escribeCampo(r, CampoFirma::ArchivoKey, keyPath + '\0');
                escribeCampo(r, CampoFirma::ArchivoCer, cerPath + '\0');
                escribeCampo(r, CampoFirma::Contrasena, std::string(kPassPhrase) + '\0');
            }
        }
        return library.GeneraFirmaDigitalG(path, 0, records);
    }

    // Signs the bytes both ways; the result of the file, to sign again.
    std::string expectSameAsWholeFile(const std::string& what, const std::string& bytes) {
        writeBytes(file, bytes);
        const FirmaEnMemoria expected = firmaEnMemoria(bytes, key_.get(), cert_.get());
        EXPECT_EQ(signInPieces(), expected.code) << what;
        const std::string result = readBytes(file);
        EXPECT_TRUE(result == expected.bytes) << what;
        std::error_code ec;
        EXPECT_EQ(listDirectory(dir.path(), ec).size(), 3u) << what;  // no temporary file left
        return result;
    }
};

TEST_F(StreamedSigning, WritesWhatTheWholeFileSignatureWrote) {
    const std::string sample = samplePedimento();
    const std::string noEnd = sample.substr(0, sample.size() - 2);
    const ossl::Cert otherCert = makeCertificate(otherKey_.get(), -1, 30);
    const std::string signedByOther =
        firmaEnMemoria(sample, otherKey_.get(), otherCert.get()).bytes;
    const std::string curpAcross =
        filler(kPiezaLectura - 9) + "501|" + std::string(kCurp) + "|\r\n201|1|\r\n";
    // A signed file whose closing record begins a few bytes before the end of
    // the first piece.
    const std::string signedAcross =
        firmaEnMemoria(filler(kPiezaLectura - 40) + "501|" + kCurp + "|\r\n", key_.get(),
                       cert_.get())
            .bytes;
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"CR LF", sample},
        {"LF", replaceAll(sample, "\r\n", "\n")},
        {"CR", replaceAll(sample, "\r\n", "\r")},
        {"mixed and blank lines", "500|1|\r\n\r\n\n501|" + std::string(kCurp) + "|\n\r201|x|\r"},
        {"no final line end", noEnd},
        {"a lone CR after the last line", noEnd + "\r"},
        {"NUL and ANSI bytes", sample + "552|\0|\xD1\xC1\xFF|\r\n"s},
        {"several CURPs, one named twice", namingSigners(3) + "502|" + kCurps[1] + "|\r\n"},
        {"six signers", namingSigners(6)},
        {"seven CURPs, six signers", namingSigners(7)},
        {"last line looks like a closing record", sample + kFea},
        {"last line is a closing record that does not verify", sample + kFea + "\r\n"},
        {"a closing record then a blank line", sample + kFea + "\r\n\r\n"},
        {"a closing record ended by LF", sample + kFea + "\n"},
        {"a closing record inside the content", sample + kFea + "\r\n801|1|\r\n"},
        {"signed with another certificate", signedByOther},
        {"two 201 records", sample + "201|4001235|\r\n"},
        {"no CURP", "500|1|\r\n201|1|\r\n"},
        {"empty", ""},
        {"a CURP across a piece boundary", curpAcross},
        {"a field longer than a piece",
         "501|" + std::string(3 * kPiezaLectura, 'z') + "|" + kCurp + "|\r\n"},
        {"closing records across a piece boundary", signedAcross},
    };
    for (const auto& c : cases) {
        const std::string once = expectSameAsWholeFile(c.what, c.bytes);
        expectSameAsWholeFile(std::string(c.what) + ", signed again", once);
    }
}

}  // namespace
}  // namespace torva::test
