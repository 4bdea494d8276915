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

TEST(SignedFile, ContentToSignEndsWithALineEnd) {
    struct Case {
        std::string file;
        std::string content;
    };
    const Case cases[] = {
        {"500|1|\r\n801|x|", "500|1|\r\n801|x|\r\n"},
        {"500|1|\n801|x|\n", "500|1|\n801|x|\n"},
        {"500|1|\r801|x|\r", "500|1|\r801|x|\r"},
        {"500|1|\r\nFEA|GODE561231HDFRRN09|1|QQ==|\r\n", "500|1|\r\n"},
        {"500|1|\rFEA|GODE561231HDFRRN09|1|QQ==|\r\n", "500|1|\r"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(contenidoAFirmar(c.file), c.content) << c.file;
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
