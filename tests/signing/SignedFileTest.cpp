#include <gtest/gtest.h>

#include "signing/SignedFile.h"

namespace torva {
namespace {

TEST(SignedFile, ClosingRecordsAreSplitFromTheContent) {
    const RegistroFea a{"GODE561231HDFRRN09", "1092", "QUJD"};
    const RegistroFea b{"PEPJ800101MDFRRN01", "1092", "REVG"};
    const std::string content = "500|1|\r\n801|x|\r\n";
    const ArchivoFirmado f = separaFirmas(content + lineaFea(a) + lineaFea(b));
    EXPECT_EQ(f.contenido, content);
    ASSERT_EQ(f.firmas.size(), 2u);
    EXPECT_EQ(f.firmas[0].curp, a.curp);
    EXPECT_EQ(f.firmas[1].firma, b.firma);
    EXPECT_EQ(lineaFea(a), "FEA|GODE561231HDFRRN09|1092|QUJD|\r\n");

    // A closing record in the middle is content; so is a malformed one.
    const std::string middle = lineaFea(a) + "801|x|\r\n";
    EXPECT_EQ(separaFirmas(middle).contenido, middle);
    EXPECT_TRUE(separaFirmas("FEA|only|two|\r\n").firmas.empty());
}

TEST(SignedFile, ContentToSignEndsWithALineEndAndMustSplitBack) {
    struct Case {
        std::string content;
        std::string lineEnd;
        bool endsInClosingRecord;
    };
    const Case cases[] = {
        {"500|1|\r\n801|x|", "\r\n", false},
        {"500|1|\n801|x|\n", "", false},
        {"500|1|\r801|x|\r", "", false},
        {"", "", false},
        // Lines of closing-record form that the walk from the end would take.
        {"500|1|\r\nFEA|a|b|c|", "\r\n", true},
        {"500|1|\rFEA|a|b|c|", "\r\n", true},
        {"FEA|a|b|c|\r\n", "", true},
        {"500|1|\nFEA|GODE561231HDFRRN09|1092|QQ==|\r\n", "", true},
        // Not taken: no CR LF after it, a field too many, or not at the end.
        {"500|1|\r\nFEA|a|b|c|\n", "", false},
        {"500|1|\r\nFEA|a|b|c|d|", "\r\n", false},
        {"FEA|a|b|c|\r\n801|x|\r\n", "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(finDeLinea(c.content), c.lineEnd) << c.content;
        EXPECT_EQ(terminaEnRegistroFea(c.content), c.endsInClosingRecord) << c.content;
        // The promise behind it: content and a closing record split back apart.
        const std::string signedFile = c.content + std::string(finDeLinea(c.content)) +
                                       lineaFea({"GODE561231HDFRRN09", "1092", "QUJD"});
        const std::size_t contentSize = c.content.size() + finDeLinea(c.content).size();
        EXPECT_EQ(buscaFirmasFinales(signedFile).inicio == contentSize, !c.endsInClosingRecord)
            << c.content;
    }
}

TEST(SignedFile, CurpsAreFoundByTheirFormInAnyField) {
    struct Case {
        std::string text;
        bool curp;
    };
    const Case cases[] = {
        {"GODE561231HDFRRN09", true},   {"PEPJ800101MDFRRN0A", false}, {"PEPJ800101MDFRRNA1", true},
        {"GODE561231ZDFRRN09", false},  {"gode561231HDFRRN09", false}, {"GODE561231HDFRRN0", false},
        {"GODE561231HDFRRN099", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(esCurp(c.text), c.curp) << c.text;
    }
    const std::string file =
        "500|1|1234|\r\n501|GODE561231HDFRRN09|XAXX010101000|\r\n"
        "502|PEPJ800101MDFRRNA1|GODE561231HDFRRN09\n503|AAAA000000HAAAAAA0|\r\n";
    EXPECT_EQ(buscaCurps(file, 6),
              (std::vector<std::string>{"GODE561231HDFRRN09", "PEPJ800101MDFRRNA1",
                                        "AAAA000000HAAAAAA0"}));
    EXPECT_EQ(buscaCurps(file, 2).size(), 2u);
    EXPECT_EQ(cuentaRegistros("201|a|\r\n2011|b|\r\n201|c\n201\r\n", "201"), 3u);
}

}  // namespace
}  // namespace torva
