#include <gtest/gtest.h>

#include "platform/Utf8.h"
#include "signing/RegistroFirma.h"

namespace torva {
namespace {

// The bytes of a field as UTF-16LE text.
std::string unitsAt(const RegistroFirma& r, std::size_t offset, std::size_t units) {
    std::string out;
    for (std::size_t k = 0; k < units; ++k) {
        const int u = r.bytes[offset + 2 * k] | (r.bytes[offset + 2 * k + 1] << 8);
        out += u == 0 ? '0' : u == ' ' ? '_' : u < 0x80 ? static_cast<char>(u) : '?';
    }
    return out;
}

TEST(RegistroFirma, FieldsLieAtTheirOffsetsInUtf16LeWithBlankPadding) {
    EXPECT_EQ(sizeof(RegistrosFirma), 6u * 1574u);
    RegistroFirma r;
    escribeCampo(r, CampoFirma::Curp, std::string("GODE561231HDFRRN09") + '\0');
    escribeCampo(r, CampoFirma::ArchivoKey, std::string("C:\\k.key") + '\0');
    escribeCampo(r, CampoFirma::ArchivoCer, std::string("c.cer") + '\0');
    escribeCampo(r, CampoFirma::Contrasena, std::string("pw") + '\0');

    EXPECT_EQ(unitsAt(r, 0, 19), "GODE561231HDFRRN090");
    EXPECT_EQ(unitsAt(r, 38, 10), "C:\\k.key0_");
    EXPECT_EQ(unitsAt(r, 38 + 2 * 255, 1), "_");  // blanks to the field's end
    EXPECT_EQ(unitsAt(r, 550, 7), "c.cer0_");
    EXPECT_EQ(unitsAt(r, 1062, 4), "pw0_");
    EXPECT_EQ(r.bytes[38], 'C');  // little-endian: the low byte first
    EXPECT_EQ(r.bytes[39], 0);
    EXPECT_EQ(unitsAt(r, 1062 + 2 * 255, 1), "_");
    EXPECT_EQ(leeCampo(r, CampoFirma::ArchivoKey), "C:\\k.key");
    EXPECT_EQ(leeCampo(r, CampoFirma::Curp), "GODE561231HDFRRN09");
    EXPECT_TRUE(tieneCurp(r));
    EXPECT_FALSE(tieneCurp(RegistroFirma{}));
}

TEST(RegistroFirma, LongTextIsCutAndThenHasNoEnd) {
    RegistroFirma r;
    escribeCampo(r, CampoFirma::ArchivoCer, std::string(300, 'x') + '\0');
    EXPECT_EQ(unitsAt(r, 550, 256), std::string(256, 'x'));
    EXPECT_EQ(r.bytes[1062], 0);  // the next field is untouched
    EXPECT_EQ(leeCampo(r, CampoFirma::ArchivoCer), std::nullopt);
}

TEST(RegistroFirma, NonAsciiTextRoundTrips) {
    RegistroFirma r;
    const std::string text = "/año/Ñandú/\xF0\x9F\x94\x91.key";  // a key emoji: a surrogate pair
    escribeCampo(r, CampoFirma::ArchivoKey, text + '\0');
    EXPECT_EQ(r.bytes[38 + 2 * 2], 0xF1);  // ñ
    EXPECT_EQ(r.bytes[38 + 2 * 2 + 1], 0x00);
    EXPECT_EQ(leeCampo(r, CampoFirma::ArchivoKey), text);
    EXPECT_EQ(utf16ToUtf8(utf8ToUtf16("\xFF")), "\xEF\xBF\xBD");  // malformed: U+FFFD
}

}  // namespace
}  // namespace torva
